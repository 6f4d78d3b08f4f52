// The picture's measures and colours, shared by its layout and its
// painting. Sizes are in font sizes (f).
#pragma once

#include "interpretation/interpretation.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <algorithm>
#include <cmath>

namespace report::curve {

// Okabe-Ito blue and orange, and greys: the parts differ in lightness as
// well as hue, so they read in greyscale and for colour-blind readers. All
// opaque: not every SVG reader or printer blends.
inline const QColor kBandShade(0xE1, 0xEA, 0xF3);
inline const QColor kBandPlain(0xF8, 0xF8, 0xF8);
inline const QColor kBandShadeUnder(0xC6, 0xCF, 0xD8); // the same bands under the curve
inline const QColor kBandPlainUnder(0xDC, 0xDC, 0xDC);
inline const QColor kBandEdge(0x8E, 0x9B, 0xA8);
inline const QColor kBandText(0x34, 0x44, 0x54);
inline const QColor kCurve(0x1A, 0x1A, 0x1A);
inline const QColor kInterval(0xE8, 0xB0, 0x3A);
inline const QColor kIntervalHatch(0x8A, 0x5A, 0x00);
inline const QColor kScore(0x00, 0x72, 0xB2);
inline const QColor kAxis(0x30, 0x30, 0x30);

constexpr double kPeak = 0.84;     // share of the curve's height the peak reaches
constexpr double kAxisRow = 2.1;   // in font sizes
constexpr double kStanineRow = 1.6;
constexpr double kGap = 0.6;
constexpr int kAxisCount = 4;
constexpr double kCurveWidth = 30; // the least room for the curve, in font sizes
constexpr double kCurveHeight = 10;
constexpr double kSmallestText = 0.75; // of the size asked for
constexpr double kScoreLineWidth = 0.24;

inline QFont sizedFont(double pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

} // namespace report::curve
