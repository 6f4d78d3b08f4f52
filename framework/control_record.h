// The controls of a window as data: one record per control, created in
// table order by Window::createControls(), so later rows lie above earlier
// ones. Positions are always in content-area coordinates, also for the
// children of a rectangle.
#pragma once

#include "framework/rgb.h"

#include <string_view>

namespace fw {

enum class ControlKind {
    Rectangle,  // bevelled frame: 2 px border, light top/left, dark bottom/right
    PushButton, // never default; a click does not take the focus
    EntryField, // single line, typing limit, key handler
    Label,      // static text; "\r" breaks the line
    Canvas,     // shows a picture by number; takes no focus
    TextArea,   // multi-line, plain or styled, vertical scroll bar only
};

enum class Align { Left, Center, Right };

struct Font {
    std::string_view family = "System"; // "System": the platform's UI font
    int pointSize = 12;
    bool bold = false;
};

struct ControlRecord {
    std::string_view name = {};
    ControlKind kind = ControlKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string_view text = {};
    Font font = {};
    Align align = Align::Left;
    Rgb textColour = {};        // unset: black
    int limit = 0;              // characters the user may type; 0: no limit
    std::string_view parent = {};  // a control created earlier; empty: the window
    bool visible = true;
    int picture = 0;            // canvases: picture number; 0: none
    Rgb fill = {};              // rectangles: unset white
    Rgb borderTopLeft = {};     // rectangles: unset (204,204,204)
    Rgb borderBottomRight = {}; // rectangles: unset (102,102,102)
    bool styled = false;        // text areas: bold runs allowed
    bool readOnly = false;      // text areas
    bool lockedToEdges = false; // text areas: resize with the window
    bool focusRing = true;      // entry fields
    std::string_view accessibleName = {};
};

} // namespace fw
