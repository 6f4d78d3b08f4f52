#include "report_window/report_table.h"

#include "report_window/core_words.h"
#include "report_window/report_numbers.h"
#include "text/plain_number.h"

#include <QCoreApplication>

#include <cmath>

namespace report {

namespace {

using interpretation::Formula;
using interpretation::ScaleId;

struct TableWords {
    Q_DECLARE_TR_FUNCTIONS(ReportTable)
};

QString nameOf(int row)
{
    return scaleTitle(ScaleId(row));
}

bool trueScoreMethod(const ReportFacts &facts)
{
    return facts.interval && facts.interval->method == interpretation::Method::TrueScore;
}

QString errorName(const ReportFacts &facts)
{
    return trueScoreMethod(facts) ? TableWords::tr("SEE") : TableWords::tr("SEM");
}

struct RowFigures {
    QString centre, error;
};

// The estimated true score and the standard error on the row's scale, from
// the row's own explanation so that the two never disagree.
RowFigures figuresOf(const ReportFacts &facts, int row)
{
    RowFigures figures;
    const conversion::Scale &scale = interpretation::scaleRow(ScaleId(row));
    if (scale.display == conversion::Display::PercentileRank) {
        if (trueScoreMethod(facts))
            figures.centre = pageNumber(interpretation::percentileRankText(facts.reading.interval.centre));
        return figures;
    }
    for (const interpretation::Explanation &e : rowExplanation(facts, row)) {
        if (e.formula != Formula::IntervalTrueScore && e.formula != Formula::IntervalObtained)
            continue;
        for (const interpretation::Term &step : e.steps) {
            if (step.quantity == interpretation::Quantity::TrueScore)
                figures.centre = trueScoreShown(ScaleId(row), step.value).text;
            if (step.quantity == interpretation::Quantity::StandardError)
                figures.error = pageDecimal(scale.sd * step.value, 2);
        }
        break;
    }
    return figures;
}

QString number(const std::string &shown, NumberStyle style)
{
    return style == NumberStyle::Page ? pageNumber(shown) : sheetNumber(shown);
}

} // namespace

QString intervalLevel(const ReportFacts &facts)
{
    return pageDecimal(facts.confidence, facts.confidence == std::floor(facts.confidence) ? 0 : 1);
}

bool trueScoreInterval(const ReportFacts &facts)
{
    return trueScoreMethod(facts);
}

QString trueScoreNote()
{
    return TableWords::tr("An estimated true score stays on its scale: beyond the scale's range it is held at its "
                          "limit (*); on stanines and stens, which are bands, it is the band the estimated true "
                          "score falls in.");
}

QString trueScoreShownSentence(const ReportFacts &facts, int row)
{
    if (!facts.reading.hasInterval || !trueScoreMethod(facts) || row < 0 || row >= interpretation::kScaleIdCount)
        return {};
    const conversion::Scale &scale = interpretation::scaleRow(ScaleId(row));
    const TrueScoreText shown = trueScoreShown(ScaleId(row), facts.reading.interval.centre);
    if (scale.display == conversion::Display::Band)
        return TableWords::tr("The table shows the estimated true score as %1, the band it falls in.").arg(shown.text);
    if (shown.marked)
        return TableWords::tr("The table shows the estimated true score as %1: it lies outside the possible range of "
                              "the scale and is held at its limit.").arg(shown.text);
    return {};
}

QString intervalHeading(const ReportFacts &facts)
{
    const QString level = intervalLevel(facts);
    return trueScoreMethod(facts) ? TableWords::tr("%1 % interval, true score").arg(level)
                                  : TableWords::tr("%1 % interval, obtained score").arg(level);
}

ReportTable emptyTable()
{
    ReportTable table;
    table.header << TableWords::tr("Scale") << TableWords::tr("Score");
    for (int row = 0; row < interpretation::kScaleIdCount; ++row)
        table.rows.push_back({nameOf(row), QString()});
    table.rows.push_back({TableWords::tr("Descriptor"), QString()});
    return table;
}

ReportTable reportTable(const ReportFacts &facts, NumberStyle style)
{
    const interpretation::Interpretation &reading = facts.reading;
    const bool interval = reading.hasInterval && facts.interval;
    const bool trueScore = interval && trueScoreMethod(facts);
    ReportTable table;
    table.header << TableWords::tr("Scale") << TableWords::tr("Score");
    table.headerTips << QString() << TableWords::tr("The score on each scale.");
    if (trueScore) {
        table.header << TableWords::tr("Estimated true score");
        table.headerTips << TableWords::tr("The score drawn towards the mean by the reliability: the interval's centre.")
                + QLatin1Char(' ') + trueScoreNote();
    }
    if (interval) {
        table.header << errorName(facts);
        table.headerTips << (trueScore ? TableWords::tr("Standard error of estimation: the spread of true scores about "
                                            "the estimated true score.")
                                       : TableWords::tr("Standard error of measurement: the spread of scores obtained "
                                            "about the true score."));
        const QString heading = intervalHeading(facts);
        if (style == NumberStyle::Page) {
            table.header << heading;
            table.headerTips << TableWords::tr("The confidence interval for the true score.");
        } else {
            table.header << TableWords::tr("%1: lower").arg(heading) << TableWords::tr("%1: upper").arg(heading);
            table.headerTips << QString() << QString();
        }
    }
    for (int row = 0; row < interpretation::kScaleIdCount; ++row) {
        QStringList cells{nameOf(row), number(reading.score[row].text, style)};
        if (interval) {
            RowFigures figures = figuresOf(facts, row);
            if (style == NumberStyle::Sheet)
                figures.centre.replace(QChar(0x2212), QLatin1Char('-'));
            if (trueScore)
                cells << figures.centre;
            cells << figures.error;
            const QString low = number(reading.lower[row].text, style);
            const QString high = number(reading.upper[row].text, style);
            if (style == NumberStyle::Page)
                cells << TableWords::tr("%1 to %2").arg(low, high);
            else
                cells << low << high;
        }
        table.rows.push_back(cells);
    }
    table.rows.push_back({TableWords::tr("Descriptor"),
                          QStringLiteral("%1 (%2)").arg(descriptorLabel(facts.system, reading.descriptor),
                                                        facts.systemName)});
    return table;
}

QString tableText(const ReportFacts &facts)
{
    const ReportTable table = reportTable(facts, NumberStyle::Sheet);
    // Texts the user typed (a descriptor file's labels, its name) must
    // reach the spreadsheet as text, never as a formula.
    const auto line = [](QStringList cells) {
        for (QString &cell : cells)
            cell = QString::fromStdString(text::spreadsheetCell(cell.toStdString()));
        return cells.join(QLatin1Char('\t'));
    };
    QStringList lines{line(table.header)};
    for (const QStringList &row : table.rows)
        lines << line(row);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString tableHtml(const ReportFacts &facts)
{
    const ReportTable table = reportTable(facts, NumberStyle::Page);
    auto cell = [](const char *tag, const QString &text, int span = 1) {
        const QString attribute = span > 1 ? QStringLiteral(" colspan=\"%1\"").arg(span) : QString();
        return QStringLiteral("<%1%3>%2</%1>").arg(QLatin1String(tag), text.toHtmlEscaped(), attribute);
    };
    // A whole document with its encoding: some word processors read a bare
    // fragment in their own.
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr>");
    for (const QString &head : table.header)
        html += cell("th", head);
    html += QStringLiteral("</tr>\n");
    for (const QStringList &row : table.rows) {
        html += QStringLiteral("<tr>");
        for (int c = 0; c < row.size(); ++c)
            html += cell("td", row[c], c + 1 == row.size() ? int(table.header.size()) - c : 1);
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

} // namespace report
