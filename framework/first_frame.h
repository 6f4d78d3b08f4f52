// Work that must not hold up the first window's first frame, such as
// rendering the program's icon at every size a window manager asks for.
#pragma once

#include <functional>

namespace fw {

// Runs work once, from the event loop, after the first window put on the
// screen has been exposed and painted.
void afterFirstFrame(std::function<void()> work);

} // namespace fw
