// A colour in layout tables. Unset means "the style's own colour", which a
// QColor cannot say in a constexpr table.
#pragma once

#include <QColor>

namespace fw {

struct Rgb {
    int red = -1;
    int green = 0;
    int blue = 0;

    constexpr bool isSet() const { return red >= 0; }
    QColor toQColor() const { return QColor(red, green, blue); }
};

constexpr Rgb rgb(int red, int green, int blue) { return Rgb{red, green, blue}; }

} // namespace fw
