#include "battery_window/chart_file.h"

#include "battery_window/profile_chart.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace battery {

namespace {

struct FileWords {
    Q_DECLARE_TR_FUNCTIONS(battery::ChartFile)
};

constexpr double kPngScale = 2; // sharp when printed or zoomed

bool paintOn(QPaintDevice &device, const ProfileChart &chart, const ChartFileOptions &options)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    chart.paint(painter, QRectF(QPointF(0, 0), options.size), options.fontPixels);
    return painter.end();
}

bool svg(const ProfileChart &chart, const ChartFileOptions &options, QIODevice &out)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(options.size.toSize());
    generator.setViewBox(QRectF(QPointF(0, 0), options.size));
    generator.setTitle(options.title);
    generator.setDescription(options.description);
    return paintOn(generator, chart, options);
}

bool png(const ProfileChart &chart, const ChartFileOptions &options, QIODevice &out)
{
    const double ratio = options.pixelRatio * kPngScale;
    QImage image(QSize(int(std::lround(options.size.width() * ratio)), int(std::lround(options.size.height() * ratio))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return false;
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return paintOn(image, chart, options) && image.save(&out, "PNG");
}

// One page the chart's size, a point to a pixel.
bool pdf(const ProfileChart &chart, const ChartFileOptions &options, QIODevice &out)
{
    QPdfWriter writer(&out);
    writer.setTitle(options.title);
    writer.setCreator(QStringLiteral("Quintaval"));
    writer.setResolution(72);
    writer.setPageSize(QPageSize(options.size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return paintOn(writer, chart, options);
}

} // namespace

QString writeChart(const ProfileChart &chart, const QString &path, const ChartFileOptions &options)
{
    const QString name = QFileInfo(path).fileName();
    const QString suffix = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    if (suffix == QLatin1String("svg"))
        drawn = svg(chart, options, buffer);
    else if (suffix == QLatin1String("png"))
        drawn = png(chart, options, buffer);
    else if (suffix == QLatin1String("pdf"))
        drawn = pdf(chart, options, buffer);
    else
        return FileWords::tr("%1: the chart can be saved as SVG, PNG or PDF; end the file name in .svg, .png or .pdf.")
            .arg(name);
    buffer.close();
    if (!drawn || bytes.isEmpty())
        return FileWords::tr("%1 could not be saved: the chart could not be drawn.").arg(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return FileWords::tr("%1 could not be saved: %2").arg(name, file.errorString());
    return {};
}

} // namespace battery
