// The converter window's own events and the menu commands it handles
// while it is in front. The About and Description windows and the menu
// items belong to the shell; they are reached by name, so that this window
// does not depend on the program that uses it.
#include "converter_window/control_wnd.h"

#include "converter_window/module1.h"
#include "converter_window/score_feed.h"
#include "framework/application.h"
#include "framework/implicit_window.h"
#include "framework/menu_bar.h"

namespace {

constexpr const char *kAboutWnd = "AboutWnd";
constexpr const char *kDescriptionWnd = "DescriptionWnd";

constexpr const char *kControlMenuItem = "ControlMenuItem";
constexpr const char *kDescriptionMenuItem = "DescriptionMenuItem";
constexpr const char *kAboutMenuItem = "AboutMenuItem";
constexpr const char *kAboutVex = "AboutVex";

void showWindow(const char *windowClass)
{
    if (fw::Window *window = fw::implicitWindow(windowClass))
        window->Show();
}

} // namespace

void ControlWnd::ClearBtn_Action()
{
    for (const char *field : {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "wechslerFld",
                              "nceFld", "greFld", "percentileFld", "agctFld"})
        SetText(field, std::string());
    Module1::dirty = "no";
    SetVisible("boundtext", false);
    SetFocus("rawFld");
    ScoreFeed::instance().clear();
}

void ControlWnd::Canvas1_MouseEnter()
{
}

bool ControlWnd::Canvas2_MouseDown(int, int)
{
    showWindow(kDescriptionWnd);
    return false;
}

// Typing can start at once, without a click in a field.
void ControlWnd::Open()
{
    SetFocus("rawFld");
}

// Looked up without being made: activation must not put up an About box
// that does not exist.
void ControlWnd::Activate()
{
    if (fw::Window *about = fw::existingWindow(kAboutWnd))
        about->Hide();
    Module1::dirty = "no";
}

void ControlWnd::Close()
{
    fw::Quit(0);
}

void ControlWnd::EnableMenuItems()
{
    fw::enableMenuItem(kControlMenuItem, false);
    fw::enableMenuItem(kDescriptionMenuItem, true);
    fw::enableMenuItem(kAboutMenuItem, true);
}

void ControlWnd::AddMenuHandlers()
{
    registerMenuHandler(kDescriptionMenuItem, [this] { return _DescriptionMenuItem_Action(); });
    registerMenuHandler(kAboutVex, [this] { return _AboutVex_Action(); });
}

bool ControlWnd::_DescriptionMenuItem_Action()
{
    showWindow(kDescriptionWnd);
    return false;
}

bool ControlWnd::_AboutVex_Action()
{
    showWindow(kAboutWnd);
    return false;
}
