// The CSV ends of the row pipeline: rows read with text::CsvReader and
// written with text::CsvWriter, where every cell is text and an input cell
// passed on is written as it was read.
#pragma once

#include <string>

#include "batch/table.h"
#include "text/csv_reader.h"
#include "text/csv_writer.h"

namespace batch {

class CsvSource final : public TableSource {
public:
    // alreadyRead: the first bytes of a stream, read to tell its kind.
    CsvSource(int fd, char delimiter, std::string_view alreadyRead = {});

    bool readHeader(text::CsvRecord &header) override;
    bool readRows(const std::function<bool(text::CsvRecord &)> &row) override;
    bool failed() const override { return m_reader.failed(); }
    long long size() const override { return m_size; }
    long long bytesConsumed() const override { return m_reader.bytesConsumed(); }

    const text::CsvReader &reader() const { return m_reader; }

private:
    text::CsvReader m_reader;
    long long m_size;
};

class CsvSink final : public RowSink {
public:
    CsvSink(int fd, char delimiter, std::string lineEnding, bool byteOrderMark);

    bool begin(const std::vector<OutputColumn> &columns, std::string &why) override;
    void cell(std::string_view text) override { m_writer.cell(text); }
    void numberCell(std::string_view text) override { m_writer.numberCell(text); }
    void inputCell(size_t, std::string_view text) override { m_writer.cell(text); }
    void writtenCells(std::string_view text) override { m_writer.writtenCells(text); }
    void endRow() override { m_writer.endRow(); }
    bool finish(std::string &why) override;
    bool failed() const override { return m_writer.failed(); }

private:
    text::CsvWriter m_writer;
};

} // namespace batch
