#include "framework/application.h"

#include "framework/implicit_window.h"
#include "framework/menu_bar.h"

#include <QApplication>

namespace fw {

namespace {

Application *s_app = nullptr;

std::function<void(int)> &quitHook()
{
    static std::function<void(int)> s_hook;
    return s_hook;
}

} // namespace

Application::Application()
{
    Q_ASSERT_X(!s_app, "fw::Application", "one application object only");
    s_app = this;
    // Closing the About box while it stands alone must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    if (s_app == this)
        s_app = nullptr;
}

void Application::setMenuBar(std::unique_ptr<MenuBar> bar)
{
    m_menuBar = std::move(bar);
}

void Application::registerMenuHandler(const std::string &itemName, std::function<bool()> handler)
{
    m_handlers.add(itemName, std::move(handler));
}

Application *App()
{
    return s_app;
}

void Quit(int code)
{
    if (!mayCloseAll())
        return;
    if (quitHook()) {
        quitHook()(code);
        return;
    }
    QCoreApplication::exit(code);
}

void setQuitHook(std::function<void(int code)> hook)
{
    quitHook() = std::move(hook);
}

} // namespace fw
