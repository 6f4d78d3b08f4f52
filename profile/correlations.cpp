// Reading a correlation matrix from CSV text, and looking correlations up
// by score name.
#include "profile/correlations.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <limits>

#include "text/ascii.h"
#include "text/csv_reader.h"
#include "text/line_counter.h"
#include "text/plain_number.h"
#include "text/text_routines.h"

namespace profile {

const double Correlations::kUnknown = std::numeric_limits<double>::quiet_NaN();

namespace {

// Names compare with A-Z and a-z as one, byte by byte otherwise.
int compareIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int x = lower((unsigned char)a[i]), y = lower((unsigned char)b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// FNV-1a over the bytes with A-Z as a-z.
size_t hashIgnoringCase(std::string_view name)
{
    uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : name) {
        hash ^= c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
        hash *= 1099511628211ULL;
    }
    return size_t(hash ^ (hash >> 32));
}

// The cell number of name k in the header and in every row: the first
// cell holds the row's own name.
size_t cellOf(size_t name)
{
    return name + 2;
}

class Reader {
public:
    Reader(std::string_view text, CorrelationError &error)
        : m_lines(text), m_reader(text), m_error(error)
    {
    }

    bool read(std::vector<std::string> &names, std::vector<double> &values)
    {
        text::CsvRecord record;
        bool header = true;
        for (;;) {
            const size_t line = m_lines.lineAt(size_t(m_reader.bytesConsumed()));
            if (!m_reader.next(record))
                break;
            if (record.problem != text::RowProblem::None)
                return fail(CorrelationError::BrokenQuote, line, 0, {});
            if (record.cells.size() == 1 && text::trimmed(record.cells[0]).empty())
                continue; // a blank line
            if (header ? !readHeader(record, line) : !readRow(record, line))
                return false;
            header = false;
        }
        if (m_reader.isUtf16())
            return fail(CorrelationError::Utf16, 1, 0, {});
        if (header)
            return fail(CorrelationError::Empty, 1, 0, {});
        for (size_t i = 0; i < m_names.size(); ++i)
            if (m_rowLine[i] == 0)
                return fail(CorrelationError::MissingRow, 1, cellOf(i), m_names[i]);
        names = std::move(m_names);
        values = std::move(m_values);
        return true;
    }

private:
    bool fail(CorrelationError::Kind kind, size_t line, size_t cell, std::string_view text,
              size_t otherLine = 0, size_t otherCell = 0, std::string_view otherText = {})
    {
        m_error = {kind, line, cell, std::string(text), otherLine, otherCell,
                   std::string(otherText)};
        return false;
    }

    bool readHeader(const text::CsvRecord &record, size_t line)
    {
        const std::vector<std::string> &cells = record.cells;
        if (!text::equalsIgnoringCase(text::trimmed(cells[0]), "name") || cells.size() < 2)
            return fail(CorrelationError::BadHeader, line, 1, cells[0]);
        if (cells.size() - 1 > Correlations::kMaxNames)
            return fail(CorrelationError::TooManyNames, line, 0, {});
        for (size_t i = 1; i < cells.size(); ++i) {
            const std::string_view name = text::trimmed(cells[i]);
            if (name.empty())
                return fail(CorrelationError::EmptyName, line, i + 1, cells[i]);
            if (name.find('\0') != std::string_view::npos || !text::isValidUtf8(name))
                return fail(CorrelationError::NotText, line, i + 1, {});
            for (size_t j = 0; j < m_names.size(); ++j)
                if (compareIgnoringCase(m_names[j], name) == 0)
                    return fail(CorrelationError::DuplicateName, line, i + 1, cells[i], line,
                                cellOf(j), m_names[j]);
            m_names.emplace_back(name);
        }
        m_width = cells.size();
        m_rowLine.assign(m_names.size(), 0);
        m_values.assign(m_names.size() * m_names.size(), Correlations::kUnknown);
        // Cells with a semicolon or a tab between them may use a decimal comma.
        m_commaToo = m_reader.delimiter() != ',';
        return true;
    }

    int indexOf(std::string_view name) const
    {
        for (size_t i = 0; i < m_names.size(); ++i)
            if (compareIgnoringCase(m_names[i], name) == 0)
                return int(i);
        return -1;
    }

    bool readRow(const text::CsvRecord &record, size_t line)
    {
        const std::vector<std::string> &cells = record.cells;
        if (cells.size() > m_width)
            return fail(CorrelationError::TooManyCells, line, m_width + 1, cells[m_width]);
        const std::string_view name = text::trimmed(cells[0]);
        if (name.empty())
            return fail(CorrelationError::EmptyName, line, 1, cells[0]);
        const int row = indexOf(name);
        if (row < 0)
            return fail(CorrelationError::UnknownName, line, 1, cells[0]);
        if (m_rowLine[size_t(row)] != 0)
            return fail(CorrelationError::DuplicateName, line, 1, cells[0], m_rowLine[size_t(row)],
                        1, m_names[size_t(row)]);
        m_rowLine[size_t(row)] = line;
        const size_t n = m_names.size();
        for (size_t cell = 2; cell <= cells.size(); ++cell) {
            const std::string &written = cells[cell - 1];
            if (text::trimmed(written).empty())
                continue;
            std::optional<double> value = text::plainNumberValue(written, {'.', false});
            if (!value && m_commaToo)
                value = text::plainNumberValue(written, {',', false});
            if (!value)
                return fail(CorrelationError::NotANumber, line, cell, written);
            if (!(*value >= -1 && *value <= 1))
                return fail(CorrelationError::OutOfRange, line, cell, written);
            const size_t column = cell - 2;
            if (column == size_t(row)) {
                if (*value != 1)
                    return fail(CorrelationError::BadDiagonal, line, cell, written);
                continue;
            }
            const double mirror = m_values[column * n + size_t(row)];
            if (!std::isnan(mirror) && mirror != *value) {
                const size_t otherLine = m_rowLine[column];
                const size_t otherCell = cellOf(size_t(row));
                return fail(CorrelationError::Disagrees, line, cell, written, otherLine, otherCell,
                            text::Str(mirror));
            }
            m_values[size_t(row) * n + column] = *value;
        }
        return true;
    }

    text::LineCounter m_lines;
    text::CsvReader m_reader;
    CorrelationError &m_error;
    std::vector<std::string> m_names;
    std::vector<size_t> m_rowLine; // 0: no row yet
    std::vector<double> m_values;  // as given, NaN where not
    size_t m_width = 0;
    bool m_commaToo = false;
};

} // namespace

bool Correlations::parse(std::string_view text, Correlations &out, CorrelationError &error)
{
    std::vector<std::string> names;
    std::vector<double> values;
    if (!Reader(text, error).read(names, values))
        return false;
    const size_t n = names.size();
    size_t known = 0;
    for (size_t i = 0; i < n; ++i) {
        values[i * n + i] = 1;
        for (size_t j = i + 1; j < n; ++j) {
            double &upper = values[i * n + j], &lower = values[j * n + i];
            if (std::isnan(upper))
                upper = lower;
            else
                lower = upper;
            known += std::isnan(upper) ? 0 : 1;
        }
    }
    Correlations result;
    result.m_names = std::move(names);
    result.m_values = std::move(values);
    result.m_knownPairs = known;
    static std::atomic<unsigned long long> read{0};
    result.m_serial = ++read;
    size_t slots = 16;
    while (slots < 2 * n)
        slots *= 2;
    result.m_slots.assign(slots, -1);
    for (size_t i = 0; i < n; ++i) {
        size_t at = hashIgnoringCase(result.m_names[i]) & (slots - 1);
        while (result.m_slots[at] >= 0)
            at = (at + 1) & (slots - 1);
        result.m_slots[at] = int(i);
    }
    out = std::move(result);
    return true;
}

int Correlations::indexOf(std::string_view name) const
{
    if (m_slots.empty())
        return -1;
    const std::string_view wanted = text::trimmed(name);
    const size_t mask = m_slots.size() - 1;
    for (size_t at = hashIgnoringCase(wanted) & mask; m_slots[at] >= 0; at = (at + 1) & mask)
        if (compareIgnoringCase(m_names[size_t(m_slots[at])], wanted) == 0)
            return m_slots[at];
    return -1;
}

std::string errorMessage(const CorrelationError &error)
{
    const auto quoted = [](const std::string &text) { return "\"" + text + "\""; };
    std::string where = "line " + std::to_string(error.line);
    if (error.cell > 0)
        where += ", cell " + std::to_string(error.cell);
    std::string what;
    switch (error.kind) {
    case CorrelationError::Empty:
        what = "the file is empty; it needs the header \"name,<name>,...\" and one row per name";
        break;
    case CorrelationError::BadHeader:
        what = "the header must be \"name\" followed by the names of the scores";
        break;
    case CorrelationError::EmptyName:
        what = "the name is empty";
        break;
    case CorrelationError::DuplicateName:
        what = error.cell == 1 ? quoted(error.text) + " has a row already on line "
                                     + std::to_string(error.otherLine)
                               : quoted(error.text) + " is named already in cell "
                                     + std::to_string(error.otherCell);
        break;
    case CorrelationError::UnknownName:
        what = quoted(error.text) + " is not named in the header";
        break;
    case CorrelationError::MissingRow:
        what = quoted(error.text) + " has no row";
        break;
    case CorrelationError::TooManyCells:
        what = "the row has more cells than the header";
        break;
    case CorrelationError::BrokenQuote:
        what = "a quoted cell is not closed properly";
        break;
    case CorrelationError::NotANumber:
        what = quoted(error.text) + " is not a number";
        break;
    case CorrelationError::OutOfRange:
        what = quoted(error.text) + " is not a correlation from -1 to 1";
        break;
    case CorrelationError::BadDiagonal:
        what = quoted(error.text) + " is on the diagonal, which must be 1 or empty";
        break;
    case CorrelationError::Disagrees:
        what = quoted(error.text) + " disagrees with " + quoted(error.otherText) + " on line "
               + std::to_string(error.otherLine) + ", cell " + std::to_string(error.otherCell);
        break;
    case CorrelationError::NotText:
        what = "the name holds a NUL byte or is not valid UTF-8 text";
        break;
    case CorrelationError::TooManyNames:
        what = "the header names more than " + std::to_string(Correlations::kMaxNames) + " scores";
        break;
    case CorrelationError::Utf16:
        what = "the file is UTF-16; it must be UTF-8 (save it as CSV UTF-8)";
        break;
    }
    return where + ": " + what;
}

} // namespace profile
