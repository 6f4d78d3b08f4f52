// Streams CSV records from a file descriptor, reading in large blocks so
// that memory stays flat whatever the file's size. Quoting follows RFC 4180;
// lines may end in CRLF, LF or a lone CR. A record that cannot be read
// cleanly still comes back, flagged, so that no input row is ever lost: a
// quoted cell that spans lines is accepted only when the record it makes is
// well formed, otherwise its first line stands alone and reading resumes on
// the next line.
#pragma once

#include <string>
#include <vector>

namespace batch {

enum class RowProblem { None, UnclosedQuote, TextAfterQuote };

struct CsvRecord {
    std::vector<std::string> cells;
    RowProblem problem = RowProblem::None;
};

class CsvReader {
public:
    // delimiter 0: take it from the first line (comma, semicolon or tab).
    explicit CsvReader(int fd, char delimiter = 0);

    // The next record; false at the end of the input or on a read failure.
    bool next(CsvRecord &record);

    bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

    // Known once the first record has been read.
    char delimiter() const { return m_delimiter; }
    bool hadByteOrderMark() const { return m_bom; }
    const std::string &lineEnding() const { return m_lineEnding; }

    long long bytesConsumed() const { return m_consumedBefore + (long long)m_pos; }

private:
    enum class Scan { Done, NeedMore, RetryLineOnly };

    bool start();
    bool fill();
    void detectDelimiter();
    Scan scan(CsvRecord &record, bool lineOnly, size_t &used) const;
    Scan scanQuoted(const char *&p, std::string &cell, CsvRecord &record, bool lineOnly,
                    bool &spansLines) const;
    static std::string &nextCell(CsvRecord &record, size_t &cells);
    Scan endOfLine(const char *p, const char *&after) const;
    void noteLineEnding(size_t used);

    int m_fd;
    char m_delimiter;
    bool m_started = false;
    bool m_bom = false;
    bool m_eof = false;
    std::string m_error;
    std::string m_lineEnding;
    size_t m_headerCells = 0;

    std::vector<char> m_buffer;
    size_t m_pos = 0; // start of the unread text
    size_t m_len = 0; // end of the text read so far
    long long m_consumedBefore = 0;
};

} // namespace batch
