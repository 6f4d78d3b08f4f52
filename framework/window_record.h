// The properties of a window as data, applied by Window::applyRecord() from
// the window's Layout() hook.
#pragma once

#include "framework/rgb.h"

#include <string_view>

namespace fw {

enum class Frame {
    Document, // ordinary window with a title bar
    Hidden,   // a window that is never shown
    PlainBox, // a box without title bar (the About box)
};

struct WindowRecord {
    std::string_view title = {};
    int width = 0;  // of the content area, below any menu bar
    int height = 0;
    Rgb background = {}; // unset: the style's window colour
    bool resizable = false;
    int minWidth = 64;
    int minHeight = 64;
    int maxWidth = 32000;
    int maxHeight = 32000;
    bool closeButton = true;
    bool minimizeButton = true;
    bool maximizeButton = false;
    Frame frame = Frame::Document;
    bool visible = true;
    bool menuBarVisible = true;
};

} // namespace fw
