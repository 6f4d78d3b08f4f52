// The hidden start-up window. Opening it shows the About box as a splash
// box; its one-shot timer puts the box away and brings up the converter
// window, and the Battery Sheet with a file when the command line named
// one. It is never shown and never closed.
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

    // A battery file the Battery Sheet opens after the converter window.
    static void openAtStart(const QString &battery);
};

} // namespace shell
