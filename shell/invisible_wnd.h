// The hidden start-up window. Opening it shows the About box as a splash
// box; its one-shot timer puts the box away and brings up the converter
// window. It is never shown and never closed.
#pragma once

#include "framework/window.h"

namespace shell {

class InvisibleWnd : public fw::Window {
    Q_OBJECT

public:
    static constexpr const char *kClassName = "InvisibleWnd";
    static constexpr int kSplashMilliseconds = 1500;

    void Layout() override;
    void CreateControls() override;
    void _CreateControls0();
    void Timer1_Action();
    void Open() override;
};

} // namespace shell
