// The one-character text that key handlers receive. Keys without a text of
// their own get the classic control codes, so one handler rule ("code below
// 32 passes") covers editing and navigation on every platform.
#pragma once

#include <optional>
#include <string>

class QKeyEvent;

namespace fw {

enum KeyCode : int {
    kKeyHome = 1,
    kKeyEnd = 4,
    kKeyBackspace = 8,
    kKeyTab = 9,
    kKeyPageUp = 11,
    kKeyPageDown = 12,
    kKeyReturn = 13,
    kKeyFunction = 16,
    kKeyEscape = 27,
    kKeyLeft = 28,
    kKeyRight = 29,
    kKeyUp = 30,
    kKeyDown = 31,
    kKeyDelete = 127,
};

// The key as UTF-8 text of one character, or nothing for keys that reach no
// handler (modifiers pressed alone, keys with neither code nor text).
std::optional<std::string> keyText(const QKeyEvent &event);

// A key combination that runs a command rather than types: the shortcut of
// an item of the application's menu bar, enabled or not, or a standard
// editing command with the Control (Command) key: select all, undo, redo,
// cut, copy, paste. Key handlers never see these.
bool isCommandKey(const QKeyEvent &event);

} // namespace fw
