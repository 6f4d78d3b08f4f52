#include "batch/row_interpreter.h"

#include <cstdint>
#include <cstring>

namespace batch {

namespace {

using interpretation::ScaleId;

// The scales among the cells take their column names from the scale table.
constexpr ScaleId kScaleOfCell[] = {ScaleId::Scaled, ScaleId::Stanine, ScaleId::Sten,
                                    ScaleId::PercentileRank};

constexpr std::string_view kOtherColumns[] = {"descriptor", "ci_low", "ci_high",
                                              "ci_percentile_low", "ci_percentile_high"};

constexpr int kScaleCells = int(std::size(kScaleOfCell));
static_assert(kScaleCells + int(std::size(kOtherColumns)) == kInterpretedCellCount);
static_assert(kScaleCells == DescriptorCell);

} // namespace

std::string_view interpretedColumnName(int cell)
{
    if (cell < kScaleCells)
        return interpretation::scaleColumn(kScaleOfCell[cell]);
    return kOtherColumns[cell - kScaleCells];
}

RowInterpreter::RowInterpreter(const InterpretationSettings &settings, bool decimalComma)
    : m_settings(settings), m_decimalComma(decimalComma)
{
}

void RowInterpreter::setNumber(std::string &cell, std::string &&text) const
{
    cell = std::move(text);
    if (m_decimalComma)
        for (char &c : cell)
            if (c == '.')
                c = ',';
}

// interpretation::confidenceInterval(z, ...), its half width taken from the
// core once for each reliability remembered: the width does not depend on
// z, and the centre and bounds are the core's own three operations.
interpretation::Interval RowInterpreter::interval(double z, double reliability)
{
    uint64_t bits;
    std::memcpy(&bits, &reliability, sizeof bits);
    HalfWidth &known = m_halfWidths[(bits * 0x9E3779B97F4A7C15ULL) >> 60];
    if (known.reliability != reliability) {
        known.half = interpretation::confidenceInterval(
                         0, {reliability, m_settings.confidence, m_settings.method})
                         .half;
        known.reliability = reliability;
    }
    interpretation::Interval iv;
    iv.centre = m_settings.method == interpretation::Method::TrueScore ? reliability * z : z;
    iv.half = known.half;
    iv.low = iv.centre - iv.half;
    iv.high = iv.centre + iv.half;
    return iv;
}

void RowInterpreter::interpret(const conversion::Outcome &outcome, const double *reliability,
                               InterpretedCells &cells)
{
    if (outcome.refused) {
        for (std::string &cell : cells)
            cell.clear();
        return;
    }
    const double z = outcome.z;
    for (int cell = 0; cell < kScaleCells; ++cell)
        setNumber(cells[cell], interpretation::showScore(kScaleOfCell[cell], z).text);
    cells[DescriptorCell] = interpretation::describe(z, m_settings.descriptors);
    if (reliability == nullptr) {
        for (int cell = kFirstIntervalCell; cell < kInterpretedCellCount; ++cell)
            cells[cell].clear();
        return;
    }
    const interpretation::Interval interval = this->interval(z, *reliability);
    setNumber(cells[CiLowCell],
              interpretation::showScore(m_settings.intervalScale, interval.low).text);
    setNumber(cells[CiHighCell],
              interpretation::showScore(m_settings.intervalScale, interval.high).text);
    setNumber(cells[CiPercentileLowCell], interpretation::percentileRankText(interval.low));
    setNumber(cells[CiPercentileHighCell], interpretation::percentileRankText(interval.high));
}

} // namespace batch
