#include "report_window/report_page.h"

#include "report_window/curve_picture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace report {

namespace {

using interpretation::ScaleId;

// Sizes in points.
constexpr double kTitleSize = 18;
constexpr double kTextSize = 10.5;
constexpr double kTableSize = 9.5;
constexpr double kPictureTextSize = 8;
constexpr double kPictureShare = 0.6; // picture height to its width
constexpr double kSpace = 12;

QFont pointFont(double size, bool bold = false)
{
    QFont font;
    font.setPixelSize(static_cast<int>(size + 0.5)); // the painter counts in points
    font.setBold(bold);
    return font;
}

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

// The table as on screen: Scale, Score, and Lower and Upper with an interval.
double paintTable(QPainter &painter, const ReportFacts &facts, double top, double width)
{
    const interpretation::Interpretation &reading = facts.reading;
    const QFont plain = pointFont(kTableSize);
    const QFont bold = pointFont(kTableSize, true);
    const double rowHeight = QFontMetricsF(plain).height() * 1.5;
    const int columns = reading.hasInterval ? 4 : 2;
    const double scaleWidth = std::min(width * 0.4, 130.0);
    const double valueWidth = 62;
    auto columnLeft = [&](int column) { return column == 0 ? 0 : scaleWidth + (column - 1) * valueWidth; };
    const double tableWidth = columnLeft(columns);

    auto row = [&](double y, const QStringList &cells, bool header) {
        painter.setFont(header ? bold : plain);
        for (int column = 0; column < cells.size(); ++column) {
            const double right = column + 1 == cells.size() ? tableWidth : columnLeft(column + 1);
            const QRectF cell(columnLeft(column), y, right - columnLeft(column), rowHeight);
            painter.drawRect(cell);
            const Qt::Alignment align = column == 0 || header || cells.size() < columns
                ? Qt::AlignLeft | Qt::AlignVCenter
                : Qt::AlignRight | Qt::AlignVCenter;
            painter.drawText(cell.adjusted(4, 0, -4, 0), align, cells[column]);
        }
    };

    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::NoBrush);
    QStringList header{QStringLiteral("Scale"), QStringLiteral("Score")};
    if (reading.hasInterval)
        header << QStringLiteral("Lower") << QStringLiteral("Upper");
    double y = top;
    row(y, header, true);
    for (int i = 0; i < interpretation::kScaleIdCount; ++i) {
        y += rowHeight;
        QStringList cells{qs(std::string(interpretation::scaleName(static_cast<ScaleId>(i)))),
                          qs(reading.score[i].text)};
        if (reading.hasInterval)
            cells << qs(reading.lower[i].text) << qs(reading.upper[i].text);
        row(y, cells, false);
    }
    y += rowHeight;
    row(y, {QStringLiteral("Descriptor"), QStringLiteral("%1 (%2)").arg(qs(reading.descriptor), facts.systemName)},
        false);
    return y + rowHeight;
}

} // namespace

bool printReport(QPrinter &printer, const ReportFacts &facts, const CurvePicture &picture)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // Draw in points whatever the printer's resolution.
    const double dotsPerPoint = printer.resolution() / 72.0;
    painter.scale(dotsPerPoint, dotsPerPoint);
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRect(QPageLayout::Point).size());

    // Laid out at full size, then made smaller as a whole if the page is short.
    const QFontMetricsF text(pointFont(kTextSize));
    const QString words = sentence(facts);
    const double pictureHeight = page.width() * kPictureShare;
    const double tableHeight = QFontMetricsF(pointFont(kTableSize)).height() * 1.5
        * (interpretation::kScaleIdCount + 2);
    const double sentenceHeight = text.boundingRect(QRectF(0, 0, page.width(), 1e6),
                                                    Qt::TextWordWrap, words).height();
    const double needed = kTitleSize * 1.5 + text.height() * 1.5 + kSpace + pictureHeight + kSpace
        + tableHeight + text.height() * 1.4 + kSpace + sentenceHeight;
    const double shrink = std::min(1.0, page.height() / needed);
    painter.scale(shrink, shrink);
    const double width = page.width() / shrink;

    double y = 0;
    painter.setPen(Qt::black);
    painter.setFont(pointFont(kTitleSize, true));
    painter.drawText(QRectF(0, y, width, kTitleSize * 1.5), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Score Report"));
    y += kTitleSize * 1.5;
    painter.setFont(pointFont(kTextSize));
    painter.drawText(QRectF(0, y, width, text.height() * 1.5), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Score: ") + sourceText(facts.score));
    y += text.height() * 1.5 + kSpace;

    picture.paint(painter, QRectF(0, y, width, width * kPictureShare), kPictureTextSize);
    y += width * kPictureShare + kSpace;

    painter.setPen(Qt::black);
    y = paintTable(painter, facts, y, width);
    if (hasMarkedScore(facts)) {
        painter.setFont(pointFont(kTableSize));
        painter.drawText(QRectF(0, y + 2, width, text.height() * 1.4), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromUtf8(kMarkLegend));
        y += text.height() * 1.4;
    }
    y += kSpace;

    painter.setFont(pointFont(kTextSize));
    painter.drawText(QRectF(0, y, width, sentenceHeight + text.height()), Qt::TextWordWrap, words);
    return painter.end();
}

} // namespace report
