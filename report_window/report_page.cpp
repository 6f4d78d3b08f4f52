#include "report_window/report_page.h"

#include "report_window/curve_picture.h"
#include "report_window/explanation_words.h"
#include "report_window/report_document.h"
#include "report_window/report_numbers.h"
#include "report_window/report_table.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace report {

namespace {

using interpretation::ScaleId;

struct PageWords {
    Q_DECLARE_TR_FUNCTIONS(ReportPage)
};

constexpr double kPictureShare = 0.6; // picture height to its width

// The rows the Method section explains: the scale the report states the
// score on, the percentile rank and the descriptor.
std::vector<int> explainedRows(const ReportFacts &facts)
{
    return {int(statedScale(facts.score)), int(ScaleId::PercentileRank), interpretation::kScaleIdCount};
}

// The stated scale's row whole; of the others only what is their own (the
// interval again, on z, would repeat the stated scale's), and no converter
// percentile, which the page does not show.
interpretation::Explanations methodExplanations(const ReportFacts &facts)
{
    using interpretation::Formula;
    interpretation::Explanations explanations;
    const std::vector<int> rows = explainedRows(facts);
    for (int row : rows) {
        const bool stated = row == rows.front();
        bool pastInterval = false;
        for (const interpretation::Explanation &e : rowExplanation(facts, row)) {
            pastInterval = pastInterval || e.formula == Formula::IntervalTrueScore
                || e.formula == Formula::IntervalObtained;
            const bool own = (e.formula == Formula::PercentileRank && !pastInterval)
                || e.formula == Formula::Descriptor || e.formula == Formula::ZFromScore
                || e.formula == Formula::ZFromPercentileApproximate;
            if (e.formula != Formula::ApproximatePercentile && (stated || own))
                explanations.push_back(e);
        }
    }
    return explanations;
}

} // namespace

QStringList methodOpening(const ReportFacts &facts)
{
    QStringList lines;
    lines << PageWords::tr("Every scale is reached through z, the score's distance from the mean in standard "
                "deviations; percentile ranks are exact areas under the normal curve.");
    if (facts.reading.hasInterval && facts.interval)
        lines << (trueScoreInterval(facts)
                      ? PageWords::tr("Confidence interval: %1 % interval, true score, from a reliability of %2.")
                      : PageWords::tr("Confidence interval: %1 % interval, obtained score, from a reliability of %2."))
                     .arg(intervalLevel(facts), facts.reliabilityText.toHtmlEscaped());
    lines << PageWords::tr("Descriptors: the %1 system.").arg(facts.systemName.toHtmlEscaped());
    return lines;
}

QStringList methodParagraphs(const ReportFacts &facts)
{
    return explanationParagraphs(methodExplanations(facts), naming(facts));
}

std::unique_ptr<fw::PrintedDocument> reportDocument(const ReportFacts &facts, const Identification &id,
                                                    const CurvePicture &picture)
{
    auto document = identifiedDocument(PageWords::tr("Score Report"), id, PageWords::tr("Test"));
    addHeading(*document, PageWords::tr("Score Report"), Heading::Title);
    addParagraph(*document, PageWords::tr("Score: %1").arg(sourceText(facts.score)).toHtmlEscaped());

    auto drawing = std::make_unique<fw::PictureBlock>(
        [picture](QPainter &painter, const QRectF &area) { picture.paint(painter, area, kPicturePoints); },
        kPictureShare,
        PageWords::tr("The normal curve with the score marked (%1).").arg(sourceText(facts.score)));
    drawing->spaceBefore = kSpace;
    document->add(std::move(drawing));

    const ReportTable table = reportTable(facts, NumberStyle::Page);
    fw::PageTable printed;
    printed.header = table.header;
    printed.rows = table.rows;
    printed.points = kTablePoints;
    printed.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("Scores"));
    printed.rightAligned.assign(std::size_t(table.header.size()), true);
    printed.rightAligned[0] = false;
    document->addTable(printed, kSpace);
    QStringList notes;
    if (hasMarkedScore(facts))
        notes << QCoreApplication::translate("ReportText", kMarkLegend);
    if (facts.reading.hasInterval && facts.interval && facts.interval->method == interpretation::Method::TrueScore)
        notes << trueScoreNote();
    if (!notes.isEmpty())
        addParagraph(*document, notes.join(QLatin1Char(' ')).toHtmlEscaped(), kTablePoints);

    auto words = std::make_unique<fw::TextBlock>(sentence(facts).toHtmlEscaped(), kBodyPoints);
    words->spaceBefore = kSpace;
    document->add(std::move(words));

    addMethodSection(*document, methodOpening(facts), methodParagraphs(facts),
                     interpretation::sourcesOf(methodExplanations(facts)));
    return document;
}

bool printReport(QPrinter &printer, const ReportFacts &facts, const Identification &id,
                 const CurvePicture &picture)
{
    return reportDocument(facts, id, picture)->print(printer);
}

} // namespace report
