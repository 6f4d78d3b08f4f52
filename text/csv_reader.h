// Streams CSV records from a file descriptor in fixed blocks (or from text
// in memory), one pass over
// the input whatever its shape: a record is built cell by cell as the bytes
// arrive, so memory holds the record being read and one block, and nothing
// is ever read twice. Quoting follows RFC 4180; lines may end in CRLF, LF or
// a lone CR. A quoted cell runs to its closing quote, over line breaks if
// need be, so a record broken across lines stays one record (and, when its
// cells do not fit the header, one malformed row) rather than leaving its
// tail to pose as the next row. A record that cannot be read cleanly still
// comes back, flagged, with its text, so that no input is ever lost; cells
// beyond the header's width come back as the text they were written as.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace text {

enum class RowProblem { None, UnclosedQuote, TextAfterQuote };

struct CsvRecord {
    std::vector<std::string> cells;
    RowProblem problem = RowProblem::None;
    // Cells beyond the header's width are not split apart: a line of
    // millions of tiny cells would cost far more as strings than as text.
    // They are kept as written, delimiters and quotes included.
    std::string surplus;
    size_t surplusCells = 0;

    size_t cellCount() const { return cells.size() + surplusCells; }
};

// The most a header line and a record may hold: a file of scores has short
// lines, and without a limit a line that never ends (/dev/zero) would take
// all memory.
constexpr long long kHeaderLimit = 1LL << 20;
constexpr long long kRecordLimit = 256LL << 20;

class CsvReader {
public:
    // delimiter 0: take it from the first line (comma, semicolon or tab).
    // alreadyRead: the first bytes of the stream, read before.
    explicit CsvReader(int fd, char delimiter = 0, long long recordLimit = kRecordLimit,
                       std::string_view alreadyRead = {});
    // Reads text already in memory (a small file read whole, a paste); every
    // cell of every record comes back as a cell of its own.
    explicit CsvReader(std::string_view text, char delimiter = 0);

    // The next record; false at the end of the input, on a read failure, and
    // for input that is not UTF-8.
    bool next(CsvRecord &record);

    bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

    // The input starts with a UTF-16 byte-order mark and was not read.
    bool isUtf16() const { return m_utf16; }

    // Known once the first record has been read.
    char delimiter() const { return m_delimiter; }
    bool hadByteOrderMark() const { return m_bom; }
    const std::string &lineEnding() const { return m_lineEnding; }

    long long bytesConsumed() const { return m_consumedBefore + (long long)m_pos; }

private:
    bool start();
    bool fill();
    bool more();
    void chooseDelimiter(size_t lineEnd);
    void setDelimiter(char delimiter);
    void readPlain(std::string &cell);
    bool readQuoted(std::string &cell, RowProblem &problem);
    void addSurplus(CsvRecord &record, std::string &cell) const;
    void endRecord();
    static std::string &nextCell(CsvRecord &record, size_t &cells);

    int m_fd;
    char m_delimiter;
    std::array<bool, 256> m_endsPlainCell{};
    bool m_started = false;
    bool m_bom = false;
    bool m_utf16 = false;
    bool m_eof = false;
    bool m_splitsEveryCell = false;
    std::string m_error;
    std::string m_lineEnding;
    size_t m_headerCells = 0;
    std::string m_surplusCell;

    std::vector<char> m_buffer;
    size_t m_pos = 0; // start of the unread text
    size_t m_len = 0; // end of the text read so far
    long long m_consumedBefore = 0;
    long long m_recordStart = 0; // where the record being read starts
    long long m_records = 0;     // records read, the header included
    long long m_recordLimit;
};

} // namespace text
