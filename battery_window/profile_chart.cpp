#include "battery_window/profile_chart.h"

#include "battery_window/numbers.h"
#include "battery_window/words.h"
#include "interpretation/interpretation.h"
#include "report_window/curve_picture.h"
#include "text/text_routines.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <tuple>

namespace battery {

namespace {

// The Score Report's band shades; marks in Okabe-Ito blue and vermilion,
// which differ in lightness as well as hue. All opaque: not every SVG
// reader or printer blends.
const QColor kBandShade(0xE1, 0xEA, 0xF3);
const QColor kBandPlain(0xF8, 0xF8, 0xF8);
const QColor kBandText(0x34, 0x44, 0x54);
const QColor kGrid(0xC8, 0xCC, 0xD0);
const QColor kAxis(0x30, 0x30, 0x30);
const QColor kScore(0x00, 0x5A, 0x8C);
const QColor kRetest(0xB0, 0x3A, 0x00);
const QColor kBar(0x20, 0x20, 0x20);

constexpr double kSmallestText = 0.75; // of the size asked for
constexpr double kLeastColumn = 2.2;   // in font sizes
constexpr double kLeastPlotHeight = 12;
constexpr double kLongestName = 9;     // upright names are cut beyond this
constexpr double kWidestBandLabel = 10;  // what the least size keeps for band names
constexpr double kBandLabelRoom = 15;    // what a longer name may take from the plot
const double kPercentileTicks[] = {1, 2, 5, 10, 16, 25, 50, 75, 84, 90, 95, 98, 99};

struct ChartWords {
    Q_DECLARE_TR_FUNCTIONS(battery::ProfileChart)
};

QFont sizedFont(double pixels, bool bold = false)
{
    QFont font;
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    font.setBold(bold);
    return font;
}

QString tickText(double value, bool withSign)
{
    const QString digits = numbers::plain(value);
    return value > 0 && withSign ? QLatin1Char('+') + digits : digits;
}

double clampZ(double z, double bottom, double top, ProfileChart::Beyond &beyond)
{
    beyond = z < bottom ? ProfileChart::Beyond::Below : z > top ? ProfileChart::Beyond::Above
                                                               : ProfileChart::Beyond::No;
    return std::clamp(z, bottom, top);
}

struct Legend {
    struct Item {
        int kind; // 0 dot, 1 retest, 2 bar, 3 mean, 4 letters
        QString text;
    };
    std::vector<Item> items;
};

Legend legendOf(const ChartData &data)
{
    Legend legend;
    bool retest = false, bar = false, mark = false;
    for (const ChartScore &score : data.scores) {
        retest |= !std::isnan(score.retestZ);
        bar |= !std::isnan(score.low);
        mark |= score.mark != profile::Mark::None;
    }
    legend.items.push_back({0, ChartWords::tr("score")});
    if (retest)
        legend.items.push_back({1, ChartWords::tr("retest")});
    if (bar)
        legend.items.push_back({2, ChartWords::tr("%1% interval").arg(data.confidence)});
    if (!std::isnan(data.meanZ))
        legend.items.push_back({3, ChartWords::tr("the person's mean, %1").arg(data.meanText)});
    else if (std::any_of(data.scores.begin(), data.scores.end(),
                         [](const ChartScore &score) { return !std::isnan(score.setMeanZ); }))
        legend.items.push_back({3, ChartWords::tr("the mean of each set")});
    if (mark)
        legend.items.push_back({4, ChartWords::tr("S strength, W weakness")});
    return legend;
}

double legendItemWidth(const Legend::Item &item, const QFontMetricsF &metrics, double f)
{
    return (item.kind == 4 ? 0 : 2.0 * f) + metrics.horizontalAdvance(item.text) + 1.2 * f;
}

// Items in lines that fit the width.
std::vector<std::vector<int>> legendLines(const Legend &legend, double width, double f)
{
    const QFontMetricsF metrics(sizedFont(0.85 * f));
    std::vector<std::vector<int>> lines(1);
    double used = 0;
    for (int i = 0; i < int(legend.items.size()); ++i) {
        const double w = legendItemWidth(legend.items[std::size_t(i)], metrics, f);
        if (used > 0 && used + w > width) {
            lines.emplace_back();
            used = 0;
        }
        lines.back().push_back(i);
        used += w;
    }
    return lines;
}

void drawMarker(QPainter &painter, QPointF at, double size, bool retest, ProfileChart::Beyond beyond)
{
    const double r = size / 2;
    painter.setPen(QPen(retest ? kRetest : kScore, size * 0.22));
    painter.setBrush(retest ? QBrush(Qt::white) : QBrush(kScore));
    if (beyond != ProfileChart::Beyond::No) {
        // A triangle at the end of the axis, pointing to where the score lies.
        const double dir = beyond == ProfileChart::Beyond::Above ? -1 : 1;
        QPolygonF arrow;
        arrow << QPointF(at.x(), at.y() + dir * r * 0.2) << QPointF(at.x() - r * 1.1, at.y() - dir * r * 1.6)
              << QPointF(at.x() + r * 1.1, at.y() - dir * r * 1.6);
        painter.drawPolygon(arrow);
        return;
    }
    if (retest) {
        QPolygonF diamond;
        diamond << QPointF(at.x(), at.y() - r * 1.2) << QPointF(at.x() + r * 1.2, at.y())
                << QPointF(at.x(), at.y() + r * 1.2) << QPointF(at.x() - r * 1.2, at.y());
        painter.drawPolygon(diamond);
    } else {
        painter.drawEllipse(at, r, r);
    }
}

} // namespace

QSizeF ProfileChart::minimumSize(double fontPixels, int scores)
{
    const double f = kSmallestText * fontPixels;
    const double margins = 4.5 * f + 4 * f + kWidestBandLabel * 0.8 * f;
    return {margins + std::max(scores, 4) * kLeastColumn * f,
            1.6 * f + kLeastPlotHeight * f + 4 * f + 1.6 * f};
}

ProfileChart::Geometry ProfileChart::layout(const QRectF &area, double fontPixels) const
{
    Geometry g;
    g.area = area;
    const int n = int(m_data.scores.size());
    // In a small area the text grows smaller, down to a limit, rather than
    // leave the plot no room.
    const QSizeF wanted = minimumSize(fontPixels / kSmallestText, n);
    const double fit = std::min(area.width() / wanted.width(), area.height() / wanted.height());
    const double f = fontPixels * std::clamp(fit, kSmallestText, 1.0);
    g.fontPixels = f;

    g.zTop = std::min(kFarthestZ, (m_data.highest - m_data.mean) / m_data.sd);
    g.zBottom = std::max(-kFarthestZ, (m_data.lowest - m_data.mean) / m_data.sd);

    // Across: metric labels, the plot, percentile labels, band labels.
    const QFontMetricsF tickMetrics(sizedFont(0.85 * f));
    double widestTick = 0;
    for (int k = int(std::ceil(g.zBottom)); k <= int(std::floor(g.zTop)); ++k)
        widestTick = std::max(widestTick, tickMetrics.horizontalAdvance(tickText(m_data.mean + k * m_data.sd, m_data.signedTicks)));
    const double left = area.left() + 1.5 * f + widestTick + 0.8 * f;
    const QFontMetricsF bandMetrics(sizedFont(0.8 * f));
    double widestBand = 0;
    for (const ChartBand &band : m_data.bands)
        widestBand = std::max(widestBand, bandMetrics.horizontalAdvance(band.label));
    widestBand = std::min(widestBand, kBandLabelRoom * 0.8 * f);
    const double right = area.right() - (0.8 * f + tickMetrics.horizontalAdvance(QStringLiteral("99")) + 1.5 * f
                                         + (widestBand > 0 ? widestBand + 0.6 * f : 0));
    g.columnWidth = (right - left) / std::max(n, 1);

    // Down: the legend, the plot, the names, the groups.
    const Legend legend = legendOf(m_data);
    const double legendHeight = legendLines(legend, area.width(), f).size() * 1.5 * f;
    const QFontMetricsF nameMetrics(sizedFont(0.85 * f));
    double widestName = 0;
    bool groups = false;
    for (const ChartScore &score : m_data.scores) {
        widestName = std::max(widestName, nameMetrics.horizontalAdvance(score.name));
        groups |= !score.group.isEmpty();
    }
    // Names across on one line or two where they fit, upright where not.
    const double room = g.columnWidth - 0.3 * f;
    int lines = widestName <= room ? 1 : 2;
    for (const ChartScore &score : m_data.scores) {
        const QRectF wrapped = nameMetrics.boundingRect(QRectF(0, 0, room, 1e6), Qt::TextWordWrap, score.name);
        if (wrapped.width() > room || wrapped.height() > 2.2 * nameMetrics.lineSpacing())
            lines = 0;
    }
    bool upright = lines == 0;
    g.namesCut = upright && widestName > kLongestName * f;
    g.numbered = g.namesCut && m_numberNames;
    if (g.numbered) {
        // Numbers fit across.
        upright = false;
        lines = 1;
    }
    g.uprightNames = upright;
    const double namesHeight = upright ? std::min(widestName, kLongestName * f) + 0.8 * f
                                       : lines * nameMetrics.lineSpacing() + 0.6 * f;
    const double groupsHeight = groups ? 2.0 * f : 0;
    const double top = area.top() + legendHeight + 0.5 * f;
    const double bottom = area.bottom() - namesHeight - groupsHeight;
    g.plot = QRectF(QPointF(left, top), QPointF(right, bottom));
    g.namesTop = bottom + 0.4 * f;
    g.groupsTop = bottom + namesHeight;
    if (!(g.plot.width() > 0) || !(g.plot.height() > 0))
        return g;

    for (int k = int(std::ceil(g.zBottom - 1e-9)); k <= int(std::floor(g.zTop + 1e-9)); ++k)
        g.metricTicks.push_back({g.y(k), tickText(m_data.mean + k * m_data.sd, m_data.signedTicks)});
    double lastY = 1e300;
    for (double p : kPercentileTicks) {
        const double z = interpretation::inverseNormal(p / 100);
        if (z < g.zBottom || z > g.zTop)
            continue;
        const double y = g.y(z);
        if (lastY - y < 1.05 * tickMetrics.height())
            continue; // crowded: every other one stays
        g.percentileTicks.push_back({y, numbers::plain(p)});
        lastY = y;
    }
    g.hasMean = !std::isnan(m_data.meanZ);
    if (g.hasMean) {
        Beyond unused;
        g.meanY = g.y(clampZ(m_data.meanZ, g.zBottom, g.zTop, unused));
    }
    for (int i = 0; i < n;) {
        const ChartScore &score = m_data.scores[std::size_t(i)];
        int j = i + 1;
        if (!std::isnan(score.setMeanZ)) {
            while (j < n && m_data.scores[std::size_t(j)].set == score.set)
                ++j;
            Beyond unused;
            g.setMeans.push_back({left + i * g.columnWidth, left + j * g.columnWidth,
                                  g.y(clampZ(score.setMeanZ, g.zBottom, g.zTop, unused))});
        }
        i = j;
    }

    const double markSize = 1.2 * f;
    for (int i = 0; i < n; ++i) {
        const ChartScore &score = m_data.scores[std::size_t(i)];
        Column c;
        c.x = left + (i + 0.5) * g.columnWidth;
        const double lineHeight = nameMetrics.height();
        c.nameBox = upright ? QRectF(c.x - lineHeight / 2, g.namesTop, lineHeight, namesHeight - 0.8 * f)
                            : QRectF(c.x - g.columnWidth / 2, g.namesTop, g.columnWidth, namesHeight - 0.6 * f);
        c.hasDot = !std::isnan(score.z);
        if (c.hasDot)
            c.dot = QPointF(c.x, g.y(clampZ(score.z, g.zBottom, g.zTop, c.dotBeyond)));
        c.hasBar = c.hasDot && !std::isnan(score.low) && !std::isnan(score.high);
        if (c.hasBar) {
            Beyond topBeyond, bottomBeyond;
            c.barTop = g.y(clampZ(score.high, g.zBottom, g.zTop, topBeyond));
            c.barBottom = g.y(clampZ(score.low, g.zBottom, g.zTop, bottomBeyond));
            c.barCutTop = topBeyond == Beyond::Above;
            c.barCutBottom = bottomBeyond == Beyond::Below;
        }
        c.hasRetest = c.hasDot && !std::isnan(score.retestZ);
        if (c.hasRetest)
            c.retest = QPointF(c.x + std::min(0.3 * g.columnWidth, 0.9 * f),
                               g.y(clampZ(score.retestZ, g.zBottom, g.zTop, c.retestBeyond)));
        if (c.hasDot && score.mark != profile::Mark::None) {
            const double upper = std::min(c.dot.y() - markSize, c.hasBar ? c.barTop : c.dot.y());
            const double lower = std::max(c.dot.y() + markSize, c.hasBar ? c.barBottom : c.dot.y());
            const double boxTop = score.mark == profile::Mark::Strength ? upper - 0.4 * f - markSize
                                                                         : lower + 0.4 * f;
            c.markBox = QRectF(c.x - markSize / 2, std::clamp(boxTop, g.plot.top(), g.plot.bottom() - markSize),
                               markSize, markSize);
        }
        g.columns.push_back(c);
    }
    for (int i = 0; i < n;) {
        int j = i;
        while (j + 1 < n && m_data.scores[std::size_t(j + 1)].group == m_data.scores[std::size_t(i)].group)
            ++j;
        if (!m_data.scores[std::size_t(i)].group.isEmpty())
            g.groups.push_back({g.columns[std::size_t(i)].x - 0.42 * g.columnWidth,
                                g.columns[std::size_t(j)].x + 0.42 * g.columnWidth, m_data.scores[std::size_t(i)].group});
        i = j + 1;
    }
    return g;
}

void ProfileChart::paint(QPainter &painter, const QRectF &area, double fontPixels) const
{
    if (!(fontPixels > 0) || area.isEmpty())
        return;
    const Geometry g = layout(area, fontPixels);
    if (!(g.plot.width() > 0) || !(g.plot.height() > 0))
        return;
    paintBackdrop(painter, g);
    paintMarks(painter, g);
}

void ProfileChart::paintBackdrop(QPainter &painter, const Geometry &g) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(g.area, Qt::white);
    paintBands(painter, g);
    paintAxes(painter, g);
    paintNames(painter, g);
    painter.restore();
}

void ProfileChart::paintMarks(QPainter &painter, const Geometry &g) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintMean(painter, g);
    paintScores(painter, g);
    paintLegend(painter, g);
    painter.restore();
}

QString ProfileChart::backdropKey(const Geometry &g) const
{
    QStringList parts{m_data.metricName};
    for (double value : {g.area.width(), g.area.height(), g.plot.left(), g.plot.top(), g.plot.width(), g.plot.height(),
                         g.fontPixels, m_data.mean, m_data.sd})
        parts << QString::number(value, 'g', 12);
    for (const ChartBand &band : m_data.bands)
        parts << band.label << QString::number(band.fromZ, 'g', 17);
    for (const ChartScore &score : m_data.scores)
        parts << score.name << score.group;
    return parts.join(QChar(0x1F));
}

void ProfileChart::paintBands(QPainter &painter, const Geometry &g) const
{
    const double f = g.fontPixels;
    const QFont font = sizedFont(0.8 * f);
    const QFontMetricsF metrics(font);
    const double labelLeft = g.area.right() - std::min(kBandLabelRoom * 0.8 * f, [&] {
        double widest = 0;
        for (const ChartBand &band : m_data.bands)
            widest = std::max(widest, metrics.horizontalAdvance(band.label));
        return widest;
    }());
    painter.setFont(font);
    const std::vector<ChartBand> &bands = m_data.bands;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const double from = i == 0 ? g.zBottom : std::max(g.zBottom, bands[i].fromZ);
        const double to = i + 1 < bands.size() ? std::min(g.zTop, bands[i + 1].fromZ) : g.zTop;
        if (!(to > from))
            continue;
        const QRectF band(QPointF(g.plot.left(), g.y(to)), QPointF(g.plot.right(), g.y(from)));
        painter.fillRect(band, i % 2 ? kBandShade : kBandPlain);
        if (band.height() >= metrics.height() * 0.9) {
            painter.setPen(kBandText);
            const double room = g.area.right() - labelLeft;
            const QString &label = bands[i].label;
            const QStringList lines = metrics.horizontalAdvance(label) <= room
                ? QStringList{label}
                : report::bandNameLines(label, metrics, room);
            const bool fits = !lines.isEmpty() && lines.size() * metrics.height() <= band.height();
            painter.drawText(QRectF(labelLeft, band.top(), room, band.height()), Qt::AlignLeft | Qt::AlignVCenter,
                             fits ? lines.join(QLatin1Char('\n')) : metrics.elidedText(label, Qt::ElideRight, room));
        }
    }
}

void ProfileChart::paintAxes(QPainter &painter, const Geometry &g) const
{
    const double f = g.fontPixels;
    const QFont font = sizedFont(0.85 * f);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    for (const Tick &tick : g.metricTicks) {
        painter.setPen(QPen(kGrid, 0.06 * f));
        painter.drawLine(QPointF(g.plot.left(), tick.y), QPointF(g.plot.right(), tick.y));
        painter.setPen(QPen(kAxis, 0.08 * f));
        painter.drawLine(QPointF(g.plot.left() - 0.4 * f, tick.y), QPointF(g.plot.left(), tick.y));
        painter.drawText(QRectF(g.area.left(), tick.y - metrics.height() / 2, g.plot.left() - 0.6 * f - g.area.left(),
                                metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    for (const Tick &tick : g.percentileTicks) {
        painter.drawLine(QPointF(g.plot.right(), tick.y), QPointF(g.plot.right() + 0.4 * f, tick.y));
        painter.drawText(QRectF(g.plot.right() + 0.6 * f, tick.y - metrics.height() / 2, 3 * f, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, tick.label);
    }
    // Between groups, a line that keeps them apart.
    painter.setPen(QPen(kAxis, 0.05 * f, Qt::DotLine));
    for (std::size_t i = 1; i < g.columns.size(); ++i)
        if (m_data.scores[i].group != m_data.scores[i - 1].group) {
            const double x = g.plot.left() + i * g.columnWidth;
            painter.drawLine(QPointF(x, g.plot.top()), QPointF(x, g.plot.bottom()));
        }
    painter.setPen(QPen(kAxis, 0.1 * f));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(g.plot);

    // The axes' names, upright along them.
    const QFont bold = sizedFont(0.85 * f, true);
    painter.setFont(bold);
    const QFontMetricsF boldMetrics(bold);
    painter.save();
    painter.translate(g.area.left() + boldMetrics.ascent(), g.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-g.plot.height() / 2, -boldMetrics.ascent(), g.plot.height(), boldMetrics.height()),
                     Qt::AlignCenter, boldMetrics.elidedText(m_data.metricName, Qt::ElideRight, g.plot.height()));
    painter.restore();
    painter.save();
    painter.translate(g.plot.right() + 0.6 * f + metrics.horizontalAdvance(QStringLiteral("99")) + 0.4 * f
                          + boldMetrics.ascent(),
                      g.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-g.plot.height() / 2, -boldMetrics.ascent(), g.plot.height(), boldMetrics.height()),
                     Qt::AlignCenter, ChartWords::tr("Percentile rank"));
    painter.restore();
}

void ProfileChart::paintMean(QPainter &painter, const Geometry &g) const
{
    painter.setPen(QPen(Qt::black, 0.12 * g.fontPixels, Qt::DashLine, Qt::FlatCap));
    for (const Geometry::SetMean &mean : g.setMeans)
        painter.drawLine(QPointF(mean.left, mean.y), QPointF(mean.right, mean.y));
    if (!g.hasMean)
        return;
    painter.drawLine(QPointF(g.plot.left(), g.meanY), QPointF(g.plot.right(), g.meanY));
}

void ProfileChart::paintScores(QPainter &painter, const Geometry &g) const
{
    const double f = g.fontPixels;
    const double size = std::min(0.9 * f, 0.45 * g.columnWidth);
    // Within a group, each score joined to the next.
    painter.setPen(QPen(kScore, 0.1 * f));
    for (std::size_t i = 1; i < g.columns.size(); ++i) {
        const Column &a = g.columns[i - 1], &b = g.columns[i];
        if (a.hasDot && b.hasDot && !m_data.scores[i].group.isEmpty() && m_data.scores[i].group == m_data.scores[i - 1].group)
            painter.drawLine(a.dot, b.dot);
    }
    for (std::size_t i = 0; i < g.columns.size(); ++i) {
        const Column &c = g.columns[i];
        if (c.hasBar) {
            const double cap = std::min(0.5 * f, 0.25 * g.columnWidth);
            painter.setPen(QPen(kBar, 0.14 * f, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(c.x, c.barTop), QPointF(c.x, c.barBottom));
            painter.setBrush(kBar);
            for (const auto &[y, cut, dir] : {std::tuple{c.barTop, c.barCutTop, -1.0}, std::tuple{c.barBottom, c.barCutBottom, 1.0}}) {
                if (cut) {
                    // Runs on past the axis: an arrowhead, not a cap.
                    QPolygonF head;
                    head << QPointF(c.x, y) << QPointF(c.x - cap, y - dir * 1.4 * cap) << QPointF(c.x + cap, y - dir * 1.4 * cap);
                    painter.setPen(Qt::NoPen);
                    painter.drawPolygon(head);
                    painter.setPen(QPen(kBar, 0.14 * f, Qt::SolidLine, Qt::FlatCap));
                } else {
                    painter.drawLine(QPointF(c.x - cap, y), QPointF(c.x + cap, y));
                }
            }
        }
        if (c.hasRetest)
            drawMarker(painter, c.retest, size, true, c.retestBeyond);
        if (c.hasDot)
            drawMarker(painter, c.dot, size, false, c.dotBeyond);
        if (!c.markBox.isEmpty()) {
            painter.setPen(QPen(Qt::black, 0.08 * f));
            painter.setBrush(Qt::white);
            painter.drawRect(c.markBox);
            painter.setFont(sizedFont(0.85 * f, true));
            painter.drawText(c.markBox, Qt::AlignCenter, Words::mark(m_data.scores[i].mark));
        }
    }
}

void ProfileChart::paintNames(QPainter &painter, const Geometry &g) const
{
    const double f = g.fontPixels;
    const QFont font = sizedFont(0.85 * f);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(kAxis);
    for (std::size_t i = 0; i < g.columns.size(); ++i) {
        const Column &c = g.columns[i];
        const QString name = g.numbered ? QString::number(i + 1) : m_data.scores[i].name;
        if (!g.uprightNames) {
            painter.drawText(c.nameBox.adjusted(0.15 * f, 0, -0.15 * f, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                             name);
            continue;
        }
        // Upright, reading upwards, its end at the axis.
        painter.save();
        painter.translate(c.x + metrics.ascent() / 2 - metrics.descent() / 2, c.nameBox.top());
        painter.rotate(-90);
        const double length = c.nameBox.height();
        painter.drawText(QRectF(-length, -metrics.ascent(), length, metrics.height()), Qt::AlignRight | Qt::AlignVCenter,
                         metrics.elidedText(name, Qt::ElideRight, length));
        painter.restore();
    }
    const QFont bold = sizedFont(0.85 * f, true);
    painter.setFont(bold);
    for (const Geometry::Span &span : g.groups) {
        const double y = g.groupsTop + 0.3 * f;
        painter.setPen(QPen(kAxis, 0.08 * f));
        painter.drawLine(QPointF(span.left, y), QPointF(span.right, y));
        painter.drawLine(QPointF(span.left, y), QPointF(span.left, y - 0.3 * f));
        painter.drawLine(QPointF(span.right, y), QPointF(span.right, y - 0.3 * f));
        const double width = std::max(span.right - span.left, QFontMetricsF(bold).horizontalAdvance(span.label));
        const double centre = (span.left + span.right) / 2;
        painter.drawText(QRectF(centre - width / 2, y + 0.1 * f, width, 1.4 * f), Qt::AlignHCenter | Qt::AlignTop,
                         QFontMetricsF(bold).elidedText(span.label, Qt::ElideRight, width));
    }
}

void ProfileChart::paintLegend(QPainter &painter, const Geometry &g) const
{
    const double f = g.fontPixels;
    const Legend legend = legendOf(m_data);
    const QFont font = sizedFont(0.85 * f);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    double y = g.area.top() + 0.75 * f;
    for (const std::vector<int> &line : legendLines(legend, g.area.width(), f)) {
        double x = g.area.left() + 0.3 * f;
        for (int index : line) {
            const Legend::Item &item = legend.items[std::size_t(index)];
            const QPointF at(x + 0.8 * f, y);
            switch (item.kind) {
            case 0: drawMarker(painter, at, 0.9 * f, false, Beyond::No); break;
            case 1: drawMarker(painter, at, 0.9 * f, true, Beyond::No); break;
            case 2:
                painter.setPen(QPen(kBar, 0.14 * f));
                painter.drawLine(QPointF(at.x(), y - 0.6 * f), QPointF(at.x(), y + 0.6 * f));
                painter.drawLine(QPointF(at.x() - 0.4 * f, y - 0.6 * f), QPointF(at.x() + 0.4 * f, y - 0.6 * f));
                painter.drawLine(QPointF(at.x() - 0.4 * f, y + 0.6 * f), QPointF(at.x() + 0.4 * f, y + 0.6 * f));
                break;
            case 3:
                painter.setPen(QPen(Qt::black, 0.12 * f, Qt::DashLine, Qt::FlatCap));
                painter.drawLine(QPointF(at.x() - 0.8 * f, y), QPointF(at.x() + 0.8 * f, y));
                break;
            default: break;
            }
            painter.setPen(kAxis);
            const double textLeft = item.kind == 4 ? x : x + 2.0 * f;
            painter.drawText(QRectF(textLeft, y - metrics.height() / 2, metrics.horizontalAdvance(item.text) + f,
                                    metrics.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, item.text);
            x += legendItemWidth(item, metrics, f);
        }
        y += 1.5 * f;
    }
}

} // namespace battery
