// Pictures by number, read once from the resource ":/pictures/<number>.svg"
// and kept for the life of the application. A picture with words has a
// German copy, ":/pictures/de/<number>.svg", shown while German is in use.
#pragma once

class QSvgRenderer;

namespace fw {

// The picture, or nullptr when the resources hold no such picture. The
// renderer belongs to the cache; draw it with render(), which stays sharp
// at any device pixel ratio.
QSvgRenderer *Picture(int number);

} // namespace fw
