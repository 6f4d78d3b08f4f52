// A picture written to a file: SVG, PNG or PDF by the file name's
// extension, drawn by the same painting as the window shows, so the file
// never differs from the screen.
#pragma once

#include "text/read_files.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace fw {

struct PictureFileOptions {
    QSizeF size;           // the picture's size on screen, in device-independent pixels
    double pixelRatio = 1; // the screen's device pixels per device-independent pixel
    QString title;
    QString description;   // the picture in words, for SVG readers
};

// Paints the picture into the rectangle (the picture's size at the origin).
using PicturePainter = std::function<void(QPainter &painter, const QRectF &area)>;

// Known extensions: "svg", "png", "pdf" (any case).
bool isPictureFormat(const QString &suffix);

// Empty when written; otherwise why not, in words. A PNG has twice the
// on-screen resolution; SVG and PDF keep the on-screen size in their own
// units. Written whole or not at all, never onto one of `reads`: a failed
// save leaves an earlier file as it was.
QString writePicture(const QString &path, const PictureFileOptions &options, const PicturePainter &paint,
                     const text::ReadFiles &reads = {});

} // namespace fw
