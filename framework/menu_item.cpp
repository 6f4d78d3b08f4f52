#include "framework/menu_item.h"

#include <QAction>
#include <QKeySequence>

namespace fw {

namespace {

// "Cmd+Q" names the command key. Qt already reads Ctrl as Cmd on macOS,
// so Ctrl is the right word on every platform.
QKeySequence keySequence(const std::string &shortcut)
{
    QString portable = QString::fromStdString(shortcut);
    portable.replace(QLatin1String("Cmd"), QLatin1String("Ctrl"), Qt::CaseInsensitive);
    portable.replace(QLatin1String("Option"), QLatin1String("Alt"), Qt::CaseInsensitive);
    return QKeySequence(portable, QKeySequence::PortableText);
}

QAction::MenuRole roleOf(MenuItem::Kind kind)
{
    switch (kind) {
    case MenuItem::Kind::Quit: return QAction::QuitRole;
    case MenuItem::Kind::AppleMenuItem: return QAction::AboutRole;
    default:
        // Not TextHeuristicRole: an "About ..." item in the Window menu
        // must stay where it is on macOS.
        return QAction::NoRole;
    }
}

} // namespace

MenuItem::MenuItem(Kind kind)
    : m_kind(kind)
    , m_action(std::make_unique<QAction>())
{
    m_action->setMenuRole(roleOf(kind));
}

MenuItem::~MenuItem() = default;

void MenuItem::SetName(const std::string &name)
{
    m_name = name;
    m_action->setObjectName(QString::fromStdString(name));
}

void MenuItem::SetText(const std::string &text)
{
    m_text = text;
    m_action->setSeparator(isSeparator());
    m_action->setText(isSeparator() ? QString() : QString::fromStdString(text));
}

void MenuItem::SetKeyboardShortcut(const std::string &shortcut)
{
    m_shortcut = shortcut;
    m_action->setShortcut(keySequence(shortcut));
}

bool MenuItem::Enabled() const
{
    return m_action->isEnabled();
}

void MenuItem::SetEnabled(bool enabled)
{
    m_action->setEnabled(enabled);
}

MenuItem *MenuItem::Append(std::unique_ptr<MenuItem> child)
{
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

MenuItem *MenuItem::find(std::string_view name)
{
    if (m_name == name)
        return this;
    for (const auto &child : m_children)
        if (MenuItem *found = child->find(name))
            return found;
    return nullptr;
}

} // namespace fw
