#include "batch/cell_notes.h"

#include "text/ascii.h"

namespace batch {

std::string quoted(std::string_view cell)
{
    if (cell.size() <= kQuotedCellLimit)
        return "\"" + std::string(cell) + "\"";
    size_t cut = kQuotedCellLimit;
    while (cut > 0 && (static_cast<unsigned char>(cell[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 character
    return "\"" + std::string(cell.substr(0, cut)) + "...\"";
}

std::string columnKey(std::string_view name)
{
    return text::lowerAscii(text::trimmed(name));
}

std::string malformedNote(const text::CsvRecord &record, std::size_t headerSize)
{
    switch (record.problem) {
    case text::RowProblem::UnclosedQuote:
        return "malformed row: a quoted cell is not closed";
    case text::RowProblem::TextAfterQuote:
        return "malformed row: text follows the closing quote of a cell";
    case text::RowProblem::None:
        break;
    }
    return "malformed row: " + std::to_string(record.cellCount()) + " cells where the header has "
           + std::to_string(headerSize);
}

} // namespace batch
