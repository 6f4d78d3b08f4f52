// The converter window: ten entry fields, Calculate and Clear, the title
// banner and the information icon. It keeps no data of its own: every
// handler reaches its controls by name at the moment of use, and the only
// shared state is Module1::dirty. The layout is a table of records
// (control_wnd_layout.cpp); the keystroke rule of the fields is one table
// (keystroke_rule.cpp); the window's own events and menu commands are in
// control_wnd_events.cpp.
#pragma once

#include "framework/window.h"

#include <string>

class ControlWnd : public fw::Window {
    Q_OBJECT

public:
    static constexpr const char *kClassName = "ControlWnd";

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void ClearBtn_Action();
    bool rawFld_KeyDown(const std::string &key);
    bool rawmeanFld_KeyDown(const std::string &key);
    bool rawsdFld_KeyDown(const std::string &key);
    bool zFld_KeyDown(const std::string &key);
    bool tFld_KeyDown(const std::string &key);
    bool wechslerFld_KeyDown(const std::string &key);
    bool nceFld_KeyDown(const std::string &key);
    bool greFld_KeyDown(const std::string &key);
    void CalculateBtn_Action();
    void Canvas1_MouseEnter();
    bool percentileFld_KeyDown(const std::string &key);
    bool Canvas2_MouseDown(int x, int y);
    bool agctFld_KeyDown(const std::string &key);
    void AddMenuHandlers() override;
    void Open() override;
    void Close() override;
    void Activate() override;
    void EnableMenuItems() override;
    bool _DescriptionMenuItem_Action();
    bool _AboutVex_Action();

private:
    void bindFieldKeys();
    void bindEvents();
    void setTabOrder();
};
