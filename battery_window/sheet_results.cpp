#include "battery_window/sheet_results.h"

#include "battery_window/words.h"
#include "conversion/scales.h"
#include "report_window/core_words.h"
#include "text/ascii.h"
#include "text/plain_number.h"

namespace battery {

namespace {

using profile::Field;

bool isRaw(int scale)
{
    return scale >= 0 && conversion::kScales[scale].display == conversion::Display::None;
}

bool isZ(int scale)
{
    return scale >= 0 && conversion::kScales[scale].position == conversion::Z;
}

// The core stops at an entry's first fault; every number cell that is not
// one is marked, so that a pasted row shows all it needs at once.
void markNumbers(const SheetRow &row, int scale, char decimalMark, RowMarks &marks)
{
    for (Field field : {Field::Score, Field::Mean, Field::Sd, Field::Reliability, Field::Retest, Field::Practice,
                        Field::StudyMean1, Field::StudySd1, Field::StudyMean2, Field::StudySd2, Field::StudyR12,
                        Field::StudyN, Field::ControlsMean, Field::ControlsSd, Field::ControlsN}) {
        const std::string &cell = row.cell(field);
        if (text::trimmed(cell).empty())
            continue;
        if ((field == Field::Mean || field == Field::Sd) && !isRaw(scale))
            continue;
        const bool plus = field == Field::Practice || field >= Field::StudyMean1
            || ((field == Field::Score || field == Field::Retest) && isZ(scale));
        if (!text::plainNumberValue(cell, {decimalMark, plus}))
            marks[std::size_t(field)] = {Words::notANumber(cell, decimalMark), true};
    }
}

// A mean or SD beside a score that is not raw is not used: said, not refused.
void markUnused(const SheetRow &row, int scale, RowMarks &marks)
{
    if (scale < 0 || isRaw(scale))
        return;
    for (Field field : {Field::Mean, Field::Sd})
        if (!text::trimmed(row.cell(field)).empty() && marks[std::size_t(field)].reason.isEmpty())
            marks[std::size_t(field)] = {Words::tr("Only a raw score uses a mean and an SD; this one is not used."),
                                         false};
}

// Puts a usable value in a field found at fault, so that checking the
// entry again finds the next fault; false when nothing can be checked
// without the field (an unknown scale).
bool setAside(profile::ScoreEntry &entry, Field field)
{
    switch (field) {
    case Field::Name: entry.name = "x"; return true;
    case Field::Scale: return false;
    case Field::Score:
        entry.score = profile::isPercentileScale(entry.scale) ? 50
            : isRaw(entry.scale)                              ? entry.mean
                                                              : conversion::kScales[entry.scale].mean;
        return true;
    case Field::Mean: entry.mean = 0; return true;
    case Field::Sd: entry.sd = 1; return true;
    case Field::Reliability: entry.reliability.reset(); return true;
    case Field::Retest: entry.retest.reset(); return true;
    case Field::Practice: entry.practice.reset(); return true;
    case Field::Group:
    case Field::Set: return true;
    case Field::StudyMean1:
    case Field::StudySd1:
    case Field::StudyMean2:
    case Field::StudySd2:
    case Field::StudyR12:
    case Field::StudyN: entry.study = {}; return true;
    case Field::ControlsMean:
    case Field::ControlsSd:
    case Field::ControlsN: entry.controls = {}; return true;
    }
    return false;
}

// Every cell at fault, not the first alone: the entry is checked again
// with each fault found set aside.
void markFaults(const profile::ScoreEntry &entry, const SheetRow &cells, char decimalMark, RowMarks &marks)
{
    profile::ScoreEntry probe = entry;
    probe.problem = {};
    for (int field = 0; field < kInputColumns; ++field)
        if (marks[std::size_t(field)].refused && !setAside(probe, Field(field)))
            return;
    for (int tries = 0; tries < kInputColumns; ++tries) {
        const profile::EntryProblem problem = profile::checkEntry(probe);
        if (!problem)
            return;
        CellMark &cell = marks[std::size_t(problem.field)];
        if (cell.reason.isEmpty())
            cell = {Words::entryProblem(entry, problem, cells.cell(problem.field), decimalMark, 0), true};
        if (!setAside(probe, problem.field))
            return;
    }
}

} // namespace

const profile::ScoreResult *SheetResults::scoreOfRow(int row) const
{
    if (row < 0 || std::size_t(row) >= sheetProfile.entryOfRow.size())
        return nullptr;
    const int entry = sheetProfile.entryOfRow[std::size_t(row)];
    if (entry < 0 || std::size_t(entry) >= analysis.scores.size())
        return nullptr;
    return &analysis.scores[std::size_t(entry)];
}

profile::LowScoreCache &sharedLowScores()
{
    static profile::LowScoreCache cache;
    return cache;
}

void workOut(const Sheet &sheet, const profile::Correlations &correlations, const profile::Settings &settings,
             SheetResults &out)
{
    readProfile(sheet, out.sheetProfile);
    out.descriptors = settings.descriptors;
    profile::analyse(out.sheetProfile.profile, correlations, settings, out.analysis);
    // A new matrix is never worked out here: an edit stays within a frame.
    profile::unusualSets(out.analysis, correlations, &sharedLowScores(), false, out.unusual);
    out.marks.assign(sheet.rows.size(), RowMarks{});
    const char mark = sheet.shape.decimalMark();
    const std::vector<profile::ScoreEntry> &entries = out.sheetProfile.profile.entries;
    for (std::size_t entry = 0; entry < entries.size(); ++entry) {
        const int row = out.sheetProfile.rowOfEntry[entry];
        RowMarks &marks = out.marks[std::size_t(row)];
        const SheetRow &cells = sheet.rows[std::size_t(row)];
        markNumbers(cells, entries[entry].scale, mark, marks);
        if (entry < out.analysis.scores.size()) {
            const profile::EntryProblem &problem = out.analysis.scores[entry].problem;
            if (problem) {
                const int other = problem.other >= 0 ? out.sheetProfile.rowOfEntry[std::size_t(problem.other)] + 1 : 0;
                CellMark &cell = marks[std::size_t(problem.field)];
                if (cell.reason.isEmpty())
                    cell = {Words::entryProblem(entries[entry], problem, cells.cell(problem.field), mark, other),
                            true};
                markFaults(entries[entry], cells, mark, marks);
            }
        }
        markUnused(cells, entries[entry].scale, marks);
    }
}

QString SheetResults::label(const std::string &descriptor) const
{
    return report::descriptorLabel(descriptors, descriptor);
}

} // namespace battery
