// What a key pressed in one of the converter window's entry fields does
// before the field sees it: first it may empty other fields (when the user
// starts editing after a calculation), then it may be refused with a beep.
// The ten fields differ only in their row of one table.
#pragma once

#include <string>
#include <string_view>

namespace fw {
class Window;
}

// True when the key is refused (and so consumed); `field` names the field
// the key was pressed in.
bool applyKeystrokeRule(fw::Window &window, std::string_view field, const std::string &key);
