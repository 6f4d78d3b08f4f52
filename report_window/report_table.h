// The Score Report's table, once for every place it goes: the window, the
// printed page, the clipboard. Each scale's row holds the score and, with
// an interval, the estimated true score (true-score method), the standard
// error used and the interval; the last row holds the descriptor. The
// column heads say the level and the method: "95 % interval, true score".
#pragma once

#include "report_window/report_text.h"

#include <QStringList>

#include <vector>

namespace report {

enum class NumberStyle {
    Page,  // as a report writes numbers; the interval in one cell, "105 to 122"
    Sheet, // as a spreadsheet reads them; the interval's bounds in two cells
};

struct ReportTable {
    QStringList header;
    QStringList headerTips; // what each head means, for tooltips
    std::vector<QStringList> rows; // a scale per row, then the descriptor's two cells
};

ReportTable reportTable(const ReportFacts &facts, NumberStyle style);
// The table with no score: the scales' names and empty cells.
ReportTable emptyTable();

// How the estimated true score column keeps to each scale's range and bands.
QString trueScoreNote();
// Where a row's estimated true score is shown otherwise than worked out
// (at the scale's limit, or as a band), the sentence that says so; else
// empty.
QString trueScoreShownSentence(const ReportFacts &facts, int row);

// "95 % interval, true score", "90 % interval, obtained score".
QString intervalHeading(const ReportFacts &facts);
// Its level, "95", and whether it is centred on the estimated true score.
QString intervalLevel(const ReportFacts &facts);
bool trueScoreInterval(const ReportFacts &facts);

// Tab-separated lines, for spreadsheets; HTML, for word processors.
QString tableText(const ReportFacts &facts);
QString tableHtml(const ReportFacts &facts);

} // namespace report
