// What the sheet's scores say, worked out afresh after every edit: the
// profile read from the cells, the core's analysis of it, and for each cell
// that cannot be used, why (so the table marks it in place).
#pragma once

#include "battery_window/sheet.h"
#include "profile/analysis.h"
#include "profile/unusual.h"

#include <QString>

#include <array>
#include <vector>

namespace battery {

struct CellMark {
    QString reason;
    bool refused = false; // the score is left out for it; otherwise a note
};
using RowMarks = std::array<CellMark, kInputColumns>;

struct SheetResults {
    SheetProfile sheetProfile;
    profile::Analysis analysis;
    interpretation::DescriptorSystem descriptors; // whose labels the figures carry
    std::vector<RowMarks> marks; // per row of the sheet
    // How unusual each set's profile is. A low-score distribution not yet
    // worked out is missing as Working: see sharedLowScores().
    std::vector<profile::UnusualSet> unusual;

    // The entry's result for a row; nullptr for a row that is no score.
    const profile::ScoreResult *scoreOfRow(int row) const;
    // The table row (from 0) of an entry.
    int rowOfEntry(int entry) const { return sheetProfile.rowOfEntry[std::size_t(entry)]; }
    const std::string &nameOf(int entry) const { return sheetProfile.profile.entries[std::size_t(entry)].name; }
    // A descriptor as shown: a built-in system's in the language in use.
    QString label(const std::string &descriptor) const;
};

// The low-score distributions of every sheet and printed report of the
// run: a matrix is worked out once, off the interface thread.
profile::LowScoreCache &sharedLowScores();

void workOut(const Sheet &sheet, const profile::Correlations &correlations, const profile::Settings &settings,
             SheetResults &out);

} // namespace battery
