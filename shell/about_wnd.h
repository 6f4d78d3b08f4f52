// The About box: a small untitled white box with the title picture, a
// badge and a notice. It stands as the splash box at start-up and is shown
// again by the About items; any key or click puts it away and brings the
// converter window forward.
#pragma once

#include "framework/window.h"

namespace shell {

class AboutWnd : public fw::Window {
    Q_OBJECT

public:
    static constexpr const char *kClassName = "AboutWnd";

    void Layout() override;
    void CreateControls() override;
    bool KeyDown(const std::string &key) override;
    bool MouseDown(int x, int y) override;

private:
    void putWords();
    void dismiss();
};

} // namespace shell
