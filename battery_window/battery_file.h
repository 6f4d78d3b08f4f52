// The Battery Sheet's file: the long CSV file that `quintaval-convert
// --profile` reads, one row per score, of one person. A file of several
// people gives its first, and the rest is not read, unless everyone is
// asked for. Reading builds a new sheet
// and either succeeds whole or says which line is at fault; writing goes
// through a temporary file, so a failed save leaves the old file as it was.
#pragma once

#include "battery_window/sheet.h"
#include "text/read_files.h"

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace battery {

struct FileProblem {
    enum Kind {
        CannotOpen,      // `why`: the system's reason
        NotAFile,        // a folder, a device or a pipe
        NotText,         // NUL bytes or no UTF-8, at `line` when known
        Utf16,
        ReadFailed,      // `why`
        NoHeader,        // nothing in the file
        MissingColumn,   // `column` is not in the header
        DuplicateColumn, // `column` twice in the header
        TooManyColumns,
        Malformed,       // `line`: a broken quote, or `cells` where the header has `expected`
        CellTooLong,     // `line`, `column`
        TooManyScores,   // `line`: one score more than kMaxScores
        Conflict,        // `column` differs between `otherLine` and `line`
        WriteFailed,     // `why`
    };
    Kind kind = CannotOpen;
    std::size_t line = 0, otherLine = 0;
    std::string column;
    std::size_t cells = 0, expected = 0;
    std::string why;
};

struct FileReading {
    Sheet sheet;
    bool severalPeople = false; // the file goes on with another person's rows
    // Identification columns whose value was longer than a window's field
    // holds (report::kLongestIdPart characters) and is cut to it.
    std::vector<std::string> cutColumns;
    std::vector<Sheet> others;  // the people after the first, when everyone is read
};

// True with `out` filled; false with `problem` set.
bool readBatteryFile(const std::string &path, FileReading &out, FileProblem &problem, bool everyone = false);
bool readBatteryText(std::string_view text, FileReading &out, FileProblem &problem);

// The file's columns: the identification when there is one (on every row,
// so the batch tool keeps the rows together), the score columns, then the
// carried ones; the file's delimiter, line ending and byte-order mark.
// Rows with nothing in them are left out. Never onto one of `reads`.
bool writeBatteryFile(const QString &path, const Sheet &sheet, FileProblem &problem,
                      const text::ReadFiles &reads = {});

} // namespace battery
