// The Description window: the program's description with the table of
// scales, in a styled field the user may edit for as long as the window
// lives, and the print routine for that text.
#pragma once

#include "framework/window.h"

namespace shell {

class DescriptionWnd : public fw::Window {
    Q_OBJECT

public:
    static constexpr const char *kClassName = "DescriptionWnd";

    void Layout() override;
    void CreateControls() override;
    void AddMenuHandlers() override;
    void Open() override;
    void EnableMenuItems() override;
    bool _ControlMenuItem_Action();
    bool _AboutMenuItem_Action();
    bool _Print_Action();
};

} // namespace shell
