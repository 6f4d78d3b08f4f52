#include "framework/picture_file.h"

#include "framework/written_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace fw {

namespace {

constexpr double kPngScale = 2;

bool paintOn(QPaintDevice &device, const PicturePainter &picture, const PictureFileOptions &options)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    picture(painter, QRectF(QPointF(0, 0), options.size));
    return painter.end();
}

bool svg(const PicturePainter &picture, const PictureFileOptions &options, QIODevice &out)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(options.size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), options.size));
    generator.setTitle(options.title);
    generator.setDescription(options.description);
    return paintOn(generator, picture, options);
}

bool png(const PicturePainter &picture, const PictureFileOptions &options, QIODevice &out)
{
    const double ratio = options.pixelRatio * kPngScale;
    QImage image(QSize(static_cast<int>(std::lround(options.size.width() * ratio)),
                       static_cast<int>(std::lround(options.size.height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return false;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return paintOn(image, picture, options) && image.save(&out, "PNG");
}

// One page the picture's size, one point to a pixel.
bool pdf(const PicturePainter &picture, const PictureFileOptions &options, QIODevice &out)
{
    QPdfWriter writer(&out);
    writer.setTitle(options.title);
    writer.setCreator(QStringLiteral("Quintaval"));
    writer.setResolution(72);
    writer.setPageSize(QPageSize(options.size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return paintOn(writer, picture, options);
}

} // namespace

bool isPictureFormat(const QString &suffix)
{
    const QString lower = suffix.toLower();
    return lower == QLatin1String("svg") || lower == QLatin1String("png") || lower == QLatin1String("pdf");
}

QString writePicture(const QString &path, const PictureFileOptions &options, const PicturePainter &picture,
                     const text::ReadFiles &reads)
{
    const QString name = QFileInfo(path).fileName();
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!isPictureFormat(suffix))
        return QCoreApplication::translate("PictureFile", "%1: the picture can be saved as SVG, PNG or PDF; end "
                                                          "the file name in .svg, .png or .pdf.")
            .arg(name);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (suffix == QLatin1String("svg"))
        drawn = svg(picture, options, buffer);
    else if (suffix == QLatin1String("png"))
        drawn = png(picture, options, buffer);
    else
        drawn = pdf(picture, options, buffer);
    buffer.close();
    if (!drawn || bytes.isEmpty())
        return QCoreApplication::translate("PictureFile", "%1 could not be saved: the picture could not be drawn.")
            .arg(name);

    const FileWrite written = writeFile(path, reads, bytes);
    if (!written.written())
        return QCoreApplication::translate("PictureFile", "%1 could not be saved: %2").arg(name, written.why);
    return {};
}

} // namespace fw
