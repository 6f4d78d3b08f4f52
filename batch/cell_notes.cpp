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

} // namespace batch
