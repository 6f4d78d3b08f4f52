#include "text/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace text {

namespace {

constexpr size_t kBlockSize = 256 * 1024;

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// The cells a line splits into with the given delimiter, a quote opening a
// quoted cell only at the start of a cell.
size_t cellsOfLine(const char *p, const char *end, char delimiter)
{
    size_t cells = 1;
    bool cellStart = true, quoted = false;
    for (; p < end; ++p) {
        if (quoted) {
            if (*p == '"') {
                if (p + 1 < end && p[1] == '"')
                    ++p;
                else
                    quoted = false;
            }
        } else if (*p == delimiter) {
            ++cells;
            cellStart = true;
            continue;
        } else if (*p == '"' && cellStart) {
            quoted = true;
        }
        cellStart = false;
    }
    return cells;
}

// Writes a cell read between quotes back as it stood in the input: the
// opening quote, its quotes doubled, and the closing quote if there was one.
void requote(std::string &cell, bool closed)
{
    const size_t quotes = size_t(std::count(cell.begin(), cell.end(), '"'));
    const size_t size = cell.size();
    cell.resize(size + quotes + (closed ? 2 : 1));
    size_t to = cell.size();
    if (closed)
        cell[--to] = '"';
    for (size_t from = size; from-- > 0;) {
        cell[--to] = cell[from];
        if (cell[from] == '"')
            cell[--to] = '"';
    }
    cell[0] = '"';
}

} // namespace

CsvReader::CsvReader(int fd, char delimiter, long long recordLimit, std::string_view alreadyRead)
    : m_fd(fd), m_delimiter(0), m_buffer(std::max(kBlockSize, alreadyRead.size())),
      m_len(alreadyRead.size()), m_recordLimit(recordLimit)
{
    std::copy(alreadyRead.begin(), alreadyRead.end(), m_buffer.begin());
    if (delimiter != 0)
        setDelimiter(delimiter);
}

CsvReader::CsvReader(std::string_view text, char delimiter)
    : m_fd(-1), m_delimiter(0), m_eof(true), m_splitsEveryCell(true),
      m_buffer(text.begin(), text.end()), m_len(text.size()), m_recordLimit(kRecordLimit)
{
    if (delimiter != 0)
        setDelimiter(delimiter);
}

void CsvReader::setDelimiter(char delimiter)
{
    m_delimiter = delimiter;
    m_endsPlainCell.fill(false);
    for (const char c : {delimiter, '\n', '\r'})
        m_endsPlainCell[(unsigned char)c] = true;
}

bool CsvReader::next(CsvRecord &record)
{
    if (failed() || (!m_started && !start()) || !more())
        return false;
    m_recordStart = bytesConsumed();
    record.problem = RowProblem::None;
    record.surplus.clear();
    record.surplusCells = 0;
    size_t cells = 0;
    for (;;) {
        const bool surplus = m_headerCells > 0 && cells == m_headerCells;
        std::string &cell = surplus ? m_surplusCell : nextCell(record, cells);
        cell.clear();
        if (more() && m_buffer[m_pos] == '"') {
            ++m_pos;
            const bool asWritten = readQuoted(cell, record.problem);
            if (surplus && !asWritten)
                requote(cell, true);
        } else {
            readPlain(cell);
        }
        if (surplus)
            addSurplus(record, cell);
        if (!more())
            break; // the input ends the record
        if (m_buffer[m_pos] == m_delimiter) {
            ++m_pos;
            continue;
        }
        endRecord();
        break;
    }
    record.cells.resize(cells);
    if (m_lineEnding.empty())
        m_lineEnding = "\n";
    if (m_headerCells == 0 && !m_splitsEveryCell)
        m_headerCells = cells;
    ++m_records;
    return !failed();
}

void CsvReader::addSurplus(CsvRecord &record, std::string &cell) const
{
    if (record.surplusCells++ == 0) {
        record.surplus.swap(cell); // no copy of a huge cell
    } else {
        record.surplus += m_delimiter;
        record.surplus += cell;
    }
}

// At a line break: steps over it, CRLF as one.
void CsvReader::endRecord()
{
    const char first = m_buffer[m_pos++];
    const bool crlf = first == '\r' && more() && m_buffer[m_pos] == '\n';
    if (crlf)
        ++m_pos;
    if (m_lineEnding.empty())
        m_lineEnding = crlf ? "\r\n" : std::string(1, first);
}

void CsvReader::readPlain(std::string &cell)
{
    do {
        const char *const begin = m_buffer.data() + m_pos;
        const char *const end = m_buffer.data() + m_len;
        const char *p = begin;
        while (p < end && !m_endsPlainCell[(unsigned char)*p])
            ++p;
        cell.append(begin, size_t(p - begin));
        m_pos += size_t(p - begin);
        if (p < end)
            return;
    } while (more());
}

// After the opening quote: reads to the closing quote, wherever it is. True
// when the cell could not be read cleanly and holds its text as written.
bool CsvReader::readQuoted(std::string &cell, RowProblem &problem)
{
    for (;;) {
        if (!more()) {
            // Never closed: the cell keeps its text as written, but not the
            // line break that ended the input.
            if (!cell.empty() && cell.back() == '\n')
                cell.pop_back();
            if (!cell.empty() && cell.back() == '\r')
                cell.pop_back();
            requote(cell, false);
            if (problem == RowProblem::None)
                problem = RowProblem::UnclosedQuote;
            return true;
        }
        const char *const begin = m_buffer.data() + m_pos;
        const char *const end = m_buffer.data() + m_len;
        const char *quote = static_cast<const char *>(std::memchr(begin, '"', size_t(end - begin)));
        if (quote == nullptr) {
            cell.append(begin, size_t(end - begin));
            m_pos = m_len;
            continue;
        }
        cell.append(begin, size_t(quote - begin));
        m_pos += size_t(quote - begin) + 1;
        if (more() && m_buffer[m_pos] == '"') {
            cell += '"';
            ++m_pos;
            continue;
        }
        break;
    }
    if (more() && !m_endsPlainCell[(unsigned char)m_buffer[m_pos]]) {
        // Text after the closing quote: the cell keeps its text as written.
        requote(cell, true);
        readPlain(cell);
        if (problem == RowProblem::None)
            problem = RowProblem::TextAfterQuote;
        return true;
    }
    return false;
}

// The record's next cell, reusing the strings of earlier records: rows
// mostly have the same width, so reading one allocates nothing.
std::string &CsvReader::nextCell(CsvRecord &record, size_t &cells)
{
    if (cells == record.cells.size())
        record.cells.emplace_back();
    return record.cells[cells++];
}

bool CsvReader::start()
{
    m_started = true;
    while (m_len < 3 && !m_eof)
        if (!fill())
            return false;
    const char *const data = m_buffer.data();
    if (m_len >= 2 && ((data[0] == '\xFF' && data[1] == '\xFE')
                       || (data[0] == '\xFE' && data[1] == '\xFF'))) {
        m_utf16 = true;
        return false;
    }
    if (m_len >= 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0) {
        m_bom = true;
        m_pos = 3;
    }
    if (m_delimiter != 0)
        return true;
    // The delimiter comes from the header line alone, so the whole of that
    // line, and nothing after it, is looked at however the reads fall.
    size_t searched = m_pos;
    for (;;) {
        const char *const begin = m_buffer.data();
        const char *const found = std::find_if(begin + searched, begin + m_len, isLineBreak);
        if (found != begin + m_len || m_eof) {
            chooseDelimiter(size_t(found - begin));
            return true;
        }
        searched = m_len;
        if (!fill())
            return false;
    }
}

void CsvReader::chooseDelimiter(size_t lineEnd)
{
    const char *const begin = m_buffer.data() + m_pos;
    const char *const end = m_buffer.data() + lineEnd;
    const size_t commas = cellsOfLine(begin, end, ',');
    const size_t semicolons = cellsOfLine(begin, end, ';');
    const size_t tabs = cellsOfLine(begin, end, '\t');
    char delimiter = ',';
    if (semicolons > commas)
        delimiter = ';';
    if (tabs > std::max(commas, semicolons))
        delimiter = '\t';
    setDelimiter(delimiter);
}

// True while there is unread text, reading the next block when needed.
bool CsvReader::more()
{
    while (m_pos == m_len) {
        if (m_eof || failed() || !fill())
            return false;
    }
    return true;
}

// Reads what follows the text held. Once all of it has been used the block
// starts afresh; only the header line, before the delimiter is known, makes
// the buffer grow.
bool CsvReader::fill()
{
    const long long limit = m_records == 0 ? std::min(kHeaderLimit, m_recordLimit) : m_recordLimit;
    if (m_consumedBefore + (long long)m_len - m_recordStart > limit) {
        const std::string size = limit % (1 << 20) == 0 ? std::to_string(limit >> 20) + " MB"
                                                         : std::to_string(limit) + " bytes";
        if (m_records == 0)
            m_error = "the first line runs past " + size
                      + " without a line break; it should name the columns";
        else
            m_error = "record " + std::to_string(m_records + 1) + " runs past " + size;
        return false;
    }
    if (m_pos == m_len) {
        m_consumedBefore += (long long)m_pos;
        m_pos = m_len = 0;
        if (m_buffer.size() > kBlockSize)
            std::vector<char>(kBlockSize).swap(m_buffer);
    }
    if (m_len == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2);
    for (;;) {
        const ssize_t n = ::read(m_fd, m_buffer.data() + m_len, m_buffer.size() - m_len);
        if (n > 0) {
            m_len += (size_t)n;
            return true;
        }
        if (n == 0) {
            m_eof = true;
            return true;
        }
        if (errno != EINTR) {
            m_error = std::strerror(errno);
            return false;
        }
    }
}

} // namespace text
