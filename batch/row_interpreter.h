// The interpretation columns of quintaval-convert (--interpret) and their
// texts for one converted row. Only the cells a row writes are computed,
// each with the interpretation core's own function for it: a whole
// interpretation::interpret() per row would cost as much again as the
// conversion, for twenty texts nobody reads.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "conversion/calculate.h"
#include "interpretation/interpretation.h"

namespace batch {

// The scales an interpretation adds to a converted row: the interpreted rows
// of the scale table that the converter does not show, in table order.
constexpr int interpretedScaleCellCount()
{
    int n = 0;
    for (const conversion::Scale &row : conversion::kScales)
        n += row.interpreted && row.position == conversion::kNoPosition ? 1 : 0;
    return n;
}
constexpr int kInterpretedScaleCellCount = interpretedScaleCellCount();

// In the order the columns are appended: those scales' cells first.
enum InterpretedCell : int {
    DescriptorCell = kInterpretedScaleCellCount,
    CiLowCell, CiHighCell, CiPercentileLowCell, CiPercentileHighCell
};
constexpr int kInterpretedCellCount = CiPercentileHighCell + 1;
// The cells from CiLowCell on need a reliability.
constexpr int kFirstIntervalCell = CiLowCell;

// One row's interpretation cells: the numbers in place, the descriptor a
// view of its system's label. Copied with a row's remembered outcome, so
// nothing in it allocates.
class InterpretedCells {
public:
    std::string_view operator[](int cell) const
    {
        if (cell == DescriptorCell)
            return m_descriptor;
        return {m_text[size_t(cell)].data(), m_size[size_t(cell)]};
    }
    char *text(int cell) { return m_text[size_t(cell)].data(); }
    void setSize(int cell, size_t size) { m_size[size_t(cell)] = uint8_t(size); }
    void setDescriptor(std::string_view label) { m_descriptor = label; }
    void clear()
    {
        m_size.fill(0);
        m_descriptor = {};
    }

private:
    std::array<std::array<char, interpretation::kShownSize>, kInterpretedCellCount> m_text;
    std::array<uint8_t, kInterpretedCellCount> m_size{};
    std::string_view m_descriptor;
};

// "scaled", "stanine", ..., "ci_percentile_high".
std::string_view interpretedColumnName(int cell);

struct InterpretationSettings {
    bool enabled = false;
    std::optional<double> reliability; // --reliability; a row's own cell wins
    double confidence = 95;
    interpretation::Method method = interpretation::Method::TrueScore;
    interpretation::ScaleId intervalScale = interpretation::ScaleId::Wechsler;
    interpretation::DescriptorSystem descriptors = interpretation::builtInSystems().front();
};

class RowInterpreter {
public:
    // Settings must have passed the core's checks.
    RowInterpreter(const InterpretationSettings &settings, bool decimalComma);

    // The cells of one row from its outcome: all empty for a refused one,
    // the interval cells empty without a reliability.
    void interpret(const conversion::Calculation &outcome, const double *reliability,
                   InterpretedCells &cells);

private:
    void setNumber(InterpretedCells &cells, int cell, size_t size) const;
    interpretation::Interval interval(double z, double reliability);

    InterpretationSettings m_settings;
    bool m_decimalComma;
    // Half widths of the intervals of the reliabilities seen lately: the
    // critical z behind one costs a logarithm, and a file has few
    // reliabilities. A reliability of 0 marks a free entry.
    struct HalfWidth {
        double reliability = 0, half = 0;
    };
    std::array<HalfWidth, 16> m_halfWidths{};
};

} // namespace batch
