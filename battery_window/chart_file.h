// The profile chart written to a file: SVG, PNG or PDF by the file name's
// extension, drawn by the same ProfileChart as the window and the page.
#pragma once

#include <QSizeF>
#include <QString>

namespace battery {

class ProfileChart;

struct ChartFileOptions {
    QSizeF size;            // on screen, in device-independent pixels
    double fontPixels = 12; // its text size there
    double pixelRatio = 1;  // device pixels per device-independent pixel
    QString title;
    QString description;    // the chart in words, for SVG readers
};

// Empty when written; otherwise why not, in words. Written whole or not at
// all: a failed save leaves an earlier file as it was.
QString writeChart(const ProfileChart &chart, const QString &path, const ChartFileOptions &options);

} // namespace battery
