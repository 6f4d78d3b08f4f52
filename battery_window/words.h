// The Battery Sheet's words for what the cores and its files report as
// data: a cell that cannot be used, a figure that is not worked out, a file
// or a paste that cannot be read.
#pragma once

#include "battery_window/battery_file.h"
#include "battery_window/paste_block.h"
#include "profile/analysis.h"
#include "profile/correlations.h"

#include <QCoreApplication>
#include <QString>

#include <string>

namespace battery {

class Words {
    Q_DECLARE_TR_FUNCTIONS(battery::Words)

public:
    // The caption of a score column: "Name", "Scale", ... "Group".
    static QString column(profile::Field field);
    // The scale as a person reads it ("Wechsler IQ"); unknown text as typed.
    static QString scale(const std::string &cell);

    // Why a row's cell cannot be used. `rowOf` turns the entry index of a
    // duplicate into its row of the table (counted from 1).
    static QString entryProblem(const profile::ScoreEntry &entry, const profile::EntryProblem &problem,
                                const std::string &cell, char decimalMark, int otherRow);
    static QString notANumber(const std::string &cell, char decimalMark);
    // Why a figure is empty.
    static QString missing(profile::Missing missing);
    // A deviation not worked out for want of three scores in its set.
    static QString tooFewInSet(const std::string &set, int count);

    static QString fileProblem(const QString &fileName, const FileProblem &problem);
    static QString pasteProblem(const PasteProblem &problem);
    static QString correlationProblem(const QString &fileName, const profile::CorrelationError &error);

    static QString mark(profile::Mark mark);        // "S", "W"
    static QString change(profile::Change change);  // "reliable gain", ...
    static QString significance(profile::Significance significance); // "yes", "no"
};

} // namespace battery
