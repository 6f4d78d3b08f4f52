#include "shell/invisible_wnd.h"

#include "battery_window/battery_wnd.h"
#include "converter_window/control_wnd.h"
#include "framework/application.h"
#include "framework/implicit_window.h"
#include "framework/timer.h"
#include "shell/about_wnd.h"

#include <utility>

namespace shell {

namespace {

QString &batteryAtStart()
{
    static QString s_path;
    return s_path;
}

} // namespace

void InvisibleWnd::openAtStart(const QString &battery)
{
    batteryAtStart() = battery;
}

void InvisibleWnd::Layout()
{
    if (fw::App())
        useMenuBar(fw::App()->menuBar());
    fw::WindowRecord record{QT_TRANSLATE_NOOP("shell::InvisibleWnd", "Untitled"), 64, 64};
    record.closeButton = false;
    record.frame = fw::Frame::Hidden;
    record.visible = false;
    // Never shown, so it builds no bar of its own: that would only measure
    // fonts before the splash box can show.
    record.menuBarVisible = false;
    applyRecord(record);
}

void InvisibleWnd::CreateControls()
{
    _CreateControls0();
}

void InvisibleWnd::_CreateControls0()
{
    fw::Timer *timer = addTimer("Timer1");
    timer->setMode(fw::Timer::Single);
    timer->setPeriod(kSplashMilliseconds);
    onAction("Timer1", [this] { Timer1_Action(); });
}

void InvisibleWnd::Open()
{
    fw::implicitWindow<AboutWnd>()->Show();
}

// Runs once. An About box the user opened meanwhile goes too.
void InvisibleWnd::Timer1_Action()
{
    if (fw::Window *about = fw::existingWindow(AboutWnd::kClassName))
        about->Hide();
    Hide();
    fw::implicitWindow<ControlWnd>()->Show();
    if (const QString path = std::exchange(batteryAtStart(), QString()); !path.isEmpty()) {
        auto *sheet = fw::implicitWindow<battery::BatteryWnd>();
        sheet->openFile(path);
        sheet->Show();
    }
}

} // namespace shell
