// One item of the menu bar: a menu, a command, the quit command, or the
// application-menu item (About), with its name, caption, shortcut and
// enabled state. Its QAction is shared by the menu bars of all windows, so
// the enabled state is one. A caption of "-" makes a separator.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QAction;

namespace fw {

class MenuItem {
public:
    enum class Kind {
        Menu,
        Item,
        Quit,          // runs the quit action
        AppleMenuItem, // shown in the application menu, or else in a Help menu
    };

    explicit MenuItem(Kind kind = Kind::Item);
    ~MenuItem();
    MenuItem(const MenuItem &) = delete;
    MenuItem &operator=(const MenuItem &) = delete;

    Kind kind() const { return m_kind; }
    bool isSeparator() const { return m_text == "-"; }

    const std::string &Name() const { return m_name; }
    void SetName(const std::string &name);
    const std::string &Text() const { return m_text; }
    void SetText(const std::string &text);
    const std::string &KeyboardShortcut() const { return m_shortcut; }
    void SetKeyboardShortcut(const std::string &shortcut); // "Cmd+Q"
    bool AutoEnable() const { return m_autoEnable; }
    void SetAutoEnable(bool autoEnable) { m_autoEnable = autoEnable; }
    bool Enabled() const;
    void SetEnabled(bool enabled);

    // Prefer MenuBar::Append, which also routes the item's commands.
    MenuItem *Append(std::unique_ptr<MenuItem> child);
    const std::vector<std::unique_ptr<MenuItem>> &children() const { return m_children; }
    MenuItem *find(std::string_view name);

    QAction *action() const { return m_action.get(); }

private:
    friend class MenuBar;

    Kind m_kind;
    std::string m_name;
    std::string m_text;
    std::string m_shortcut;
    bool m_autoEnable = false;
    bool m_routed = false;
    std::unique_ptr<QAction> m_action;
    std::vector<std::unique_ptr<MenuItem>> m_children;
};

} // namespace fw
