#include "framework/menu_bar.h"

#include "framework/application.h"
#include "framework/edit_commands.h"
#include "framework/window.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStyle>

namespace fw {

namespace {

// Where the platform has no application menu, its items go to a last menu.
constexpr bool kHasApplicationMenu =
#ifdef Q_OS_MACOS
    true;
#else
    false;
#endif

// Linux and Windows users open a menu with Alt and the first letter of its
// title; the Mac has no mnemonics.
constexpr bool kHasMnemonics = !kHasApplicationMenu;

// A caption with a single "&" names its own mnemonic: a translation whose
// first letters would clash ("Bearbeiten", "Bericht") places it.
bool hasMnemonic(const QString &caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() && caption.at(at + 1) != QLatin1Char('&');
}

QString menuTitle(const QString &caption)
{
    if (!kHasMnemonics || caption.isEmpty() || hasMnemonic(caption))
        return caption;
    QString title = caption;
    title.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QLatin1Char('&') + title;
}

bool hasShortcut(const MenuItem &item, const QKeySequence &keys)
{
    if (item.kind() != MenuItem::Kind::Menu && !item.isSeparator() && !keys.isEmpty()
        && item.action()->shortcut() == keys)
        return true;
    for (const auto &child : item.children())
        if (hasShortcut(*child, keys))
            return true;
    return false;
}

void collectAppleItems(MenuItem &item, std::vector<MenuItem *> &out)
{
    if (item.kind() == MenuItem::Kind::AppleMenuItem)
        out.push_back(&item);
    for (const auto &child : item.children())
        collectAppleItems(*child, out);
}

// The item a menu opened from the keyboard starts on.
QAction *firstItem(const QMenu &menu)
{
    const bool disabledToo = menu.style()->styleHint(QStyle::SH_Menu_AllowActiveAndDisabled, nullptr, &menu);
    for (QAction *action : menu.actions())
        if (action->isVisible() && !action->isSeparator() && (disabledToo || action->isEnabled()))
            return action;
    return nullptr;
}

void enableForPassStart(MenuItem &item)
{
    if (item.kind() != MenuItem::Kind::Menu)
        item.SetEnabled(item.AutoEnable()
                        || (EditCommands::isEditItem(item.Name())
                            && EditCommands::available(item.Name(), QApplication::focusWidget())));
    for (const auto &child : item.children())
        enableForPassStart(*child);
}

} // namespace

MenuBar::MenuBar()
    : m_context(std::make_unique<QObject>())
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        QObject::connect(app, &QApplication::focusChanged, m_context.get(),
                         [this] { runEnablingPass(); });
}

MenuBar::~MenuBar() = default;

MenuItem *MenuBar::Append(std::unique_ptr<MenuItem> menu)
{
    m_menus.push_back(std::move(menu));
    MenuItem *added = m_menus.back().get();
    route(*added);
    refreshPresented();
    return added;
}

MenuItem *MenuBar::Append(std::string_view menuName, std::unique_ptr<MenuItem> item)
{
    MenuItem *menu = find(menuName);
    Q_ASSERT_X(menu, "fw::MenuBar::Append", "no menu of that name");
    if (!menu)
        return nullptr;
    MenuItem *added = menu->Append(std::move(item));
    route(*added);
    refreshPresented();
    return added;
}

MenuItem *MenuBar::find(std::string_view name) const
{
    for (const auto &menu : m_menus)
        if (MenuItem *found = menu->find(name))
            return found;
    return nullptr;
}

bool MenuBar::enabled(std::string_view name) const
{
    const MenuItem *item = find(name);
    return item && item->Enabled();
}

bool MenuBar::trigger(std::string_view name)
{
    MenuItem *item = find(name);
    if (!item || item->kind() == MenuItem::Kind::Menu || item->isSeparator())
        return false;
    runEnablingPass();
    if (!item->Enabled())
        return false;
    dispatch(*item);
    return true;
}

bool MenuBar::hasShortcut(const QKeySequence &keys) const
{
    for (const auto &menu : m_menus)
        if (fw::hasShortcut(*menu, keys))
            return true;
    return false;
}

void MenuBar::runEnablingPass()
{
    if (m_inPass)
        return; // a hook that moves the focus re-enters
    m_inPass = true;
    for (const auto &menu : m_menus)
        enableForPassStart(*menu);
    if (Window *front = Window::front())
        front->EnableMenuItems();
    if (Application *app = App())
        app->EnableMenuItems();
    m_inPass = false;
}

void MenuBar::route(MenuItem &item)
{
    if (!item.m_routed && item.kind() != MenuItem::Kind::Menu) {
        QObject::connect(item.action(), &QAction::triggered, m_context.get(),
                         [this, &item] { dispatch(item); });
        item.m_routed = true;
    }
    for (const auto &child : item.children())
        route(*child);
}

void MenuBar::dispatch(MenuItem &item)
{
    const std::string name = item.Name(); // the handler may rebuild things
    if (item.kind() == MenuItem::Kind::Quit) {
        Quit();
    } else if (EditCommands::isEditItem(name) && EditCommands::available(name, QApplication::focusWidget())) {
        EditCommands::run(name, QApplication::focusWidget());
    } else {
        // An edit item with nothing to act on in the focused field is the
        // window's: the Score Report copies its table.
        Window *front = Window::front();
        const bool consumed = front && front->menuHandlers().run(name);
        if (!consumed && App())
            App()->menuHandlers().run(name);
    }
    runEnablingPass();
}

QMenuBar *MenuBar::present()
{
    auto *bar = new QMenuBar;
    fill(bar);
    m_presented.emplace_back(bar);
    if (kHasMnemonics) {
        // F10 opens the bar, as on the desktops where menus have mnemonics.
        auto *f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar);
        f10->setContext(Qt::WindowShortcut);
        QObject::connect(f10, &QShortcut::activated, bar, [bar] {
            if (bar->actions().isEmpty())
                return;
            QAction *first = bar->actions().constFirst();
            bar->setActiveAction(first);
            // Its first item takes the keys, as when the menu is opened with Alt+F.
            if (QMenu *menu = first->menu())
                menu->setActiveAction(firstItem(*menu));
        });
    }
    return bar;
}

void MenuBar::refreshPresented()
{
    for (const QPointer<QMenuBar> &bar : m_presented)
        if (bar)
            fill(bar);
}

void MenuBar::fill(QMenuBar *bar)
{
    bar->clear();
    qDeleteAll(bar->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly));
    std::vector<MenuItem *> appleItems;
    for (const auto &menu : m_menus) {
        bar->addMenu(buildMenu(*menu, bar));
        collectAppleItems(*menu, appleItems);
    }
    if (kHasApplicationMenu || appleItems.empty())
        return;
    QMenu *help = bar->addMenu(menuTitle(QCoreApplication::translate("Menu", "Help")));
    help->setObjectName(QStringLiteral("HelpMenu"));
    for (MenuItem *item : appleItems)
        help->addAction(item->action());
    QObject::connect(help, &QMenu::aboutToShow, m_context.get(), [this] { runEnablingPass(); });
}

QMenu *MenuBar::buildMenu(MenuItem &menu, QWidget *parent)
{
    auto *qmenu = new QMenu(menuTitle(QString::fromStdString(menu.Text())), parent);
    qmenu->setObjectName(QString::fromStdString(menu.Name()));
    QObject::connect(qmenu, &QMenu::aboutToShow, m_context.get(), [this] { runEnablingPass(); });
    for (const auto &child : menu.children()) {
        if (child->kind() == MenuItem::Kind::Menu)
            qmenu->addMenu(buildMenu(*child, qmenu));
        else if (child->kind() != MenuItem::Kind::AppleMenuItem || kHasApplicationMenu)
            qmenu->addAction(child->action());
    }
    return qmenu;
}

MenuItem *menuItem(std::string_view name)
{
    const Application *app = App();
    return app && app->menuBar() ? app->menuBar()->find(name) : nullptr;
}

void enableMenuItem(std::string_view name, bool enabled)
{
    if (MenuItem *found = menuItem(name))
        found->SetEnabled(enabled);
}

} // namespace fw
