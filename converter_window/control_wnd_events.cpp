// The converter window's own events and the menu commands it handles
// while it is in front.
#include "converter_window/control_wnd.h"

#include "converter_window/module1.h"
#include "converter_window/score_feed.h"
#include "framework/application.h"
#include "framework/implicit_window.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "shell/menu.h"

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
    fw::implicitWindow<shell::DescriptionWnd>()->Show();
    return false;
}

// Looked up without being made: activation must not put up an About box
// that does not exist.
void ControlWnd::Activate()
{
    if (fw::Window *about = fw::existingWindow(shell::AboutWnd::kClassName))
        about->Hide();
    Module1::dirty = "no";
}

void ControlWnd::Close()
{
    fw::Quit(0);
}

void ControlWnd::EnableMenuItems()
{
    shell::enableMenuItem(shell::item::kControl, false);
    shell::enableMenuItem(shell::item::kDescription, true);
    shell::enableMenuItem(shell::item::kAbout, true);
}

void ControlWnd::AddMenuHandlers()
{
    registerMenuHandler(shell::item::kDescription, [this] { return _DescriptionMenuItem_Action(); });
    registerMenuHandler(shell::item::kAboutVex, [this] { return _AboutVex_Action(); });
}

bool ControlWnd::_DescriptionMenuItem_Action()
{
    fw::implicitWindow<shell::DescriptionWnd>()->Show();
    return false;
}

bool ControlWnd::_AboutVex_Action()
{
    fw::implicitWindow<shell::AboutWnd>()->Show();
    return false;
}
