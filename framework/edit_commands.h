// The Edit menu items that the framework itself serves from the editing of
// the focused text field (entry field or text area).
#pragma once

#include <string_view>

class QWidget;

namespace fw {

inline constexpr std::string_view kEditUndo = "EditUndo";
inline constexpr std::string_view kEditCut = "EditCut";
inline constexpr std::string_view kEditCopy = "EditCopy";
inline constexpr std::string_view kEditPaste = "EditPaste";
inline constexpr std::string_view kEditClear = "EditClear";

class EditCommands {
public:
    static bool isEditItem(std::string_view itemName);
    // Whether the command can act on `focus` now (nullptr: never).
    static bool available(std::string_view itemName, const QWidget *focus);
    static void run(std::string_view itemName, QWidget *focus);
};

} // namespace fw
