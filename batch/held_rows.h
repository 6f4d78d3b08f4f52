// Rows of cells held in a temporary file until a table's columns are known
// (quintaval-convert --profile --wide learns its columns from the last
// person). The file is unlinked at once, so it goes with the process
// however it ends; memory holds one row.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/table.h"

namespace batch {

struct HeldCell {
    bool number = false; // written with numberCell()
    std::string_view text;
};

class HeldRows final : public RowSink {
public:
    HeldRows() = default;
    ~HeldRows() override;
    HeldRows(const HeldRows &) = delete;
    HeldRows &operator=(const HeldRows &) = delete;

    bool begin(const std::vector<OutputColumn> &, std::string &) override { return true; }
    void cell(std::string_view text) override { add(false, text); }
    void numberCell(std::string_view text) override { add(true, text); }
    void inputCell(size_t, std::string_view text) override { add(false, text); }
    void writtenCells(std::string_view text) override { add(false, text); }
    void endRow() override;
    bool finish(std::string &why) override;
    bool failed() const override { return !m_error.empty(); }
    const std::string &error() const { return m_error; }

    long long rows() const { return m_rows; }
    // Hands every row held back, in order, until `row` returns false.
    bool replay(const std::function<bool(const std::vector<HeldCell> &)> &row);

private:
    void add(bool number, std::string_view text);
    bool open();
    bool fail(const std::string &why);

    std::FILE *m_file = nullptr;
    std::string m_row; // the row being added: a kind byte, a length and the text per cell
    long long m_rows = 0;
    std::string m_error;
};

} // namespace batch
