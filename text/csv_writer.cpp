#include "text/csv_writer.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <unistd.h>

namespace text {

namespace {
constexpr size_t kBufferSize = 256 * 1024;
}

CsvWriter::CsvWriter(int fd, char delimiter, std::string lineEnding)
    : m_fd(fd), m_delimiter(delimiter), m_lineEnding(std::move(lineEnding)),
      m_buffer(kBufferSize)
{
    for (const unsigned char c : {(unsigned char)delimiter, (unsigned char)'"',
                                  (unsigned char)'\n', (unsigned char)'\r'})
        m_special[c] = true;
}

CsvWriter::~CsvWriter()
{
    flush();
}

void CsvWriter::writeByteOrderMark()
{
    put("\xEF\xBB\xBF", 3);
}

void CsvWriter::cell(std::string_view text)
{
    // Most cells are short and need no quotes: copied and checked in one
    // pass, straight into the buffer; a longer one is copied whole, then
    // looked over eight bytes at a time.
    if (text.size() + 1 < m_buffer.size() - m_len) {
        char *const out = m_buffer.data() + m_len;
        size_t n = 0;
        if (m_rowStarted)
            out[n++] = m_delimiter;
        bool special = false;
        if (text.size() <= 16) {
            for (size_t i = 0; i < text.size(); ++i) {
                special |= m_special[(unsigned char)text[i]];
                out[n + i] = text[i];
            }
        } else {
            std::memcpy(out + n, text.data(), text.size());
            special = needsQuotes(text);
        }
        if (!special) {
            m_len += n + text.size();
            m_rowStarted = true;
            return;
        }
    }
    if (m_rowStarted)
        put(m_delimiter);
    m_rowStarted = true;
    if (!needsQuotes(text)) {
        put(text.data(), text.size());
        return;
    }
    put('"');
    for (size_t from = 0;;) {
        const size_t quote = text.find('"', from);
        if (quote == std::string_view::npos) {
            put(text.data() + from, text.size() - from);
            break;
        }
        put(text.data() + from, quote + 1 - from);
        put('"');
        from = quote + 1;
    }
    put('"');
}

void CsvWriter::writtenCells(std::string_view text)
{
    if (m_rowStarted)
        put(m_delimiter);
    m_rowStarted = true;
    put(text.data(), text.size());
}

void CsvWriter::endRow()
{
    put(m_lineEnding.data(), m_lineEnding.size());
    m_rowStarted = false;
}

namespace {

constexpr uint64_t kOnes = 0x0101010101010101ULL;

// Whether any of the eight bytes in `word` is `c`.
bool holds(uint64_t word, unsigned char c)
{
    const uint64_t x = word ^ (kOnes * c);
    return ((x - kOnes) & ~x & (kOnes * 0x80)) != 0;
}

} // namespace

bool CsvWriter::needsQuotes(std::string_view text) const
{
    if (text.size() < 8) {
        for (const char c : text)
            if (m_special[(unsigned char)c])
                return true;
        return false;
    }
    const auto special = [&](size_t at) {
        uint64_t word;
        std::memcpy(&word, text.data() + at, sizeof word);
        return holds(word, (unsigned char)m_delimiter) || holds(word, '"') || holds(word, '\n')
               || holds(word, '\r');
    };
    size_t at = 0;
    for (; at + 8 <= text.size(); at += 8)
        if (special(at))
            return true;
    return at < text.size() && special(text.size() - 8);
}

void CsvWriter::putSlow(const char *data, size_t size)
{
    if (size == 0)
        return;
    if (m_buffer.size() - m_len < size) {
        flush();
        if (size > m_buffer.size()) {
            // A huge cell goes out as it is rather than through a buffer as
            // large as itself.
            writeAll(data, size);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_len, data, size);
    m_len += size;
}

bool CsvWriter::flush()
{
    writeAll(m_buffer.data(), m_len);
    m_len = 0;
    return !failed();
}

void CsvWriter::writeAll(const char *data, size_t size)
{
    size_t done = 0;
    while (done < size && !failed()) {
        const ssize_t n = ::write(m_fd, data + done, size - done);
        if (n >= 0)
            done += (size_t)n;
        else if (errno != EINTR)
            m_error = std::strerror(errno);
    }
}

} // namespace text
