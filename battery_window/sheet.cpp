#include "battery_window/sheet.h"

#include "text/ascii.h"

#include <algorithm>

namespace battery {

std::string_view columnKey(profile::Field field)
{
    static constexpr std::string_view kKeys[kInputColumns] = {
        "name", "scale", "score", "mean", "sd", "reliability", "retest", "practice", "group",
        "set", "study_mean1", "study_sd1", "study_mean2", "study_sd2", "study_r12", "study_n",
        "controls_mean", "controls_sd", "controls_n"};
    return kKeys[size_t(field)];
}

bool SheetRow::noScore() const
{
    for (const std::string &cell : cells)
        if (!text::trimmed(cell).empty())
            return false;
    return true;
}

bool SheetRow::blank() const
{
    if (!noScore())
        return false;
    for (const std::string &cell : extra)
        if (!cell.empty())
            return false;
    return true;
}

bool SheetRow::operator==(const SheetRow &other) const
{
    if (cells != other.cells)
        return false;
    // A missing carried cell is an empty one.
    const size_t count = std::max(extra.size(), other.extra.size());
    for (size_t i = 0; i < count; ++i) {
        const std::string_view mine = i < extra.size() ? std::string_view(extra[i]) : std::string_view();
        const std::string_view theirs = i < other.extra.size() ? std::string_view(other.extra[i]) : std::string_view();
        if (mine != theirs)
            return false;
    }
    return true;
}

bool Identification::empty() const
{
    return person.empty() && birthDate.empty() && testDate.empty() && battery.empty() && examiner.empty();
}

bool Identification::operator==(const Identification &other) const
{
    return person == other.person && birthDate == other.birthDate && testDate == other.testDate
        && battery == other.battery && examiner == other.examiner;
}

namespace {

template <std::size_t N>
bool anyCell(const Sheet &sheet, const profile::Field (&fields)[N])
{
    for (const SheetRow &row : sheet.rows)
        for (profile::Field field : fields)
            if (!text::trimmed(row.cell(field)).empty())
                return true;
    return false;
}

} // namespace

bool anyStudy(const Sheet &sheet)
{
    return anyCell(sheet, kStudyFields);
}

bool anyControls(const Sheet &sheet)
{
    return anyCell(sheet, kControlsFields);
}

void readProfile(const Sheet &sheet, SheetProfile &out)
{
    out.profile.entries.clear();
    out.rowOfEntry.clear();
    out.entryOfRow.assign(sheet.rows.size(), -1);
    const char mark = sheet.shape.decimalMark();
    for (size_t row = 0; row < sheet.rows.size(); ++row) {
        const SheetRow &cells = sheet.rows[row];
        if (cells.noScore())
            continue;
        using F = profile::Field;
        profile::EntryCells entryCells{cells.cell(F::Name), cells.cell(F::Scale), cells.cell(F::Score),
                                       cells.cell(F::Mean), cells.cell(F::Sd), cells.cell(F::Reliability),
                                       cells.cell(F::Retest), cells.cell(F::Practice), cells.cell(F::Group),
                                       cells.cell(F::Set)};
        for (std::size_t k = 0; k < std::size(kStudyFields); ++k)
            entryCells.study[k] = cells.cell(kStudyFields[k]);
        for (std::size_t k = 0; k < std::size(kControlsFields); ++k)
            entryCells.controls[k] = cells.cell(kControlsFields[k]);
        profile::ScoreEntry entry;
        profile::readEntry(entryCells, mark, entry);
        out.entryOfRow[row] = int(out.profile.entries.size());
        out.rowOfEntry.push_back(int(row));
        out.profile.entries.push_back(std::move(entry));
    }
}

} // namespace battery
