// Modal message boxes. While a hook is set, MsgBox hands it the text and
// returns at once, as if the user had dismissed the box: tests read the
// messages without a box standing in their way.
#pragma once

#include <functional>
#include <string>

namespace fw {

// An information box with an OK button and the application name as title;
// returns when the user dismisses it.
void MsgBox(const std::string &text);

// nullptr (an empty function) restores the real box.
void setMsgBoxHook(std::function<void(const std::string &text)> hook);

} // namespace fw
