// conversion::calculate() with a memory of the outcomes it gave. The
// Calculate command is a pure function of the ten field texts, and a column
// of scores holds few distinct values, so most rows of a file repeat a
// calculation already made: such a row gets the outcome calculate() gave
// for exactly the same texts, without the arithmetic and formatting again.
// In a file whose rows hardly ever repeat, remembering costs more than it
// saves, so the memory is left aside for a while whenever a stretch of
// rows found almost nothing in it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/calculate.h"

namespace batch {

// The ten field texts in the window's order: raw, mean, sd, then the scale
// positions 1 to 7.
using FieldTextViews = std::array<std::string_view, 3 + conversion::kScaleCount - 1>;

class OutcomeMemo {
public:
    OutcomeMemo();

    // Valid until the next call.
    const conversion::Outcome &calculate(const FieldTextViews &texts);

private:
    struct Slot {
        std::array<std::string, std::tuple_size_v<FieldTextViews>> texts;
        conversion::Outcome outcome;
    };

    const conversion::FieldTexts &fieldTexts(const FieldTextViews &texts);

    std::vector<uint64_t> m_hashes; // 0: the slot is empty
    std::vector<Slot> m_slots;
    conversion::FieldTexts m_texts; // reused: assigning allocates nothing
    conversion::Outcome m_unremembered;
    size_t m_lookups = 0, m_found = 0;
    size_t m_rowsUnremembered = 0; // rows still to calculate without the memory
};

} // namespace batch
