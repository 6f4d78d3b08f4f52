// The program's one menu bar. Each window whose record shows a menu bar gets
// its own QMenuBar from present(), filled with the same shared QActions.
//
// Enabling pass (before a menu opens, when the focus or the active window
// changes, after each command): items with AutoEnable false start disabled,
// AutoEnable items enabled; the Edit items follow the focused text field;
// then the front window's EnableMenuItems(), then the application's.
//
// Routing: a chosen item goes to the handler the front window registered
// under its name, then, unless that returned true, to the application's.
// The quit item runs Quit(); the Edit items are served by the framework
// when the focused text field can act on them, else routed like the rest.
//
// On Linux and Windows each menu's title has its first letter as mnemonic
// (Alt+F opens File), unless its caption places one with a single "&" (a
// translation whose first letters would clash), and F10 opens the first
// menu on its first item as Alt+F does; the captions are unchanged.
#pragma once

#include "framework/menu_item.h"

#include <QPointer>

#include <memory>
#include <string_view>
#include <vector>

class QKeySequence;
class QMenu;
class QMenuBar;
class QObject;
class QWidget;

namespace fw {

class MenuBar {
public:
    MenuBar();
    virtual ~MenuBar();
    MenuBar(const MenuBar &) = delete;
    MenuBar &operator=(const MenuBar &) = delete;

    // A menu at the end of the bar.
    MenuItem *Append(std::unique_ptr<MenuItem> menu);
    // An item at the end of the menu of that name; nullptr when none.
    MenuItem *Append(std::string_view menuName, std::unique_ptr<MenuItem> item);
    // Any item or menu by name.
    MenuItem *find(std::string_view name) const;

    bool enabled(std::string_view name) const; // after the last pass
    // Whether some item, enabled or not, has this shortcut.
    bool hasShortcut(const QKeySequence &keys) const;
    // Chooses the item as the user would: runs a pass, then routes the
    // command if the item is enabled. False when it was not run.
    bool trigger(std::string_view name);
    void runEnablingPass();

    // A new QMenuBar showing these items, for a window to own.
    QMenuBar *present();

private:
    void fill(QMenuBar *bar);
    QMenu *buildMenu(MenuItem &menu, QWidget *parent);
    void route(MenuItem &item);
    void dispatch(MenuItem &item);
    void refreshPresented();

    std::vector<std::unique_ptr<MenuItem>> m_menus;
    std::vector<QPointer<QMenuBar>> m_presented;
    std::unique_ptr<QObject> m_context; // ends all connections with the bar
    bool m_inPass = false;
};

// The item of that name in the application's menu bar; nullptr when there
// is no application object or no such item.
MenuItem *menuItem(std::string_view name);

// Sets an item's availability for the current enabling pass.
void enableMenuItem(std::string_view name, bool enabled);

} // namespace fw
