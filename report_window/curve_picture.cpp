#include "report_window/curve_picture.h"

#include "framework/language.h"
#include "report_window/curve_style.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace report {

namespace {

using namespace curve;
using Geometry = CurvePicture::Geometry;

QPainterPath under(const Geometry &g, double from, double to)
{
    QPainterPath path(QPointF(g.x(from), g.baseline));
    const int steps = std::max(2, static_cast<int>(std::ceil((to - from) / 0.02)));
    for (int i = 0; i <= steps; ++i) {
        const double z = from + (to - from) * i / steps;
        path.lineTo(g.x(z), g.y(z));
    }
    path.lineTo(g.x(to), g.baseline);
    path.closeSubpath();
    return path;
}

QString signedZ(double z)
{
    const QString digits = fw::writtenNumber(QString::number(std::fabs(z), 'f', 2));
    if (digits == fw::writtenNumber(QStringLiteral("0.00")))
        return digits;
    return (z < 0 ? QString(QChar(0x2212)) : QStringLiteral("+")) + digits;
}

} // namespace

void CurvePicture::setScore(double z, const QString &label)
{
    m_score = Score{z, label};
}

void CurvePicture::clearScore()
{
    m_score.reset();
}

void CurvePicture::setInterval(double lowZ, double highZ, const QString &label)
{
    m_interval = Interval{lowZ, highZ, label};
}

CurvePicture::Marker CurvePicture::marker() const
{
    if (!m_score || std::isnan(m_score->z))
        return Marker::None;
    if (m_score->z < kLeftZ)
        return Marker::ArrowLeft;
    if (m_score->z > kRightZ)
        return Marker::ArrowRight;
    return Marker::Line;
}

QString CurvePicture::scoreText() const
{
    if (!m_score)
        return QString();
    const QString z = QCoreApplication::translate("CurvePicture", "z %1").arg(signedZ(m_score->z));
    if (m_score->label.isEmpty())
        return z;
    return marker() == Marker::Line ? m_score->label : m_score->label + QStringLiteral(", ") + z;
}

void CurvePicture::paint(QPainter &painter, const QRectF &area, double fontPixels) const
{
    const Geometry g = geometry(area, fontPixels);
    if (g.area.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    paintBands(painter, g);
    paintCurve(painter, g);
    paintInterval(painter, g);
    paintScore(painter, g);
    paintAxes(painter, g);
    for (const Text &text : g.texts) {
        const QColor colour = text.part == Part::BandName ? kBandText
            : text.part == Part::ScoreLabel               ? kScore.darker(130)
            : text.part == Part::IntervalLabel            ? QColor(Qt::black)
                                                          : kAxis;
        paintText(painter, text, colour);
    }
    painter.restore();
}

void CurvePicture::paintText(QPainter &painter, const Text &text, const QColor &colour)
{
    const QFont font = sizedFont(text.pixels, text.bold);
    painter.setFont(font);
    painter.setPen(colour);
    // A hair wider than measured, so the text wraps as it was measured.
    painter.drawText(text.box.adjusted(-1, 0, 1, 0), text.flags, text.text);
}

void CurvePicture::paintBands(QPainter &painter, const Geometry &g) const
{
    for (std::size_t i = 0; i < g.bands.size(); ++i) {
        const QRectF &band = g.bands[i];
        if (band.isEmpty())
            continue;
        painter.fillRect(band, i % 2 ? kBandShade : kBandPlain);
        painter.fillPath(under(g, g.z(band.left()), g.z(band.right())), i % 2 ? kBandShadeUnder : kBandPlainUnder);
        if (i > 0 && band.left() > g.left) {
            painter.setPen(QPen(kBandEdge, 0.08 * g.f, Qt::DashLine));
            painter.drawLine(band.topLeft(), band.bottomLeft());
        }
    }
}

void CurvePicture::paintCurve(QPainter &painter, const Geometry &g) const
{
    if (m_bands.empty())
        painter.fillPath(under(g, kLeftZ, kRightZ), kBandPlainUnder);
    QPainterPath line(QPointF(g.x(kLeftZ), g.y(kLeftZ)));
    for (int i = 1; i <= 400; ++i) {
        const double z = kLeftZ + (kRightZ - kLeftZ) * i / 400;
        line.lineTo(g.x(z), g.y(z));
    }
    painter.setPen(QPen(kCurve, 0.14 * g.f));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.setPen(QPen(kAxis, 0.1 * g.f));
    painter.drawLine(QPointF(g.left, g.baseline), QPointF(g.right, g.baseline));
}

void CurvePicture::paintInterval(QPainter &painter, const Geometry &g) const
{
    if (!g.intervalBand)
        return;
    const double left = g.intervalBand->left();
    const double right = g.intervalBand->right();
    painter.fillPath(under(g, g.z(left), g.z(right)), kInterval);
    // Hatched as well as tinted, so the band reads in greyscale. Each hatch
    // line is cut to the band by walking it, not by a clip path, which SVG
    // output does not keep.
    painter.setPen(QPen(kIntervalHatch, 0.07 * g.f, Qt::SolidLine, Qt::FlatCap));
    const double height = g.baseline - g.curveTop;
    const double step = 0.1 * g.f;
    auto inside = [&g](double x, double y) { return y >= g.y(g.z(x)); };
    for (double start = left - height; start < right; start += 0.55 * g.f) {
        // The line rises at 45 degrees from (start, baseline).
        std::optional<double> enter;
        double last = 0;
        for (double x = std::max(left, start); x <= std::min(right, start + height); x += step) {
            const bool in = inside(x, g.baseline - (x - start));
            if (in && !enter)
                enter = x;
            if (!in && enter) {
                painter.drawLine(QPointF(*enter, g.baseline - (*enter - start)),
                                 QPointF(last, g.baseline - (last - start)));
                enter.reset();
            }
            last = x;
        }
        if (enter && last > *enter)
            painter.drawLine(QPointF(*enter, g.baseline - (*enter - start)),
                             QPointF(last, g.baseline - (last - start)));
    }
    painter.setPen(QPen(kIntervalHatch, 0.1 * g.f));
    painter.drawLine(QPointF(left, g.baseline), QPointF(left, g.y(g.z(left))));
    painter.drawLine(QPointF(right, g.baseline), QPointF(right, g.y(g.z(right))));
    if (g.intervalBox) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(*g.intervalBox, 0.2 * g.f, 0.2 * g.f);
    }
}

void CurvePicture::paintScore(QPainter &painter, const Geometry &g) const
{
    const double f = g.f;
    painter.setPen(QPen(kScore, kScoreLineWidth * f, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(kScore);
    if (g.scoreLine) {
        const double x = g.scoreLine->center().x();
        painter.drawLine(QPointF(x, g.scoreLine->bottom()), QPointF(x, g.scoreLine->top()));
    }
    if (g.arrow) {
        const QPolygonF &arrow = *g.arrow;
        const QPointF tip = arrow[0];
        painter.drawLine(QPointF(arrow[2].x(), tip.y()), QPointF(arrow[1].x(), tip.y()));
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(QPolygonF({tip, arrow[1], arrow[4]}));
    }
    if (g.scoreBox) {
        painter.setPen(QPen(kScore, 0.12 * f));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(*g.scoreBox, 0.25 * f, 0.25 * f);
    }
}

void CurvePicture::paintAxes(QPainter &painter, const Geometry &g) const
{
    const double f = g.f;
    painter.setPen(QPen(kAxis, 0.08 * f));
    for (std::size_t row = 0; row < g.ticks.size(); ++row) {
        const double y = g.axesTop + double(row) * g.axisRow;
        painter.drawLine(QPointF(g.left, y), QPointF(g.right, y));
        for (const Tick &tick : g.ticks[row])
            painter.drawLine(QPointF(tick.x, y), QPointF(tick.x, y + 0.35 * f));
    }
    for (std::size_t stanine = 0; stanine < g.stanines.size(); ++stanine) {
        painter.setPen(QPen(kAxis, 0.08 * f));
        painter.setBrush(stanine % 2 ? kBandPlain : kBandShade);
        painter.drawRect(g.stanines[stanine]);
    }
}

} // namespace report
