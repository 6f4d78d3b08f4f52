#include "shell/handle_about_menu.h"

#include "framework/implicit_window.h"
#include "report_window/report_wnd.h"
#include "shell/about_wnd.h"
#include "shell/menu.h"

namespace shell {

void HandleAboutMenu::EnableMenuItems()
{
    enableMenuItem(item::kAboutVex, true);
}

bool HandleAboutMenu::_AboutVex_Action()
{
    fw::implicitWindow<AboutWnd>()->Show();
    return false;
}

bool HandleAboutMenu::_AboutMenuItem_Action()
{
    fw::implicitWindow<AboutWnd>()->Show();
    return false;
}

// Enabled by the converter and Description windows only, so one handler
// serves both.
bool HandleAboutMenu::_ReportMenuItem_Action()
{
    fw::implicitWindow<report::ReportWnd>()->Show();
    return false;
}

HandleAboutMenu *App()
{
    return dynamic_cast<HandleAboutMenu *>(fw::App());
}

} // namespace shell
