// The application object: the program derives its own from it and makes
// exactly one, after the QApplication. It holds the menu bar, its own menu
// handlers and its menu-enabling hook. The program ends only through Quit():
// closing the last visible window does not quit.
#pragma once

#include "framework/menu_handlers.h"

#include <functional>
#include <memory>
#include <string>

namespace fw {

class MenuBar;

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    void setMenuBar(std::unique_ptr<MenuBar> bar);
    MenuBar *menuBar() const { return m_menuBar.get(); }

    void registerMenuHandler(const std::string &itemName, std::function<bool()> handler);
    const MenuHandlers &menuHandlers() const { return m_handlers; }

    // Runs in every enabling pass, after the front window's hook.
    virtual void EnableMenuItems() {}

    // Whether the user has been told that the settings cannot be saved.
    bool settingsProblemShown() const { return m_settingsProblemShown; }
    void setSettingsProblemShown() { m_settingsProblemShown = true; }

private:
    std::unique_ptr<MenuBar> m_menuBar;
    MenuHandlers m_handlers;
    bool m_settingsProblemShown = false;
};

// The application object, or nullptr before it is made.
Application *App();

// Ends the event loop with `code`, unless a window may not close (it has
// asked the user, who chose to go back). While a quit hook is set, the hook
// gets the code instead, so tests can close the main window and live on.
void Quit(int code = 0);
void setQuitHook(std::function<void(int code)> hook);

} // namespace fw
