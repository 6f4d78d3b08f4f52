// The worked-out columns of a score, each described once for the Battery
// Sheet's table, its Copy Table and its printed report: the heads and what
// they mean, whether the column holds a number or words, the figure its
// explanation explains, and its cell.
#pragma once

#include "battery_window/sheet_results.h"
#include "profile/analysis.h"

#include <QString>

#include <cstddef>

namespace battery {

// How a cell's numbers are written: as the window shows and copies them,
// or as a page prints them (a true minus sign).
enum class Writing { Screen, Page };

struct ScoreColumn {
    // Given the common metric's name and the intervals' level.
    QString (*head)(const QString &metric, const QString &level);
    // The shorter head on paper; nullptr for a column the printed scores
    // table leaves out (change has a table of its own there).
    QString (*pageHead)(const QString &metric, const QString &level);
    QString (*tip)(const QString &metric, const QString &level);
    bool number;    // right-aligned, never cut short
    bool decision;  // S or W: never cut short either, though words
    profile::Item item;
    QString (*cell)(const profile::ScoreResult &result, const SheetResults &results, Writing writing);
    // On paper, where it differs: the interval's bounds in one cell.
    QString (*pageCell)(const profile::ScoreResult &result) = nullptr;
};

// In the order of the window's columns that follow the score columns.
constexpr std::size_t kScoreColumnCount = 20;
extern const ScoreColumn kScoreColumns[kScoreColumnCount];

} // namespace battery
