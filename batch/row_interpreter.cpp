#include "batch/row_interpreter.h"

#include <cstdint>
#include <cstring>

namespace batch {

namespace {

using interpretation::ScaleId;

// The interpreted rows of the scale table follow ScaleId's order.
constexpr std::array<ScaleId, kInterpretedScaleCellCount> kScaleOfCell = [] {
    std::array<ScaleId, kInterpretedScaleCellCount> scales{};
    int id = 0, cell = 0;
    for (const conversion::Scale &row : conversion::kScales) {
        if (!row.interpreted)
            continue;
        if (row.position == conversion::kNoPosition)
            scales[size_t(cell++)] = ScaleId(id);
        ++id;
    }
    return scales;
}();

constexpr std::string_view kOtherColumns[] = {"descriptor", "ci_low", "ci_high",
                                              "ci_percentile_low", "ci_percentile_high"};

constexpr int kScaleCells = kInterpretedScaleCellCount;
static_assert(kScaleCells + int(std::size(kOtherColumns)) == kInterpretedCellCount);

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

void RowInterpreter::setNumber(InterpretedCells &cells, int cell, size_t size) const
{
    cells.setSize(cell, size);
    if (m_decimalComma) {
        char *const text = cells.text(cell);
        for (size_t i = 0; i < size; ++i)
            if (text[i] == '.')
                text[i] = ',';
    }
}

// The half width, which does not depend on z, is worked out once for each
// reliability remembered.
interpretation::Interval RowInterpreter::interval(double z, double reliability)
{
    const interpretation::IntervalSettings settings{reliability, m_settings.confidence, m_settings.method};
    uint64_t bits;
    std::memcpy(&bits, &reliability, sizeof bits);
    HalfWidth &known = m_halfWidths[(bits * 0x9E3779B97F4A7C15ULL) >> 60];
    if (known.reliability != reliability) {
        known.half = interpretation::halfWidth(settings);
        known.reliability = reliability;
    }
    return interpretation::confidenceInterval(z, settings, known.half);
}

void RowInterpreter::interpret(const conversion::Calculation &outcome, const double *reliability,
                               InterpretedCells &cells)
{
    if (outcome.refused) {
        cells.clear();
        return;
    }
    const double z = outcome.z;
    for (int cell = 0; cell < kScaleCells; ++cell)
        setNumber(cells, cell, interpretation::showScoreInto(kScaleOfCell[cell], z, cells.text(cell)));
    cells.setDescriptor(interpretation::describe(z, m_settings.descriptors));
    if (reliability == nullptr) {
        for (int cell = kFirstIntervalCell; cell < kInterpretedCellCount; ++cell)
            cells.setSize(cell, 0);
        return;
    }
    const interpretation::Interval interval = this->interval(z, *reliability);
    const interpretation::ScaleId scale = m_settings.intervalScale;
    setNumber(cells, CiLowCell, interpretation::showScoreInto(scale, interval.low, cells.text(CiLowCell)));
    setNumber(cells, CiHighCell,
              interpretation::showScoreInto(scale, interval.high, cells.text(CiHighCell)));
    setNumber(cells, CiPercentileLowCell,
              interpretation::percentileRankInto(interval.low, cells.text(CiPercentileLowCell)));
    setNumber(cells, CiPercentileHighCell,
              interpretation::percentileRankInto(interval.high, cells.text(CiPercentileHighCell)));
}

} // namespace batch
