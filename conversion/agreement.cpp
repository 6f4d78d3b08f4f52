#include "conversion/agreement.h"

#include <algorithm>
#include <cmath>

#include "conversion/scales.h"
#include "text/text_routines.h"

namespace conversion {

namespace {

// The percentile's approximations and their inverse differ by less than
// this in z.
constexpr double kSlack = 1e-3;

int decimalsOf(std::string_view number)
{
    const size_t point = number.find('.');
    return point == std::string_view::npos ? 0 : int(number.size() - point - 1);
}

struct ZRange {
    double low, high;
};

ZRange rangeOf(int position, std::string_view number)
{
    const double value = text::Val(number);
    const double half = 0.5 * std::pow(10.0, -decimalsOf(number));
    if (position == Percentile) {
        // Percentiles lie strictly between 0 and 100.
        const double low = std::max(value - half, 1e-9);
        const double high = std::min(value + half, 100 - 1e-9);
        return {ZFromPercentile(low), ZFromPercentile(high)};
    }
    const Scale &scale = kScales[position];
    return {(value - half - scale.mean) / scale.sd, (value + half - scale.mean) / scale.sd};
}

std::optional<Disagreement> findDisagreement(const FieldTextViews &fields)
{
    double low = -INFINITY, high = INFINITY;
    int lowFrom = 0, highFrom = 0;
    for (int position = Z; position <= Percentile; ++position) {
        const std::string_view number = fields.score[size_t(position)];
        if (number.empty())
            continue;
        const ZRange range = rangeOf(position, number);
        if (range.low > low) {
            low = range.low;
            lowFrom = position;
        }
        if (range.high < high) {
            high = range.high;
            highFrom = position;
        }
    }
    if (low <= high + kSlack)
        return std::nullopt;
    return Disagreement{std::min(lowFrom, highFrom), std::max(lowFrom, highFrom), 0};
}

} // namespace

std::optional<Disagreement> scoresDisagree(const FieldTextViews &fields)
{
    std::optional<Disagreement> found = findDisagreement(fields);
    if (!found)
        return found;
    int apart = 0;
    for (int position = Z; position <= Percentile; ++position) {
        if (fields.score[size_t(position)].empty())
            continue;
        FieldTextViews others = fields;
        others.score[size_t(position)] = {};
        if (!findDisagreement(others)) {
            if (apart != 0)
                return found; // either of two could be the odd one
            apart = position;
        }
    }
    found->apart = apart;
    return found;
}

} // namespace conversion
