// The pairs and the composites as rows of figures, for their tables, the
// copied table and the printed page.
#pragma once

#include "battery_window/figure_table.h"
#include "battery_window/sheet_results.h"

namespace battery {

struct TableText {
    QStringList captions, tips;
    std::vector<bool> rightAligned;
    std::vector<std::vector<FigureCell>> rows;
};

// metric: the common metric's name; confidence: the intervals' level.
TableText pairTable(const SheetResults &results, bool significantOnly);
TableText compositeTable(const SheetResults &results, const QString &metric, double confidence);
// Each score with a control sample against it; a row's figures are
// explained by the score's entry.
TableText caseTable(const SheetResults &results);
// How unusual each set's profile is: a row per comparison set.
TableText unusualTable(const SheetResults &results);
// The figure of a column of that table; nothing for the set's name, size and df.
std::optional<profile::UnusualItem> unusualItemOfColumn(int column);
// The correction the pairs were tested under, in the reader's words.
QString correctionName(profile::PairsCorrection correction);

void fill(FigureTable &table, TableText text);

} // namespace battery
