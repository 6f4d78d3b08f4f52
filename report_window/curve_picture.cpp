#include "report_window/curve_picture.h"

#include "interpretation/interpretation.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

// Okabe-Ito blue and orange, and greys: the parts differ in lightness as
// well as hue, so they read in greyscale and for colour-blind readers. All
// opaque: not every SVG reader or printer blends.
const QColor kBandShade(0xE1, 0xEA, 0xF3);
const QColor kBandPlain(0xF8, 0xF8, 0xF8);
const QColor kBandShadeUnder(0xC6, 0xCF, 0xD8); // the same bands under the curve
const QColor kBandPlainUnder(0xDC, 0xDC, 0xDC);
const QColor kBandEdge(0x8E, 0x9B, 0xA8);
const QColor kBandText(0x34, 0x44, 0x54);
const QColor kCurve(0x1A, 0x1A, 0x1A);
const QColor kInterval(0xE8, 0xB0, 0x3A);
const QColor kIntervalHatch(0x8A, 0x5A, 0x00);
const QColor kScore(0x00, 0x72, 0xB2);
const QColor kAxis(0x30, 0x30, 0x30);

constexpr double kPeak = 0.84; // share of the curve's height the peak reaches
constexpr double kAxisRow = 2.1;  // in font sizes
constexpr double kStanineRow = 1.6;
constexpr double kGap = 0.6;
constexpr int kAxisCount = 4;
constexpr double kCurveWidth = 30;  // the least room for the curve, in font sizes
constexpr double kCurveHeight = 10;
constexpr double kSmallestText = 0.75; // of the size asked for

const double kPercentileTicks[] = {1, 2, 5, 10, 16, 25, 50, 75, 84, 90, 95, 98, 99};

QFont sizedFont(double pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

// Minus signs as minus signs, plus signs on positive z.
QString signedNumber(double value, int decimals = 0)
{
    const double size = std::fabs(value);
    const QString digits = size < 1000 ? QString::number(size, 'f', decimals) : QString::number(size, 'g', 3);
    if (value < 0 && digits.toDouble() != 0)
        return QChar(0x2212) + digits;
    if (value > 0)
        return QLatin1Char('+') + digits;
    return digits;
}

QString nameOf(interpretation::ScaleId scale)
{
    const std::string_view name = interpretation::scaleName(scale);
    return QString::fromUtf8(name.data(), int(name.size()));
}

// The axes below the curve: these scales, then percentile ranks.
constexpr interpretation::ScaleId kLinearAxes[] = {
    interpretation::ScaleId::Z, interpretation::ScaleId::T, interpretation::ScaleId::Wechsler};
static_assert(std::size(kLinearAxes) + 1 == kAxisCount);

QString axisName(int row)
{
    if (row < int(std::size(kLinearAxes)))
        return nameOf(kLinearAxes[row]);
    return QStringLiteral("Percentile");
}

double leftMargin(double f)
{
    const QFontMetricsF metrics(sizedFont(f));
    double widest = metrics.horizontalAdvance(nameOf(interpretation::ScaleId::Stanine));
    for (int row = 0; row < kAxisCount; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(axisName(row)));
    return widest + 1.6 * f;
}

double bottomBlock(double f)
{
    return kGap * f + kAxisCount * kAxisRow * f + kGap * f + kStanineRow * f;
}

} // namespace

struct CurvePicture::Frame {
    QRectF area;
    double f = 10;
    double left = 0, right = 0;
    double curveTop = 0, baseline = 0;
    double axesTop = 0, stanineTop = 0;

    double x(double z) const { return left + (z - kLeftZ) / (kRightZ - kLeftZ) * (right - left); }
    double z(double x) const { return kLeftZ + (x - left) / (right - left) * (kRightZ - kLeftZ); }
    double y(double z) const
    {
        return baseline - std::exp(-z * z / 2) * kPeak * (baseline - curveTop);
    }
    QPainterPath under(double from, double to) const
    {
        QPainterPath path(QPointF(x(from), baseline));
        const int steps = std::max(2, static_cast<int>(std::ceil((to - from) / 0.02)));
        for (int i = 0; i <= steps; ++i) {
            const double z = from + (to - from) * i / steps;
            path.lineTo(x(z), y(z));
        }
        path.lineTo(x(to), baseline);
        path.closeSubpath();
        return path;
    }
};

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

QSizeF CurvePicture::minimumSize(double fontPixels)
{
    const double f = kSmallestText * fontPixels;
    return {leftMargin(f) + kCurveWidth * f, bottomBlock(f) + kCurveHeight * f};
}

void CurvePicture::paint(QPainter &painter, const QRectF &area, double fontPixels) const
{
    // In a small area the text grows smaller, down to a limit, rather than
    // leave the curve no room.
    if (!(fontPixels > 0) || area.isEmpty())
        return;
    const QSizeF wanted = minimumSize(fontPixels / kSmallestText);
    const double fit = std::min(area.width() / wanted.width(), area.height() / wanted.height());
    fontPixels *= std::clamp(fit, kSmallestText, 1.0);

    Frame frame;
    frame.area = area;
    frame.f = fontPixels;
    frame.left = area.left() + leftMargin(fontPixels);
    frame.right = area.right() - 1.4 * fontPixels;
    frame.curveTop = area.top() + 0.3 * fontPixels;
    frame.baseline = area.bottom() - bottomBlock(fontPixels);
    frame.axesTop = frame.baseline + kGap * fontPixels;
    frame.stanineTop = frame.axesTop + kAxisCount * kAxisRow * fontPixels + kGap * fontPixels;
    if (frame.right <= frame.left || frame.baseline <= frame.curveTop)
        return;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, Qt::white);
    paintBands(painter, frame);
    paintCurve(painter, frame);
    paintInterval(painter, frame);
    paintScore(painter, frame);
    paintAxes(painter, frame);
    paintStanines(painter, frame);
    painter.restore();
}

void CurvePicture::paintBands(QPainter &painter, const Frame &frame) const
{
    const double f = frame.f;
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const double from = i == 0 ? kLeftZ : std::max(kLeftZ, m_bands[i].fromZ);
        const double to = i + 1 < m_bands.size() ? std::min(kRightZ, m_bands[i + 1].fromZ) : kRightZ;
        if (!(to > from))
            continue;
        const QRectF band(QPointF(frame.x(from), frame.curveTop), QPointF(frame.x(to), frame.baseline));
        painter.fillRect(band, i % 2 ? kBandShade : kBandPlain);
        painter.fillPath(frame.under(from, to), i % 2 ? kBandShadeUnder : kBandPlainUnder);
        if (i > 0 && from > kLeftZ) {
            painter.setPen(QPen(kBandEdge, 0.08 * f, Qt::DashLine));
            painter.drawLine(band.topLeft(), band.bottomLeft());
        }

        paintBandLabel(painter, band, m_bands[i].label, f);
    }
}

// Across the band when it fits, on two lines when that fits, else up its
// side; smaller before it is cut short.
void CurvePicture::paintBandLabel(QPainter &painter, const QRectF &band, const QString &label, double f)
{
    painter.setPen(kBandText);
    const double room = band.width() - 0.4 * f;
    for (double size : {0.85 * f, 0.72 * f}) {
        const QFont font = sizedFont(size);
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        const QRectF top(band.left() + 0.2 * f, band.top() + 0.15 * f, room, 2.4 * metrics.height());
        const QRectF wrapped = metrics.boundingRect(top, Qt::TextWordWrap | Qt::AlignHCenter, label);
        if (metrics.horizontalAdvance(label) <= room) {
            painter.drawText(top, Qt::AlignHCenter | Qt::AlignTop, label);
            return;
        }
        if (wrapped.width() <= room && wrapped.height() <= 2.2 * metrics.height()) {
            painter.drawText(top, Qt::TextWordWrap | Qt::AlignHCenter | Qt::AlignTop, label);
            return;
        }
    }
    for (double size : {0.85 * f, 0.72 * f}) {
        const QFont font = sizedFont(size);
        const QFontMetricsF metrics(font);
        const double length = band.height() - 0.4 * f;
        const bool last = size < 0.8 * f;
        if (band.width() < metrics.height() || (!last && metrics.horizontalAdvance(label) > length))
            continue;
        painter.setFont(font);
        painter.save();
        painter.translate(band.center().x() + metrics.ascent() / 2 - metrics.descent() / 2,
                          band.top() + 0.2 * f);
        painter.rotate(90);
        painter.drawText(QPointF(0, 0), metrics.elidedText(label, Qt::ElideRight, length));
        painter.restore();
        return;
    }
}

void CurvePicture::paintCurve(QPainter &painter, const Frame &frame) const
{
    if (m_bands.empty())
        painter.fillPath(frame.under(kLeftZ, kRightZ), kBandPlainUnder);
    QPainterPath line(QPointF(frame.x(kLeftZ), frame.y(kLeftZ)));
    for (int i = 1; i <= 400; ++i) {
        const double z = kLeftZ + (kRightZ - kLeftZ) * i / 400;
        line.lineTo(frame.x(z), frame.y(z));
    }
    painter.setPen(QPen(kCurve, 0.14 * frame.f));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    painter.setPen(QPen(kAxis, 0.1 * frame.f));
    painter.drawLine(QPointF(frame.left, frame.baseline), QPointF(frame.right, frame.baseline));
}

void CurvePicture::paintInterval(QPainter &painter, const Frame &frame) const
{
    if (!m_interval)
        return;
    const double from = std::max(kLeftZ, m_interval->low);
    const double to = std::min(kRightZ, m_interval->high);
    if (!(to > from))
        return;
    const QPainterPath band = frame.under(from, to);
    painter.fillPath(band, kInterval);
    // Hatched as well as tinted, so the band reads in greyscale. Each hatch
    // line is cut to the band by walking it, not by a clip path, which SVG
    // output does not keep.
    painter.setPen(QPen(kIntervalHatch, 0.07 * frame.f, Qt::SolidLine, Qt::FlatCap));
    const double left = frame.x(from);
    const double right = frame.x(to);
    const double height = frame.baseline - frame.curveTop;
    const double step = 0.1 * frame.f;
    auto inside = [&frame](double x, double y) { return y >= frame.y(frame.z(x)); };
    for (double start = left - height; start < right; start += 0.55 * frame.f) {
        // The line rises at 45 degrees from (start, baseline).
        std::optional<double> enter;
        double last = 0;
        for (double x = std::max(left, start); x <= std::min(right, start + height); x += step) {
            const bool in = inside(x, frame.baseline - (x - start));
            if (in && !enter)
                enter = x;
            if (!in && enter) {
                painter.drawLine(QPointF(*enter, frame.baseline - (*enter - start)),
                                 QPointF(last, frame.baseline - (last - start)));
                enter.reset();
            }
            last = x;
        }
        if (enter && last > *enter)
            painter.drawLine(QPointF(*enter, frame.baseline - (*enter - start)),
                             QPointF(last, frame.baseline - (last - start)));
    }
    painter.setPen(QPen(kIntervalHatch, 0.1 * frame.f));
    painter.drawLine(QPointF(frame.x(from), frame.baseline), QPointF(frame.x(from), frame.y(from)));
    painter.drawLine(QPointF(frame.x(to), frame.baseline), QPointF(frame.x(to), frame.y(to)));

    const QFont font = sizedFont(0.85 * frame.f, true);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(m_interval->label) + 0.6 * frame.f;
    const double centre = std::clamp((frame.x(from) + frame.x(to)) / 2, frame.left + width / 2,
                                     frame.right - width / 2);
    const QRectF box(centre - width / 2, frame.baseline - 1.3 * metrics.height(), width,
                     metrics.height() * 1.1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 0.2 * frame.f, 0.2 * frame.f);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, m_interval->label);
}

void CurvePicture::paintScore(QPainter &painter, const Frame &frame) const
{
    const Marker shown = marker();
    if (shown == Marker::None)
        return;
    const double f = frame.f;
    const QFont font = sizedFont(f, true);
    const QFontMetricsF metrics(font);
    QString label = m_score->label;
    if (shown != Marker::Line)
        label += QStringLiteral(", z ") + signedNumber(m_score->z, 2);
    const double width = metrics.horizontalAdvance(label) + 0.8 * f;
    const double height = metrics.height() + 0.4 * f;
    const double top = frame.curveTop + 0.28 * (frame.baseline - frame.curveTop);
    painter.setPen(QPen(kScore, 0.24 * f, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(kScore);

    double boxLeft;
    if (shown == Marker::Line) {
        const double x = frame.x(m_score->z);
        painter.drawLine(QPointF(x, frame.baseline), QPointF(x, frame.curveTop + 0.1 * f));
        boxLeft = x + 0.4 * f + width <= frame.right ? x + 0.4 * f : x - 0.4 * f - width;
    } else {
        // An arrow at the edge, pointing to where the score lies.
        const double dir = shown == Marker::ArrowRight ? 1 : -1;
        const double tip = shown == Marker::ArrowRight ? frame.right : frame.left;
        const double y = top + height / 2;
        const double head = 0.9 * f;
        painter.drawLine(QPointF(tip - dir * 3 * f, y), QPointF(tip - dir * head, y));
        QPolygonF arrow;
        arrow << QPointF(tip, y) << QPointF(tip - dir * head, y - 0.55 * f)
              << QPointF(tip - dir * head, y + 0.55 * f);
        painter.setPen(Qt::NoPen);
        painter.drawPolygon(arrow);
        boxLeft = dir > 0 ? tip - 3.3 * f - width : tip + 3.3 * f;
    }
    boxLeft = std::clamp(boxLeft, frame.area.left(), std::max(frame.area.left(), frame.right - width));
    const QRectF box(boxLeft, top, width, height);
    painter.setPen(QPen(kScore, 0.12 * f));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, 0.25 * f, 0.25 * f);
    painter.setFont(font);
    painter.setPen(kScore.darker(130));
    painter.drawText(box, Qt::AlignCenter, label);
}

void CurvePicture::paintAxes(QPainter &painter, const Frame &frame) const
{
    const double f = frame.f;
    const QFont font = sizedFont(0.9 * f);
    const QFontMetricsF metrics(font);
    const QFont nameFont = sizedFont(0.9 * f, true);
    for (int row = 0; row < kAxisCount; ++row) {
        const double y = frame.axesTop + row * kAxisRow * f;
        const double textTop = y + 0.4 * f;
        painter.setPen(QPen(kAxis, 0.08 * f));
        painter.drawLine(QPointF(frame.left, y), QPointF(frame.right, y));
        painter.setFont(nameFont);
        painter.drawText(QRectF(frame.area.left(), textTop, frame.left - frame.area.left() - 1.1 * f,
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, axisName(row));

        std::vector<std::pair<double, QString>> ticks;
        if (row < int(std::size(kLinearAxes))) {
            // A tick at every whole z, labelled as the scale writes it.
            const conversion::Scale &scale = interpretation::scaleRow(kLinearAxes[row]);
            const bool signedScale = scale.mask.substr(0, 1) == "+";
            for (int z = -4; z <= 4; ++z) {
                const double value = z * scale.sd + scale.mean;
                ticks.emplace_back(z, signedScale ? signedNumber(value) : QString::number(value));
            }
        } else {
            for (double p : kPercentileTicks)
                ticks.emplace_back(interpretation::inverseNormal(p / 100), QString::number(p));
        }
        painter.setFont(font);
        double lastRight = -1e300;
        for (const auto &[z, text] : ticks) {
            const double x = frame.x(z);
            painter.drawLine(QPointF(x, y), QPointF(x, y + 0.35 * f));
            const double width = metrics.horizontalAdvance(text);
            if (x - width / 2 < lastRight + 0.3 * f)
                continue; // a crowded tick keeps its mark but not its number
            painter.drawText(QRectF(x - width / 2 - f, textTop, width + 2 * f, metrics.height()),
                             Qt::AlignHCenter | Qt::AlignVCenter, text);
            lastRight = x + width / 2;
        }
    }
}

void CurvePicture::paintStanines(QPainter &painter, const Frame &frame) const
{
    const double f = frame.f;
    const double height = kStanineRow * f;
    const QFont font = sizedFont(0.9 * f);
    painter.setFont(sizedFont(0.9 * f, true));
    painter.setPen(kAxis);
    painter.drawText(QRectF(frame.area.left(), frame.stanineTop, frame.left - frame.area.left() - 1.1 * f,
                            height),
                     Qt::AlignRight | Qt::AlignVCenter,
                     nameOf(interpretation::ScaleId::Stanine));
    painter.setFont(font);
    // Stanine k holds the z of k - 0.5 up to that of k + 0.5; the end bands run on.
    const conversion::Scale &bands = interpretation::scaleRow(interpretation::ScaleId::Stanine);
    for (int stanine = int(bands.lowest); stanine <= int(bands.highest); ++stanine) {
        const double from = stanine == int(bands.lowest) ? kLeftZ : (stanine - 0.5 - bands.mean) / bands.sd;
        const double to = stanine == int(bands.highest) ? kRightZ : (stanine + 0.5 - bands.mean) / bands.sd;
        const QRectF box(QPointF(frame.x(from), frame.stanineTop),
                         QPointF(frame.x(to), frame.stanineTop + height));
        painter.setPen(QPen(kAxis, 0.08 * f));
        painter.setBrush(stanine % 2 ? kBandShade : kBandPlain);
        painter.drawRect(box);
        painter.drawText(box, Qt::AlignCenter, QString::number(stanine));
    }
}

} // namespace report
