#pragma once

#include <string>

namespace shell {

// The Description window's text: lines separated by a carriage return, no
// line break after the last line; the table is aligned for a fixed-pitch font.
const std::string &descriptionText();

} // namespace shell
