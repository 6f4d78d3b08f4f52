// The Battery Sheet's document: the scores of one person as typed, cell by
// cell, with who was tested and the columns of its file that the sheet does
// not use (carried through unchanged). Cells are kept as text: a cell that
// cannot be used stays as it was typed, marked, and is never lost.
#pragma once

#include "profile/profile.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace battery {

// The score columns, in the order of profile::Field: a retest study's six
// and a control sample's three last.
constexpr int kInputColumns = 19;
static_assert(int(profile::Field::ControlsN) + 1 == kInputColumns);
constexpr profile::Field kStudyFields[] = {profile::Field::StudyMean1, profile::Field::StudySd1,
                                           profile::Field::StudyMean2, profile::Field::StudySd2,
                                           profile::Field::StudyR12,   profile::Field::StudyN};
constexpr profile::Field kControlsFields[] = {profile::Field::ControlsMean, profile::Field::ControlsSd,
                                              profile::Field::ControlsN};
inline bool isStudyField(int column)
{
    return column >= int(profile::Field::StudyMean1) && column <= int(profile::Field::StudyN);
}
inline bool isControlsField(int column)
{
    return column >= int(profile::Field::ControlsMean) && column <= int(profile::Field::ControlsN);
}

// The file's column of each score field: "name", "scale", ... "set".
std::string_view columnKey(profile::Field field);

// A battery has tens of scores; more rows than this would be a paste or a
// file gone wrong, and every pair of them is compared.
constexpr std::size_t kMaxScores = 200;
// A cell longer than this is not a score, a name or a note anyone types.
constexpr std::size_t kMaxCellBytes = 4096;
// Columns of a file the sheet carries through without using them.
constexpr std::size_t kMaxExtraColumns = 100;

struct SheetRow {
    std::array<std::string, kInputColumns> cells;
    std::vector<std::string> extra; // one per Sheet::extraColumns, or fewer (the rest empty)

    const std::string &cell(profile::Field field) const { return cells[size_t(field)]; }
    // No score cell holds anything but spaces: the row is no score.
    bool noScore() const;
    // Nor does any carried cell hold anything: there is nothing to keep.
    bool blank() const;
    bool operator==(const SheetRow &other) const;
    bool operator!=(const SheetRow &other) const { return !(*this == other); }
};

// Who was tested and when, as the file's person's rows give it.
struct Identification {
    std::string person;    // the name or code
    std::string birthDate; // ISO dates as written
    std::string testDate;
    std::string battery;
    std::string examiner;

    bool empty() const;
    bool operator==(const Identification &other) const;
};

// How a file was written, so that saving keeps it so.
struct FileShape {
    char delimiter = ',';
    std::string lineEnding = "\n";
    bool byteOrderMark = false;
    // A semicolon-separated file writes its numbers with a decimal comma.
    char decimalMark() const { return delimiter == ';' ? ',' : '.'; }
};

struct Sheet {
    std::vector<SheetRow> rows;
    std::vector<std::string> extraColumns;
    Identification id;
    FileShape shape;
};

// Whether any row has a retest study's cell, or a control sample's, filled.
bool anyStudy(const Sheet &sheet);
bool anyControls(const Sheet &sheet);

// The profile the sheet's rows make: every row with a score cell filled is
// an entry, read with the sheet's decimal mark.
struct SheetProfile {
    profile::Profile profile;
    std::vector<int> rowOfEntry;
    std::vector<int> entryOfRow; // -1 for a row that is no score
};
void readProfile(const Sheet &sheet, SheetProfile &out);

} // namespace battery
