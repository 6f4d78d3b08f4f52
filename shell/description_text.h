#pragma once

#include <string>

namespace shell {

// The Description window's text in the language in use: lines separated by
// a carriage return, no line break after the last line; the table is
// aligned for a fixed-pitch font, its figures from the scale table.
std::string descriptionText();

} // namespace shell
