// The application object. Its About handlers serve the About items that the
// front window leaves to it, it offers and opens the Score Report window and
// the Battery Sheet, and it keeps the application-menu About item available
// whatever window is in front.
#pragma once

#include "framework/application.h"

namespace shell {

class HandleAboutMenu : public fw::Application {
public:
    void EnableMenuItems() override;
    bool _AboutVex_Action();
    bool _AboutMenuItem_Action();
    bool _ReportMenuItem_Action();
    bool _BatteryMenuItem_Action();
};

// The one application object, or nullptr before start-up made it.
HandleAboutMenu *App();

} // namespace shell
