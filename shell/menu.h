// The program's one menu bar. Every window that shows a menu bar shows
// these same items, so their enabled state is one. Items are reached by
// name; the names below are the ones the windows' enabling hooks and menu
// handlers use.
#pragma once

#include "framework/menu_bar.h"

#include <string_view>

namespace shell {

namespace item {
inline constexpr const char *kPrint = "Print";
inline constexpr const char *kFileQuit = "FileQuit";
inline constexpr const char *kControl = "ControlMenuItem";
inline constexpr const char *kDescription = "DescriptionMenuItem";
inline constexpr const char *kAbout = "AboutMenuItem";
inline constexpr const char *kAboutVex = "AboutVex";
inline constexpr const char *kReport = "ReportMenuItem";
inline constexpr const char *kBattery = "BatteryMenuItem";
} // namespace item

class Menu : public fw::MenuBar {
public:
    Menu(); // builds every item, in menu order
};

// The item of that name in the application's menu bar; nullptr when there
// is no application object or no such item.
fw::MenuItem *menuItem(std::string_view name);

// Sets an item's availability for the current enabling pass.
void enableMenuItem(std::string_view name, bool enabled);

} // namespace shell
