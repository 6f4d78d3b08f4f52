// The converter window's own events and the menu commands it handles
// while it is in front.
#include "converter_window/control_wnd.h"

#include "converter_window/module1.h"

void ControlWnd::ClearBtn_Action()
{
    for (const char *field : {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld", "wechslerFld",
                              "nceFld", "greFld", "percentileFld", "agctFld"})
        SetText(field, std::string());
    Module1::dirty = "no";
    SetVisible("boundtext", false);
    SetFocus("rawFld");
}

void ControlWnd::Canvas1_MouseEnter()
{
}

bool ControlWnd::Canvas2_MouseDown(int, int)
{
    return false;
}

void ControlWnd::Activate()
{
    Module1::dirty = "no";
}

void ControlWnd::Close()
{
}

void ControlWnd::EnableMenuItems()
{
}

void ControlWnd::AddMenuHandlers()
{
}

bool ControlWnd::_DescriptionMenuItem_Action()
{
    return false;
}

bool ControlWnd::_AboutVex_Action()
{
    return false;
}
