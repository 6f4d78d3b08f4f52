// The correlations between scores, by score name, as a CSV file gives them:
// the header "name,<name>,<name>,...", then one row per name, its first
// cell the name. Values lie in [-1, 1]; the diagonal is 1 or empty; the
// lower triangle, the upper one or both may be given, and both must agree.
// An empty cell is a correlation not known. Names are matched with spaces
// around them and A-Z/a-z case ignored, so one file serves every person of
// a batch file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

struct CorrelationError {
    enum Kind {
        Empty,             // no header
        BadHeader,         // first cell not "name"
        EmptyName,         // a name in the header or a row is empty
        DuplicateName,     // in the header (otherCell) or a second row (otherLine)
        UnknownName,       // a row's name is not in the header
        MissingRow,        // a header name without a row (`text` is the name)
        TooManyCells,
        BrokenQuote,       // a quoted cell not closed properly
        NotANumber,
        OutOfRange,        // outside [-1, 1]
        BadDiagonal,       // neither empty nor 1
        Disagrees,         // with the other triangle, at otherLine/otherCell
        NotText,           // a name holding a NUL byte or no valid UTF-8
        TooManyNames,      // more than kMaxNames
        Utf16,             // the file is UTF-16, not UTF-8
    };
    Kind kind = Empty;
    size_t line = 0;      // 1 for the header
    size_t cell = 0;      // 1 for the first cell; 0 for the whole line
    std::string text;     // the cell as written
    size_t otherLine = 0, otherCell = 0;
    std::string otherText;
};

// "line 3, cell 4: ..." in English, for the batch tool.
std::string errorMessage(const CorrelationError &error);

class Correlations {
public:
    // A battery has tens of scores; the matrix of more than this many would
    // be a hostile file's way to exhaust memory.
    static constexpr size_t kMaxNames = 1000;
    // The largest file read: room for the whole matrix of kMaxNames
    // scores, both triangles, at some 16 characters a cell.
    static constexpr size_t kFileLimit = size_t(16) << 20;

    // Knows no correlation.
    Correlations() = default;

    // Reads the CSV text (a comma, semicolon or tab between cells, taken from
    // the header; with a semicolon or a tab, a decimal comma is read too).
    // True with `out` replaced; false with `error` set and `out` unchanged.
    static bool parse(std::string_view text, Correlations &out, CorrelationError &error);

    const std::vector<std::string> &names() const { return m_names; }
    bool empty() const { return m_names.empty(); }

    // The index of a name in names(); -1 when the file does not name it.
    int indexOf(std::string_view name) const;

    // NaN when not known (or either index is -1); 1 on the diagonal.
    double at(int i, int j) const
    {
        if (i < 0 || j < 0)
            return kUnknown;
        return m_values[size_t(i) * m_names.size() + size_t(j)];
    }
    double between(std::string_view a, std::string_view b) const
    {
        return at(indexOf(a), indexOf(b));
    }

    // Pairs of two different names whose correlation is known.
    size_t knownPairs() const { return m_knownPairs; }

    // Different for every matrix read (0: none), the same for its copies:
    // what a memory of look-ups is keyed by.
    unsigned long long serial() const { return m_serial; }

    static const double kUnknown; // quiet NaN

private:
    std::vector<std::string> m_names;
    std::vector<double> m_values; // row-major, both triangles filled
    // Indices of m_names by a hash of the name, case ignored (-1: free): a
    // batch file looks every score of every person up.
    std::vector<int> m_slots;
    size_t m_knownPairs = 0;
    unsigned long long m_serial = 0;
};

} // namespace profile
