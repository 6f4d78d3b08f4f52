#include "shell/handle_about_menu.h"

#include "battery_window/battery_wnd.h"
#include "battery_window/correlation_grid.h"
#include "converter_window/control_wnd.h"
#include "framework/implicit_window.h"
#include "report_window/report_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/menu.h"

namespace shell {

// Score Report is offered from the windows whose content it follows or
// explains: the converter and the Description window. The Battery Sheet
// from those, from the Score Report and from its correlation grid.
void HandleAboutMenu::EnableMenuItems()
{
    enableMenuItem(item::kAboutVex, true);
    const fw::Window *front = fw::Window::front();
    const QString name = front ? front->objectName() : QString();
    enableMenuItem(item::kReport, name == QLatin1String(ControlWnd::kClassName)
                                      || name == QLatin1String(DescriptionWnd::kClassName));
    enableMenuItem(item::kBattery, name == QLatin1String(ControlWnd::kClassName)
                                       || name == QLatin1String(DescriptionWnd::kClassName)
                                       || name == QLatin1String(report::ReportWnd::kClassName)
                                       || name == QLatin1String(battery::CorrelationGrid::kClassName));
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

bool HandleAboutMenu::_ReportMenuItem_Action()
{
    fw::implicitWindow<report::ReportWnd>()->Show();
    return false;
}

bool HandleAboutMenu::_BatteryMenuItem_Action()
{
    fw::implicitWindow<battery::BatteryWnd>()->Show();
    return false;
}

HandleAboutMenu *App()
{
    return dynamic_cast<HandleAboutMenu *>(fw::App());
}

} // namespace shell
