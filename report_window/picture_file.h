// The report's picture written to a file: SVG, PNG or PDF by the file
// name's extension, drawn by the same CurvePicture as the window.
#pragma once

#include <QSizeF>
#include <QString>

namespace report {

class CurvePicture;

struct PictureOptions {
    QSizeF size;              // the picture's size on screen, in device-independent pixels
    double fontPixels = 12;   // its text size there
    double pixelRatio = 1;    // the screen's device pixels per device-independent pixel
    QString title;
    QString description;      // the picture in words, for SVG readers
};

// Known extensions: "svg", "png", "pdf" (any case).
bool isPictureFormat(const QString &suffix);

// Empty when written; otherwise why not. A PNG has twice the on-screen
// resolution; SVG and PDF keep the on-screen size in their own units.
QString writePicture(const CurvePicture &picture, const QString &path, const PictureOptions &options);

} // namespace report
