// The row pipeline of quintaval-convert, whatever the files are: a source
// hands over rows of cells as text (a CSV file, or an SPSS or Stata file
// whose values are written as text), a converter turns each into an output
// row, and a sink writes it (as CSV, or as an SPSS or Stata file, where the
// columns have types, labels and missing values).
//
// A converter describes its output columns once (OutputColumn), then writes
// each row cell by cell: a cell of its own with cell(), an input cell passed
// on unchanged with inputCell(), so that a sink writing SPSS or Stata keeps
// the value as it was stored (a missing code stays that code, a number
// every bit of it).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/csv_reader.h"

namespace batch {

// What the tool writes into a column, for sinks that keep types.
enum class ColumnType {
    Text,   // a string variable
    Number, // numeric; texts listed in valueLabels are written as their codes
    Code,   // numeric codes of the texts in valueLabels ("Average" as 4)
};

// A row's values as its source stored them (an SPSS or Stata file's), for
// a converter that holds rows back and writes them after later rows were
// read; opaque here.
struct StoredRow;

struct ValueLabel {
    double value;
    std::string label;
    std::string text = {}; // what the tool writes for it, where not the label ("S")

    bool writtenAs(std::string_view cell) const { return (text.empty() ? label : text) == cell; }
};

struct OutputColumn {
    std::string name;
    // The input column this one is (its type, label, format and missing
    // values carry over), or -1 for a column the tool adds.
    int input = -1;
    // The tool writes its cells, at least in some rows; otherwise every
    // cell is the input's.
    bool written = false;
    ColumnType type = ColumnType::Text;
    std::string label;                   // of an added column
    std::vector<ValueLabel> valueLabels; // codes of the texts it writes
    int decimals = 0;                    // shown by a numeric column
    bool ordinal = false;                // its measure, where not a scale
    size_t width = 0;                    // most bytes of a text the tool writes
    bool note = false;                   // says what became of the row
    std::vector<double> missing;         // missing-value codes of its cells
};

class RowSink {
public:
    virtual ~RowSink() = default;

    // Before any row; false with why (a usage error) when the columns
    // cannot be written.
    virtual bool begin(const std::vector<OutputColumn> &columns, std::string &why) = 0;

    virtual void cell(std::string_view text) = 0;
    // A number the tool wrote: never quoted, but for a decimal comma.
    virtual void numberCell(std::string_view text) { cell(text); }
    // Input cell `column` of the row being converted, passed on as it came.
    virtual void inputCell(size_t column, std::string_view text) = 0;
    // The same for a row held back: `stored` is what TableSource::storedRow()
    // gave for it (nullptr: nothing beyond its text).
    virtual void inputCell(size_t column, std::string_view text, const StoredRow *) { inputCell(column, text); }
    // Cells beyond the header's width, as written in a CSV record.
    virtual void writtenCells(std::string_view text) = 0;
    virtual void endRow() = 0;

    // Writes out what is held; false with why once anything failed.
    virtual bool finish(std::string &why) = 0;
    virtual bool failed() const = 0;
};

class TableSource {
public:
    virtual ~TableSource() = default;

    // The first row: the columns' names. False when there is none; error()
    // says why when it could not be read.
    virtual bool readHeader(text::CsvRecord &header) = 0;

    // Columns read as numbers (scores, their means and sds, reliabilities):
    // there a missing-value code is an empty cell, never a number.
    virtual void setNumberColumns(const std::vector<size_t> &) {}

    // Hands every further row to `row`, in order, until it returns false;
    // false on a read failure.
    virtual bool readRows(const std::function<bool(text::CsvRecord &)> &row) = 0;

    // The values of the row being handed over as stored, for a converter
    // that holds it back; nullptr where the text is all there is (CSV).
    virtual std::shared_ptr<const StoredRow> storedRow() const { return nullptr; }

    virtual bool failed() const { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

    // For the progress shown: the input's size (-1: unknown) and how far
    // it has been read.
    virtual long long size() const = 0;
    virtual long long bytesConsumed() const = 0;

protected:
    std::string m_error;
};

} // namespace batch
