// SPSS (.sav, .zsav, .por) and Stata (.dta) files as ends of the row
// pipeline, read and written with ReadStat.
//
// Reading, each value becomes the text a CSV file would hold ("115",
// "0.9", "" for a missing value); in the columns read as numbers a
// user-defined missing value is empty too, so that a code such as 999 is
// never taken for a score. The value itself, as stored, is kept beside the
// text, so that a sink writing SPSS or Stata passes an input cell on
// unchanged.
//
// Writing, every variable of the input keeps its name, type, label, format,
// measure, value labels and missing values, and the file its label and
// notes; what the tool adds follows its OutputColumn. A file read from CSV
// learns each column's type from all its cells, so its rows are held in a
// temporary file (unlinked at once) until the last one is in; so are the
// rows of a file whose row count is not known beforehand (.por).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "batch/table.h"

namespace batch {

enum class StatFormat { None, Sav, Zsav, Por, Dta };

// The format the first bytes of a file (512 of them, or as many as it has)
// are written in.
StatFormat statFormatOf(std::string_view firstBytes);
// The format a file name's extension names.
StatFormat statFormatOfName(std::string_view path);
// "SPSS" or "Stata".
const char *statProgram(StatFormat format);

// A name the format accepts: ASCII letters, digits and '_' (SPSS also '.',
// '@', '#', '$' after the first character), starting with a letter, within
// longestName(), and no reserved word. Not made unique.
std::string validName(std::string_view name, StatFormat format);
size_t longestName(StatFormat format);
size_t longestLabel(StatFormat format);
// At most `bytes` of a UTF-8 text, never half a character.
std::string cut(std::string_view text, size_t bytes);

// A value as stored.
struct StatValue {
    enum Kind : uint8_t { Number, SystemMissing, TaggedMissing, Text };
    Kind kind = SystemMissing;
    char tag = 0; // of a Stata missing value .a to .z
    double number = 0;
};

// One user-defined missing value, or a range of them (lo == hi for one).
struct StatMissing {
    bool text = false;
    double low = 0, high = 0;
    std::string textLow, textHigh;
};

struct StatLabel {
    StatValue::Kind kind = StatValue::Number; // Number, TaggedMissing or Text
    double value = 0;
    char tag = 0;
    std::string text; // the value of a string variable
    std::string label;
};

struct StatVariable {
    std::string name, label, format;
    bool text = false;
    bool integer = false; // stored as a whole number (Stata's byte, int, long)
    size_t width = 0;     // of a string variable, in bytes
    int displayWidth = 0;
    int decimals = 0;
    int measure = 0, alignment = 0; // ReadStat's codes
    std::vector<StatMissing> missing;
    std::string labelSet; // empty: none
};

struct StoredRow {
    std::vector<StatValue> values;
    std::vector<std::string> strings;
};

struct StatDictionary {
    StatFormat format = StatFormat::None;
    std::vector<StatVariable> variables;
    std::map<std::string, std::vector<StatLabel>> labelSets;
    std::string fileLabel;
    std::vector<std::string> notes;
    long long rows = -1; // -1: not known
    int compression = 0; // ReadStat's code
};

class StatSource final : public TableSource {
public:
    // fd: a seekable file (ReadStat reads some parts twice).
    StatSource(int fd, StatFormat format, char decimalMark);
    ~StatSource() override;

    // Reads the dictionary; false with error() when the file is damaged.
    bool readHeader(text::CsvRecord &header) override;
    void setNumberColumns(const std::vector<size_t> &columns) override;
    bool readRows(const std::function<bool(text::CsvRecord &)> &row) override;
    long long size() const override;
    long long bytesConsumed() const override;
    std::shared_ptr<const StoredRow> storedRow() const override;

    const StatDictionary &dictionary() const { return m_dictionary; }
    // The stored value of a column of the row being handed over, and the
    // string of a string variable (its cell may have been emptied).
    const StatValue &value(size_t column) const { return m_values[column]; }
    const std::string &string(size_t column) const { return m_strings[column]; }

    struct Parsing; // the ReadStat side

private:
    bool isMissingText(size_t column, std::string_view text) const;

    int m_fd;
    StatFormat m_format;
    char m_decimalMark;
    StatDictionary m_dictionary;
    std::vector<bool> m_numberColumn;
    std::vector<StatValue> m_values;
    std::vector<std::string> m_strings;
    std::unique_ptr<Parsing> m_parsing;
};

class StatSink final : public RowSink {
public:
    // input: the file read, when it is an SPSS or Stata file; else nullptr.
    // rowByRow: every input row is one output row, written while it is the
    // source's current row, and texts fit their OutputColumn's width; then,
    // with an input whose rows are counted, nothing is held back.
    StatSink(int fd, StatFormat format, char decimalMark, const StatSource *input,
             bool rowByRow = true);
    ~StatSink() override;

    bool begin(const std::vector<OutputColumn> &columns, std::string &why) override;
    void cell(std::string_view text) override;
    void numberCell(std::string_view text) override;
    void inputCell(size_t column, std::string_view text) override;
    void inputCell(size_t column, std::string_view text, const StoredRow *stored) override;
    void writtenCells(std::string_view text) override;
    void endRow() override;
    bool finish(std::string &why) override;
    bool failed() const override { return !m_error.empty(); }

    struct Writing; // the ReadStat side

private:
    std::unique_ptr<Writing> m_writing;
    std::string m_error;
};

} // namespace batch
