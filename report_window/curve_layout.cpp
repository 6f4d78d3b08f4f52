// Where every part of the picture goes for one area: the curve's frame,
// the bands and their names, the score, the interval, the axes and the
// stanines. Labels that could meet are placed in turn, each at the first
// of its candidate places where it meets nothing placed before it.
#include "report_window/curve_picture.h"

#include "report_window/core_words.h"
#include "report_window/curve_style.h"

#include <QCoreApplication>
#include <QFontMetricsF>

#include <algorithm>
#include <utility>
#include <vector>

namespace report {

namespace {

using namespace curve;
using Geometry = CurvePicture::Geometry;
using Part = CurvePicture::Part;

const double kPercentileTicks[] = {1, 2, 5, 10, 16, 25, 50, 75, 84, 90, 95, 98, 99};

// Minus signs as minus signs, plus signs on positive values.
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
    return scaleTitle(scale);
}

// The axes below the curve: these scales, then percentile ranks.
constexpr interpretation::ScaleId kLinearAxes[] = {
    interpretation::ScaleId::Z, interpretation::ScaleId::T, interpretation::ScaleId::Wechsler};
static_assert(std::size(kLinearAxes) + 1 == kAxisCount);

QString axisName(int row)
{
    if (row < int(std::size(kLinearAxes)))
        return nameOf(kLinearAxes[row]);
    return QCoreApplication::translate("CurvePicture", "Percentile");
}

double leftMargin(double f)
{
    const QFontMetricsF metrics(sizedFont(0.9 * f, true));
    double widest = metrics.horizontalAdvance(nameOf(interpretation::ScaleId::Stanine));
    for (int row = 0; row < kAxisCount; ++row)
        widest = std::max(widest, metrics.horizontalAdvance(axisName(row)));
    return widest + 1.6 * f;
}

double bottomBlock(double f)
{
    return kGap * f + kAxisCount * kAxisRow * f + kGap * f + kStanineRow * f;
}

// Whether a label may go at box: inside the curve's room and clear of
// every label and mark placed so far.
bool isClear(const QRectF &box, const Geometry &g)
{
    const double pad = 0.15 * g.f;
    if (box.left() < g.area.left() || box.right() > g.area.right() || box.top() < g.curveTop
        || box.bottom() > g.baseline)
        return false;
    const QRectF wide = box.adjusted(-pad, -pad, pad, pad);
    for (const CurvePicture::Text &text : g.texts)
        if (wide.intersects(text.box))
            return false;
    for (const auto &mark : {g.scoreLine, g.scoreBox, g.intervalBox})
        if (mark && wide.intersects(*mark))
            return false;
    return !(g.arrow && wide.intersects(g.arrow->boundingRect()));
}

// Heights to try, from the one wanted outwards in half-box steps, all
// within the curve's room.
std::vector<double> heightsFrom(double wanted, double height, const Geometry &g)
{
    const double lowest = g.curveTop;
    const double highest = g.baseline - height;
    if (highest < lowest)
        return {};
    wanted = std::clamp(wanted, lowest, highest);
    const double step = height / 2;
    std::vector<double> tops{wanted};
    for (int k = 1; wanted + k * step <= highest || wanted - k * step >= lowest; ++k)
        for (const double top : {wanted + k * step, wanted - k * step})
            if (top >= lowest && top <= highest)
                tops.push_back(top);
    return tops;
}

} // namespace

double CurvePicture::Geometry::y(double z) const
{
    return baseline - std::exp(-z * z / 2) * kPeak * (baseline - curveTop);
}

QSizeF CurvePicture::minimumSize(double fontPixels)
{
    const double f = kSmallestText * fontPixels;
    return {leftMargin(f) + kCurveWidth * f, bottomBlock(f) + kCurveHeight * f};
}

CurvePicture::Geometry CurvePicture::geometry(const QRectF &area, double fontPixels) const
{
    Geometry g;
    if (!(fontPixels > 0) || area.isEmpty())
        return g;
    // In a small area the text grows smaller, down to a limit, rather than
    // leave the curve no room.
    const QSizeF wanted = minimumSize(fontPixels / kSmallestText);
    const double fit = std::min(area.width() / wanted.width(), area.height() / wanted.height());
    const double f = fontPixels * std::clamp(fit, kSmallestText, 1.0);
    g.area = area;
    g.f = f;
    g.left = area.left() + leftMargin(f);
    g.right = area.right() - 1.4 * f;
    g.curveTop = area.top() + 0.3 * f;
    g.baseline = area.bottom() - bottomBlock(f);
    g.axesTop = g.baseline + kGap * f;
    g.axisRow = kAxisRow * f;
    g.stanineTop = g.axesTop + kAxisCount * g.axisRow + kGap * f;
    g.stanineHeight = kStanineRow * f;
    if (g.right <= g.left || g.baseline <= g.curveTop)
        return Geometry{};
    placeBands(g);
    placeScoreLine(g);
    placeInterval(g);
    placeScoreLabel(g);
    placeAxes(g);
    placeStanines(g);
    return g;
}

namespace {

// Where a band's name may break within a word: after the parts German
// compounds its names of ("Unter-durch-schnittlich", "Grenz-bereich").
std::vector<qsizetype> breaksIn(const QString &word)
{
    static const QString kParts[] = {QStringLiteral("unter"), QStringLiteral("\u00fcber"), QStringLiteral("ober"),
                                     QStringLiteral("durch"), QStringLiteral("grenz")};
    const QString lower = word.toLower();
    std::vector<qsizetype> at;
    for (const QString &part : kParts)
        for (qsizetype i = lower.indexOf(part); i >= 0; i = lower.indexOf(part, i + 1))
            if (word.size() - (i + part.size()) >= 4)
                at.push_back(i + part.size());
    std::sort(at.begin(), at.end());
    return at;
}

} // namespace

QStringList bandNameLines(const QString &label, const QFontMetricsF &metrics, double room)
{
    auto fits = [&](const QString &text) { return metrics.horizontalAdvance(text) <= room; };
    QStringList lines;
    QString line;
    for (QString rest : label.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        while (!rest.isEmpty()) {
            const QString before = line.isEmpty() ? QString() : line + QLatin1Char(' ');
            if (fits(before + rest)) {
                line = before + rest;
                break;
            }
            qsizetype best = 0;
            for (qsizetype at : breaksIn(rest))
                if (fits(before + rest.left(at) + QLatin1Char('-')))
                    best = at;
            if (best > 0) {
                lines << before + rest.left(best) + QLatin1Char('-');
                line.clear();
                rest = rest.mid(best);
            } else if (line.isEmpty()) {
                return {};
            } else {
                lines << line;
                line.clear();
            }
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

// Each name across its band: on one line or two where words wrap, else
// hyphenated within a word, smaller, on up to three lines; cut short only
// where not even that fits. Never down its side, which no one reads.
void CurvePicture::placeBands(Geometry &g) const
{
    const double f = g.f;
    for (std::size_t i = 0; i < m_bands.size(); ++i) {
        const double from = i == 0 ? kLeftZ : std::max(kLeftZ, m_bands[i].fromZ);
        const double to = i + 1 < m_bands.size() ? std::min(kRightZ, m_bands[i + 1].fromZ) : kRightZ;
        if (!(to > from)) {
            g.bands.emplace_back();
            continue;
        }
        const QRectF band(QPointF(g.x(from), g.curveTop), QPointF(g.x(to), g.baseline));
        g.bands.push_back(band);
        const QString &label = m_bands[i].label;
        const double room = band.width() - 0.4 * f;
        const int flags = Qt::AlignHCenter | Qt::AlignTop;
        bool placed = false;
        for (double size : {0.85 * f, 0.72 * f}) {
            const QFontMetricsF metrics(sizedFont(size));
            const QRectF top(band.left() + 0.2 * f, band.top() + 0.15 * f, room, 2.4 * metrics.height());
            const QRectF wrapped = metrics.boundingRect(top, Qt::TextWordWrap | Qt::AlignHCenter, label);
            if (metrics.horizontalAdvance(label) <= room || (wrapped.width() <= room && wrapped.height() <= 2.2 * metrics.height())) {
                g.texts.push_back({Part::BandName, label, wrapped, size, false, flags | Qt::TextWordWrap});
                placed = true;
                break;
            }
        }
        for (const auto &[size, most] : {std::pair{0.85 * f, 2}, {0.72 * f, 2}, {0.6 * f, 3}}) {
            if (placed || room <= 0)
                break;
            const QFontMetricsF metrics(sizedFont(size));
            const QStringList lines = bandNameLines(label, metrics, room);
            if (lines.isEmpty() || lines.size() > most || lines.size() * metrics.height() > band.height() / 2)
                continue;
            const QString text = lines.join(QLatin1Char('\n'));
            const QRectF top(band.left() + 0.2 * f, band.top() + 0.15 * f, room, lines.size() * metrics.height());
            g.texts.push_back({Part::BandName, text, metrics.boundingRect(top, flags, text), size, false, flags});
            placed = true;
        }
        if (!placed && room > 0) {
            const double size = 0.6 * f;
            const QFontMetricsF metrics(sizedFont(size));
            const QString text = metrics.elidedText(label, Qt::ElideRight, room);
            if (text.size() > 1) {
                const QRectF top(band.left() + 0.2 * f, band.top() + 0.15 * f, room, metrics.height());
                g.texts.push_back({Part::BandName, text, metrics.boundingRect(top, flags, text), size, false, flags});
            }
        }
    }
}

void CurvePicture::placeScoreLine(Geometry &g) const
{
    const Marker shown = marker();
    const double f = g.f;
    if (shown == Marker::Line) {
        const double x = g.x(m_score->z);
        const double half = kScoreLineWidth * f / 2;
        // Below any band name it would cross.
        double top = g.curveTop + 0.1 * f;
        for (const Text &text : g.texts)
            if (text.box.left() - 0.15 * f < x + half && text.box.right() + 0.15 * f > x - half)
                top = std::max(top, text.box.bottom() + 0.3 * f);
        top = std::min(top, g.baseline - 2 * f);
        g.scoreLine = QRectF(x - half, top, 2 * half, g.baseline - top);
    }
}

void CurvePicture::placeInterval(Geometry &g) const
{
    if (!m_interval)
        return;
    const double from = std::max(kLeftZ, m_interval->low);
    const double to = std::min(kRightZ, m_interval->high);
    if (!(to > from))
        return;
    const double f = g.f;
    g.intervalBand = QRectF(QPointF(g.x(from), g.curveTop), QPointF(g.x(to), g.baseline));
    const double pixels = 0.85 * f;
    const QFontMetricsF metrics(sizedFont(pixels, true));
    const double width = metrics.horizontalAdvance(m_interval->label) + 0.6 * f;
    const double height = metrics.height() * 1.1;
    const double centre = std::clamp((g.x(from) + g.x(to)) / 2, g.left + width / 2, g.right - width / 2);
    std::vector<double> lefts{centre - width / 2};
    if (g.scoreLine) {
        lefts.push_back(g.scoreLine->right() + 0.4 * f);
        lefts.push_back(g.scoreLine->left() - 0.4 * f - width);
    }
    const double bottom = g.baseline - 0.2 * metrics.height() - height;
    for (double top : heightsFrom(bottom, height, g))
        for (double left : lefts) {
            const QRectF box(left, top, width, height);
            if (isClear(box, g)) {
                g.intervalBox = box;
                g.texts.push_back({Part::IntervalLabel, m_interval->label, box, pixels, true,
                                   Qt::AlignCenter});
                return;
            }
        }
}

void CurvePicture::placeScoreLabel(Geometry &g) const
{
    const Marker shown = marker();
    if (shown == Marker::None)
        return;
    const double f = g.f;
    const QString label = scoreText();
    const QFontMetricsF metrics(sizedFont(f, true));
    const double width = metrics.horizontalAdvance(label) + 0.8 * f;
    const double height = metrics.height() + 0.4 * f;
    const double wanted = g.curveTop + 0.28 * (g.baseline - g.curveTop);
    for (double top : heightsFrom(wanted, height, g)) {
        std::vector<double> lefts;
        std::optional<QPolygonF> arrow;
        if (shown == Marker::Line) {
            lefts = {g.scoreLine->right() + 0.3 * f, g.scoreLine->left() - 0.3 * f - width};
        } else {
            // An arrow at the edge, pointing to where the score lies, the label beside it.
            const double dir = shown == Marker::ArrowRight ? 1 : -1;
            const double tip = shown == Marker::ArrowRight ? g.right : g.left;
            const double y = top + height / 2;
            arrow = QPolygonF({QPointF(tip, y), QPointF(tip - dir * 0.9 * f, y - 0.55 * f),
                               QPointF(tip - dir * 3 * f, y - 0.55 * f), QPointF(tip - dir * 3 * f, y + 0.55 * f),
                               QPointF(tip - dir * 0.9 * f, y + 0.55 * f)});
            lefts = {dir > 0 ? tip - 3.3 * f - width : tip + 3.3 * f};
        }
        for (double left : lefts) {
            const QRectF box(left, top, width, height);
            const bool arrowClear = !arrow || isClear(arrow->boundingRect(), g);
            if (arrowClear && isClear(box, g)) {
                g.arrow = arrow;
                g.scoreBox = box;
                g.texts.push_back({Part::ScoreLabel, label, box, f, true, Qt::AlignCenter});
                return;
            }
        }
    }
}

void CurvePicture::placeAxes(Geometry &g) const
{
    const double f = g.f;
    const double pixels = 0.9 * f;
    const QFontMetricsF metrics(sizedFont(pixels));
    const QFontMetricsF nameMetrics(sizedFont(pixels, true));
    for (int row = 0; row < kAxisCount; ++row) {
        const double textTop = g.axesTop + row * g.axisRow + 0.4 * f;
        const QString name = axisName(row);
        const double nameRight = g.left - 1.1 * f;
        const double nameWidth = nameMetrics.horizontalAdvance(name);
        g.texts.push_back({Part::AxisName, name, QRectF(nameRight - nameWidth, textTop, nameWidth, metrics.height()),
                           pixels, true, Qt::AlignRight | Qt::AlignVCenter});

        std::vector<std::pair<double, QString>> values;
        if (row < int(std::size(kLinearAxes))) {
            // A tick at every whole z, labelled as the scale writes it.
            const conversion::Scale &scale = interpretation::scaleRow(kLinearAxes[row]);
            const bool signedScale = scale.mask.substr(0, 1) == "+";
            for (int z = int(kLeftZ); z <= int(kRightZ); ++z) {
                const double value = z * scale.sd + scale.mean;
                values.emplace_back(z, signedScale ? signedNumber(value) : QString::number(value));
            }
        } else {
            for (double p : kPercentileTicks)
                values.emplace_back(interpretation::inverseNormal(p / 100), QString::number(p));
        }
        std::vector<Tick> ticks;
        double lastRight = nameRight;
        for (const auto &[z, text] : values) {
            const double x = g.x(z);
            const double width = metrics.horizontalAdvance(text);
            // A crowded tick keeps its mark but not its number.
            const bool room = x - width / 2 >= lastRight + 0.3 * f && x + width / 2 <= g.area.right();
            ticks.push_back({x, room ? text : QString()});
            if (!room)
                continue;
            g.texts.push_back({Part::TickLabel, text, QRectF(x - width / 2, textTop, width, metrics.height()),
                               pixels, false, Qt::AlignHCenter | Qt::AlignVCenter});
            lastRight = x + width / 2;
        }
        g.ticks.push_back(std::move(ticks));
    }
}

void CurvePicture::placeStanines(Geometry &g) const
{
    const double f = g.f;
    const double pixels = 0.9 * f;
    const QFontMetricsF metrics(sizedFont(pixels));
    const QString name = nameOf(interpretation::ScaleId::Stanine);
    const double nameWidth = QFontMetricsF(sizedFont(pixels, true)).horizontalAdvance(name);
    const double nameRight = g.left - 1.1 * f;
    g.texts.push_back({Part::AxisName, name,
                       QRectF(nameRight - nameWidth, g.stanineTop + (g.stanineHeight - metrics.height()) / 2,
                              nameWidth, metrics.height()),
                       pixels, true, Qt::AlignRight | Qt::AlignVCenter});
    // Stanine k holds the z of k - 0.5 up to that of k + 0.5; the end bands run on.
    const conversion::Scale &bands = interpretation::scaleRow(interpretation::ScaleId::Stanine);
    for (int stanine = int(bands.lowest); stanine <= int(bands.highest); ++stanine) {
        const double from = stanine == int(bands.lowest) ? kLeftZ : (stanine - 0.5 - bands.mean) / bands.sd;
        const double to = stanine == int(bands.highest) ? kRightZ : (stanine + 0.5 - bands.mean) / bands.sd;
        const QRectF box(QPointF(g.x(from), g.stanineTop), QPointF(g.x(to), g.stanineTop + g.stanineHeight));
        g.stanines.push_back(box);
        const QString text = QString::number(stanine);
        const double width = metrics.horizontalAdvance(text);
        g.texts.push_back({Part::StanineLabel, text,
                           QRectF(box.center().x() - width / 2, box.center().y() - metrics.height() / 2, width,
                                  metrics.height()),
                           pixels, false, Qt::AlignCenter});
    }
}

} // namespace report
