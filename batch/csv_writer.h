// Writes CSV records to a file descriptor through a large buffer, quoting a
// cell (RFC 4180) only when it holds the delimiter, a quote or a line break.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace batch {

class CsvWriter {
public:
    CsvWriter(int fd, char delimiter, std::string lineEnding);
    ~CsvWriter();
    CsvWriter(const CsvWriter &) = delete;
    CsvWriter &operator=(const CsvWriter &) = delete;

    void writeByteOrderMark();
    void cell(std::string_view text);
    void endRow();

    // Writes out what is buffered; false once any write has failed.
    bool flush();

    bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

private:
    void put(const char *data, size_t size);
    void put(char c);
    bool needsQuotes(std::string_view text) const;

    int m_fd;
    char m_delimiter;
    std::string m_lineEnding;
    bool m_rowStarted = false;
    std::string m_error;
    std::vector<char> m_buffer;
    size_t m_len = 0;
};

} // namespace batch
