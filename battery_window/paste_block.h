// A block of cells pasted from a spreadsheet or a text file: tab-separated
// (what spreadsheets put on the clipboard) or comma-separated, with or
// without a header row naming the columns. Nothing here changes the sheet:
// the window decides where the block goes and makes one undoable step of it.
#pragma once

#include "battery_window/sheet.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace battery {

// A paste larger than this is no battery.
constexpr std::size_t kMaxPasteBytes = std::size_t(8) << 20;

struct PasteBlock {
    bool header = false;
    // With a header, the score column each block column goes to (-1: none);
    // without one, empty: the block goes column after column from where it
    // is pasted.
    std::vector<int> columns;
    std::vector<std::vector<std::string>> rows;
    // Header names the sheet has no column for, as written.
    std::vector<std::string> unusedColumns;
    std::size_t width = 0; // cells of the widest row
};

struct PasteProblem {
    enum Kind { None, Empty, TooLarge, NotText, TooManyRows, CellTooLong, BrokenQuote };
    Kind kind = None;
    std::size_t row = 0; // 1 for the block's first row
};

// Other names a header may give a score column (the window's own column
// captions, say), lower-cased; the file's column names are always known.
using ColumnAliases = std::array<std::vector<std::string>, kInputColumns>;

// decimalMark: the sheet's; with a decimal comma, a block without tabs is
// read as semicolon-separated so that "0,85" stays one cell.
PasteProblem readPaste(std::string_view text, char decimalMark, const ColumnAliases &aliases, PasteBlock &out);

// A scale as the sheet keeps it: a known scale by its file name
// ("Wechsler IQ" -> "wechsler"), anything else as it was.
std::string normalScale(std::string_view cell);

} // namespace battery
