// conversion::calculate() with a memory of the outcomes it gave. The
// Calculate command is a pure function of the ten field texts, and a column
// of scores holds few distinct values, so most rows of a file repeat a
// calculation already made: such a row gets the outcome calculate() gave
// for exactly the same texts, without the arithmetic and formatting again.
// In a file whose rows hardly ever repeat, remembering costs more than it
// saves, so the memory is left aside for a while whenever a stretch of
// rows found almost nothing in it.
//
// A row of two or more scores converts from the middle of the z they all
// allow, or is refused when they disagree (see conversion/agreement.h).
//
// With --interpret, a row's interpretation cells are remembered with its
// outcome, and its reliability is part of what must match.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/row_interpreter.h"
#include "conversion/agreement.h"
#include "conversion/calculate.h"

namespace batch {

// The ten field texts in the window's order: raw, mean, sd, then the scale
// positions 1 to 7. A score ending in "*" is a result held at its bound.
using FieldTextViews = std::array<std::string_view, 3 + conversion::kScaleCount - 1>;

// A converted row's results as written: texts of the converter's scales,
// with the file's decimal mark.
class ResultTexts {
public:
    std::string_view operator[](int position) const
    {
        return {m_text[size_t(position)].data(), m_size[size_t(position)]};
    }
    void set(const conversion::Calculation &calculation, bool decimalComma);

private:
    std::array<std::array<char, conversion::kResultTextSize>, conversion::kScaleCount> m_text;
    std::array<uint16_t, conversion::kScaleCount> m_size{};
};

struct RowOutcome {
    conversion::Calculation outcome;
    // Scores that cannot all be right refuse the row, though calculate()
    // would convert it.
    std::optional<conversion::Disagreement> disagreement;
    ResultTexts results;          // when not refused
    InterpretedCells interpreted; // empty unless interpreting
};

class OutcomeMemo {
public:
    // interpreter: nullptr when rows are not interpreted; it must outlive
    // the memo. settle: interpret from the z the shown results agree on:
    // the results hold less than the z they came from, two rows writing the
    // same results may have come from different z, and converted again
    // would both come from one.
    explicit OutcomeMemo(RowInterpreter *interpreter = nullptr, bool decimalComma = false,
                         bool settle = false);
    OutcomeMemo(const OutcomeMemo &) = delete;
    OutcomeMemo &operator=(const OutcomeMemo &) = delete;

    // reliability: nullptr for none. Valid until the next call.
    const RowOutcome &calculate(const FieldTextViews &texts, const double *reliability = nullptr);

private:
    struct Slot {
        std::array<std::string, std::tuple_size_v<FieldTextViews>> texts;
        bool hasReliability = false;
        double reliability = 0;
        RowOutcome row;
    };

    void compute(const FieldTextViews &texts, const double *reliability, RowOutcome &row);
    void settle(const conversion::FieldTextViews &fields, conversion::Calculation &outcome);

    std::vector<uint64_t> m_hashes; // 0: the slot is empty
    std::vector<Slot> m_slots;
    RowInterpreter *m_interpreter;
    bool m_decimalComma;
    bool m_settle;
    conversion::Calculation m_scratch;
    struct Settled {
        std::string key; // the row's source, raw fields and shown results
        bool keep = true; // no z gives the results again: each row keeps its own
        double z = 0;
        int source = 0;
        std::array<double, conversion::kScaleCount> value{};
        std::array<bool, conversion::kScaleCount> marked{};
    };
    std::vector<Settled> m_settled = std::vector<Settled>(4096);
    std::string m_settleKey;
    RowOutcome m_unremembered;
    size_t m_lookups = 0, m_found = 0;
    size_t m_rowsUnremembered = 0; // rows still to calculate without the memory
    size_t m_nextAside;            // how long the memory is set aside next
};

} // namespace batch
