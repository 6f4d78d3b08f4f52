#include "batch/csv_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace batch {

namespace {

constexpr size_t kBlockSize = 256 * 1024;

// A quoted cell may run over several lines, but a quote still open this far
// into its record is taken to be a stray one rather than a very long cell.
constexpr size_t kMaxQuotedSpan = 1024 * 1024;

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

} // namespace

CsvReader::CsvReader(int fd, char delimiter)
    : m_fd(fd), m_delimiter(delimiter), m_buffer(kBlockSize)
{
}

bool CsvReader::next(CsvRecord &record)
{
    if (failed() || (!m_started && !start()))
        return false;
    bool lineOnly = false;
    for (;;) {
        if (m_pos == m_len) {
            if (m_eof || !fill())
                return false;
            continue;
        }
        size_t used = 0;
        const Scan scanned = scan(record, lineOnly, used);
        if (scanned == Scan::NeedMore) {
            if (!fill())
                return false;
            continue;
        }
        if (scanned == Scan::RetryLineOnly) {
            lineOnly = true;
            continue;
        }
        if (m_headerCells == 0) {
            m_headerCells = record.cells.size();
            noteLineEnding(used);
        }
        m_pos += used;
        return true;
    }
}

bool CsvReader::start()
{
    m_started = true;
    while (m_len < 3 && !m_eof)
        if (!fill())
            return false;
    if (m_len >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0) {
        m_bom = true;
        m_pos = 3;
    }
    if (m_delimiter != 0)
        return true;
    // The whole first line is needed to choose the delimiter.
    size_t searched = m_pos;
    for (;;) {
        const char *begin = m_buffer.data();
        const char *found = std::find_if(begin + searched, begin + m_len, isLineBreak);
        if (found != begin + m_len || m_eof)
            break;
        searched = m_len - m_pos;
        if (!fill())
            return false;
    }
    detectDelimiter();
    return true;
}

bool CsvReader::fill()
{
    if (m_pos > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_pos, m_len - m_pos);
        m_len -= m_pos;
        m_consumedBefore += (long long)m_pos;
        m_pos = 0;
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

void CsvReader::detectDelimiter()
{
    size_t commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (size_t i = m_pos; i < m_len; ++i) {
        const char c = m_buffer[i];
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (isLineBreak(c))
            break;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\t')
            ++tabs;
    }
    m_delimiter = ',';
    if (semicolons > commas)
        m_delimiter = ';';
    if (tabs > std::max(commas, semicolons))
        m_delimiter = '\t';
}

CsvReader::Scan CsvReader::scan(CsvRecord &record, bool lineOnly, size_t &used) const
{
    const char *const begin = m_buffer.data() + m_pos;
    const char *const end = m_buffer.data() + m_len;
    const char *p = begin;
    record.problem = RowProblem::None;
    size_t cells = 0;
    bool spansLines = false;
    for (;;) {
        if (p < end && *p == '"') {
            const Scan scanned = scanQuoted(p, nextCell(record, cells), record, lineOnly,
                                            spansLines);
            if (scanned != Scan::Done)
                return scanned;
        } else {
            const char *q = p;
            while (q < end && *q != m_delimiter && !isLineBreak(*q))
                ++q;
            if (q == end && !m_eof)
                return Scan::NeedMore;
            nextCell(record, cells).assign(p, q);
            p = q;
        }
        if (p < end && *p == m_delimiter) {
            ++p;
            continue;
        }
        const char *after = nullptr;
        if (endOfLine(p, after) == Scan::NeedMore)
            return Scan::NeedMore;
        used = (size_t)(after - begin);
        break;
    }
    record.cells.resize(cells);
    const bool clean = record.problem == RowProblem::None
                       && (m_headerCells == 0 || record.cells.size() == m_headerCells);
    return spansLines && !clean ? Scan::RetryLineOnly : Scan::Done;
}

// Reads the quoted cell at p and leaves p on what follows it. In lineOnly
// mode a line break ends the record even inside the quotes.
CsvReader::Scan CsvReader::scanQuoted(const char *&p, std::string &cell, CsvRecord &record,
                                      bool lineOnly, bool &spansLines) const
{
    const char *const begin = m_buffer.data() + m_pos;
    const char *const end = m_buffer.data() + m_len;
    const char *const open = p;
    const char *q = p + 1;
    const char *run = q;
    cell.clear();
    for (;;) {
        while (q < end && *q != '"' && !isLineBreak(*q))
            ++q;
        if (q == end && !m_eof)
            return Scan::NeedMore;
        if (q == end || isLineBreak(*q)) {
            if (q == end && !lineOnly)
                return Scan::RetryLineOnly;
            if (lineOnly) {
                cell.assign(open, q);
                if (record.problem == RowProblem::None)
                    record.problem = RowProblem::UnclosedQuote;
                p = q;
                return Scan::Done;
            }
            spansLines = true;
            if ((size_t)(q - begin) > kMaxQuotedSpan)
                return Scan::RetryLineOnly;
            ++q;
            continue;
        }
        if (q + 1 == end && !m_eof)
            return Scan::NeedMore;
        if (q + 1 < end && q[1] == '"') {
            cell.append(run, q + 1);
            q += 2;
            run = q;
            continue;
        }
        cell.append(run, q);
        ++q;
        break;
    }
    if (q < end && *q != m_delimiter && !isLineBreak(*q)) {
        // Text after the closing quote: the cell keeps its text as written.
        while (q < end && *q != m_delimiter && !isLineBreak(*q))
            ++q;
        if (q == end && !m_eof)
            return Scan::NeedMore;
        cell.assign(open, q);
        if (record.problem == RowProblem::None)
            record.problem = RowProblem::TextAfterQuote;
    }
    p = q;
    return Scan::Done;
}

// The record's next cell, reusing the strings of earlier records: rows
// mostly have the same width, so reading one allocates nothing.
std::string &CsvReader::nextCell(CsvRecord &record, size_t &cells)
{
    if (cells == record.cells.size())
        record.cells.emplace_back();
    return record.cells[cells++];
}

CsvReader::Scan CsvReader::endOfLine(const char *p, const char *&after) const
{
    const char *const end = m_buffer.data() + m_len;
    if (p == end) {
        after = p;
        return m_eof ? Scan::Done : Scan::NeedMore;
    }
    if (*p == '\r' && p + 1 == end && !m_eof)
        return Scan::NeedMore;
    after = p + ((*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1);
    return Scan::Done;
}

void CsvReader::noteLineEnding(size_t used)
{
    const char *end = m_buffer.data() + m_pos + used;
    if (used >= 2 && end[-2] == '\r' && end[-1] == '\n')
        m_lineEnding = "\r\n";
    else if (used >= 1 && end[-1] == '\r')
        m_lineEnding = "\r";
    else
        m_lineEnding = "\n";
}

} // namespace batch
