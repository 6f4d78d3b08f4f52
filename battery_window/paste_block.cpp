#include "battery_window/paste_block.h"

#include "conversion/scales.h"
#include "report_window/core_words.h"
#include "text/ascii.h"
#include "text/csv_reader.h"
#include "text/plain_number.h"

#include <algorithm>

namespace battery {

namespace {

// The file's other columns: known, so a header naming them is still one,
// but they are not pasted into rows.
bool isOtherKnownColumn(std::string_view key)
{
    static constexpr std::string_view kKeys[] = {
        "person", "birth_date", "test_date", "battery", "examiner", "percentile_rank", "descriptor",
        "ci_low", "ci_high", "deviation", "deviation_critical", "strength_weakness",
        "deviation_base_rate", "rci", "change", "note", "predicted_retest", "change_z", "change_t",
        "change_p", "change_percent", "change_percent_low", "change_percent_high", "case_t", "case_df",
        "case_p", "case_zcc", "case_zcc_low", "case_zcc_high", "case_percent", "case_percent_low",
        "case_percent_high"};
    return std::find(std::begin(kKeys), std::end(kKeys), key) != std::end(kKeys);
}

int scoreColumnOf(std::string_view cell, const ColumnAliases &aliases)
{
    const std::string key = text::lowerAscii(text::trimmed(cell));
    for (int field = 0; field < kInputColumns; ++field) {
        if (key == columnKey(profile::Field(field)))
            return field;
        const std::vector<std::string> &names = aliases[std::size_t(field)];
        if (std::find(names.begin(), names.end(), key) != names.end())
            return field;
    }
    return -1;
}

bool isNumber(std::string_view cell)
{
    for (char mark : {'.', ','})
        if (text::plainNumberValue(cell, {mark, true}))
            return true;
    return false;
}

// A first row is a header when it names the columns: every cell a known
// name and one of them a score column, or at least two score columns and
// no number.
bool isHeader(const std::vector<std::string> &cells, const ColumnAliases &aliases)
{
    int scoreColumns = 0;
    bool allKnown = true, numbers = false;
    for (const std::string &cell : cells) {
        if (text::trimmed(cell).empty())
            continue;
        if (scoreColumnOf(cell, aliases) >= 0)
            ++scoreColumns;
        else if (!isOtherKnownColumn(text::lowerAscii(text::trimmed(cell))))
            allKnown = false;
        numbers |= isNumber(cell);
    }
    return (allKnown && scoreColumns >= 1) || (scoreColumns >= 2 && !numbers);
}

char delimiterFor(std::string_view text, char decimalMark)
{
    if (text.find('\t') != std::string_view::npos)
        return '\t';
    return decimalMark == ',' ? ';' : 0;
}

} // namespace

PasteProblem readPaste(std::string_view text, char decimalMark, const ColumnAliases &aliases, PasteBlock &out)
{
    out = PasteBlock{};
    if (text.size() > kMaxPasteBytes)
        return {PasteProblem::TooLarge};
    if (text.find('\0') != std::string_view::npos || !text::isValidUtf8(text))
        return {PasteProblem::NotText};
    text::CsvReader reader(text, delimiterFor(text, decimalMark));
    text::CsvRecord record;
    std::size_t row = 0;
    while (reader.next(record)) {
        ++row;
        if (record.problem != text::RowProblem::None)
            return {PasteProblem::BrokenQuote, row};
        for (const std::string &cell : record.cells)
            if (cell.size() > kMaxCellBytes)
                return {PasteProblem::CellTooLong, row};
        if (row == 1 && isHeader(record.cells, aliases)) {
            out.header = true;
            for (const std::string &cell : record.cells) {
                const int column = scoreColumnOf(cell, aliases);
                out.columns.push_back(column);
                const std::string key = text::lowerAscii(text::trimmed(cell));
                if (column < 0 && !key.empty() && !isOtherKnownColumn(key))
                    out.unusedColumns.push_back(cell);
            }
            continue;
        }
        if (out.rows.size() == kMaxScores)
            return {PasteProblem::TooManyRows, row};
        out.width = std::max(out.width, record.cells.size());
        out.rows.push_back(record.cells);
    }
    if (out.rows.empty())
        return {PasteProblem::Empty};
    return {};
}

std::string normalScale(std::string_view cell)
{
    int row = profile::findScale(cell);
    // A scale named as the windows name it ("Wertpunkte (WP)") is that
    // scale; so is its name without the note in brackets, and, as earlier
    // versions named it, in the singular ("Wertpunkt").
    const QString typed = QString::fromUtf8(cell.data(), qsizetype(cell.size())).trimmed();
    for (int r = 0; row < 0 && r < conversion::kAllScaleCount; ++r) {
        const QString title = report::scaleTitle(conversion::kScales[r].name);
        const QString bare = title.section(QStringLiteral(" ("), 0, 0);
        const bool named = typed.compare(title, Qt::CaseInsensitive) == 0 || typed.compare(bare, Qt::CaseInsensitive) == 0
            || (bare != title && bare.endsWith(QLatin1Char('e')) && typed.compare(bare.chopped(1), Qt::CaseInsensitive) == 0);
        if (named || typed.compare(report::scaleKey(conversion::kScales[r].column), Qt::CaseInsensitive) == 0)
            row = profile::findScale(conversion::kScales[r].column);
    }
    if (row < 0)
        return std::string(cell);
    return std::string(conversion::kScales[row].column);
}

} // namespace battery
