// Writes CSV records to a file descriptor through a large buffer, quoting a
// cell (RFC 4180) only when it holds the delimiter, a quote or a line break.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace text {

class CsvWriter {
public:
    CsvWriter(int fd, char delimiter, std::string lineEnding);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void writeByteOrderMark();
    void cell(std::string_view text);
    // A number: no quote, line break or delimiter but a decimal comma can
    // be in it, so most need no look at their characters.
    void numberCell(std::string_view text)
    {
        if (m_rowStarted && text.size() + 1 < m_buffer.size() - m_len) {
            char *const out = m_buffer.data() + m_len;
            out[0] = m_delimiter;
            bool delimiter = false;
            for (size_t i = 0; i < text.size(); ++i) {
                out[i + 1] = text[i];
                delimiter |= text[i] == m_delimiter;
            }
            if (!delimiter) {
                m_len += text.size() + 1;
                return;
            }
        }
        cell(text);
    }
    // Cells already written as CSV, with this writer's delimiter.
    void writtenCells(std::string_view text);
    void endRow();

    // Writes out what is buffered; false once any write has failed.
    bool flush();

    bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

private:
    void put(const char *data, size_t size)
    {
        if (size <= m_buffer.size() - m_len && size <= 16) {
            for (size_t i = 0; i < size; ++i)
                m_buffer[m_len + i] = data[i];
            m_len += size;
        } else {
            putSlow(data, size);
        }
    }
    void put(char c) { put(&c, 1); }
    void putSlow(const char *data, size_t size);
    void writeAll(const char *data, size_t size);
    bool needsQuotes(std::string_view text) const;

    int m_fd;
    char m_delimiter;
    std::string m_lineEnding;
    bool m_rowStarted = false;
    std::array<bool, 256> m_special{}; // bytes that make a cell need quotes
    std::string m_error;
    std::vector<char> m_buffer;
    size_t m_len = 0;
};

} // namespace text
