#include "conversion/agreement.h"

#include <algorithm>
#include <cmath>

#include "conversion/scales.h"
#include "text/text_routines.h"

namespace conversion {

namespace {

// Scores typed from another table may sit a little beyond an edge of what
// the converter's own approximations allow.
constexpr double kSlack = 1e-3;

int decimalsOf(std::string_view number)
{
    const size_t point = number.find('.');
    return point == std::string_view::npos ? 0 : int(number.size() - point - 1);
}

double bisectPercentile(double percentile)
{
    double low = -40, high = 40;
    while (true) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            return middle;
        if (PercentileFromZ(middle) < percentile)
            low = middle;
        else
            high = middle;
    }
}

// The z at which the converter's percentile reaches `percentile`: the
// inverse of what it writes, not its own inverse approximation, which
// differs from it by up to 1e-3 in z. The edges of whole percentiles are
// worked out once.
double zAtPercentile(double percentile)
{
    static const std::array<double, 201> halves = [] {
        std::array<double, 201> z{};
        for (size_t i = 0; i < z.size(); ++i)
            z[i] = bisectPercentile(double(i) / 2);
        return z;
    }();
    if (!(percentile > 0))
        return -INFINITY;
    if (!(percentile < 100))
        return INFINITY;
    const double twice = percentile * 2;
    if (twice == std::floor(twice))
        return halves[size_t(twice)];
    return bisectPercentile(percentile);
}

struct ZRange {
    double low = -INFINITY, high = INFINITY;
    int lowFrom = 0, highFrom = 0;
    bool empty() const { return !(low <= high); }
    double middle() const { return low + (high - low) / 2; }
};

bool rawGiven(const FieldTextViews &fields)
{
    if (fields.raw.empty() || fields.rawMean.empty() || fields.rawSd.empty())
        return false;
    const double sd = text::Val(fields.rawSd);
    return sd > 0 && !std::isinf(sd);
}

// How a percentile stands for z: through the inverse of what the converter
// writes for a z, or through its own inverse, as when it is the source.
enum class Reading { Literal, Shown, ShownAsSource };

double zOf(int position, double value, Reading reading)
{
    if (position == Percentile)
        return reading == Reading::ShownAsSource ? ZFromPercentile(value) : zAtPercentile(value);
    const Scale &scale = kScales[position];
    return (value - scale.mean) / scale.sd;
}

// What one field allows of z: its digits' rounding, or as shown the
// rounding of its scale's mask within its scale's bounds, as a result is
// written unmarked.
ZRange rangeOf(int position, std::string_view number, const FieldTextViews &fields, Reading reading)
{
    const double value = text::Val(number);
    int decimals = decimalsOf(number);
    if (reading != Reading::Literal && position != Raw)
        decimals = std::max(decimals, text::readMask(kScales[position].mask).decimals);
    const double half = 0.5 * std::pow(10.0, -decimals);
    double low = value - half, high = value + half;
    if (position == Raw) {
        const double mean = text::Val(fields.rawMean), sd = text::Val(fields.rawSd);
        return {(low - mean) / sd, (high - mean) / sd};
    }
    const Scale &scale = kScales[position];
    if (reading != Reading::Literal) {
        low = std::max(low, scale.lowest);
        high = std::min(high, scale.highest);
    } else if (position == Percentile) {
        low = std::max(low, 1e-9); // percentiles lie strictly between 0 and 100
        high = std::min(high, 100 - 1e-9);
    }
    return {zOf(position, low, reading), zOf(position, high, reading)};
}

ZRange intersection(const FieldTextViews &fields, Reading reading, const HeldSides &held = {})
{
    ZRange all;
    const auto narrow = [&](const ZRange &range, int position) {
        if (range.low > all.low) {
            all.low = range.low;
            all.lowFrom = position;
        }
        if (range.high < all.high) {
            all.high = range.high;
            all.highFrom = position;
        }
    };
    for (int position = Raw; position <= Percentile; ++position) {
        if (position == Raw && !rawGiven(fields))
            continue;
        const std::string_view number = position == Raw ? fields.raw : fields.score[size_t(position)];
        if (!number.empty())
            narrow(rangeOf(position, number, fields, reading), position);
        if (position != Raw && held[size_t(position)] != 0 && reading != Reading::Literal) {
            const Scale &scale = kScales[position];
            if (held[size_t(position)] < 0)
                narrow({-INFINITY, zOf(position, scale.lowest, reading)}, position);
            else
                narrow({zOf(position, scale.highest, reading), INFINITY}, position);
        }
    }
    return all;
}

std::optional<Disagreement> findDisagreement(const FieldTextViews &fields)
{
    const ZRange all = intersection(fields, Reading::Literal);
    if (all.low <= all.high + kSlack)
        return std::nullopt;
    return Disagreement{std::min(all.lowFrom, all.highFrom), std::max(all.lowFrom, all.highFrom)};
}

int givenCount(const FieldTextViews &fields)
{
    int given = rawGiven(fields) ? 1 : 0;
    for (int position = Z; position <= Percentile; ++position)
        given += !fields.score[size_t(position)].empty();
    return given;
}

} // namespace

std::optional<Disagreement> scoresDisagree(const FieldTextViews &fields)
{
    std::optional<Disagreement> found = findDisagreement(fields);
    if (!found)
        return found;
    const bool raw = rawGiven(fields);
    for (int position = Raw; position <= Percentile; ++position) {
        FieldTextViews others = fields;
        if (position == Raw) {
            if (!raw)
                continue;
            others.raw = {};
        } else {
            if (fields.score[size_t(position)].empty())
                continue;
            others.score[size_t(position)] = {};
        }
        if (!findDisagreement(others)) {
            if (found->apart != kNoPosition) {
                found->apart = kNoPosition;
                return found; // either of two could be the odd one
            }
            found->apart = position;
        }
    }
    return found;
}

namespace {

// Inverse of ZFromPercentile.
double percentileAtZ(double z)
{
    double low = 0, high = 100;
    while (true) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            return middle;
        if (ZFromPercentile(middle) < z)
            low = middle;
        else
            high = middle;
    }
}

// Whether `value` is written as `number` when rounded to its digits, or
// with `shown` to its scale's.
bool writes(double value, std::string_view number, int position, bool shown)
{
    text::NumberMask mask;
    mask.decimals = decimalsOf(number);
    if (shown && position != Raw)
        mask.decimals = std::max(mask.decimals, text::readMask(kScales[position].mask).decimals);
    char written[text::kFormattedSize];
    const size_t size = text::FormatInto(written, value, mask);
    return text::Val({written, size}) == text::Val(number);
}

// Whether a calculation gives every score of the fields again, and holds
// the held ones at their bounds.
bool reproduces(const Calculation &calculation, const FieldTextViews &fields, const HeldSides &held,
                bool shown)
{
    if (rawGiven(fields)) {
        const double raw = calculation.z * text::Val(fields.rawSd) + text::Val(fields.rawMean);
        if (!writes(raw, fields.raw, Raw, shown))
            return false;
    }
    for (int position = Z; position <= Percentile; ++position) {
        const std::string_view number = fields.score[size_t(position)];
        const bool marked = calculation.marked[size_t(position)];
        if (!number.empty()
            && (marked || !writes(calculation.value[size_t(position)], number, position, shown)))
            return false;
        if (const int side = held[size_t(position)]; side != 0) {
            const double value = calculation.value[size_t(position)];
            if (!marked || (side < 0) != (value <= kScales[position].lowest))
                return false;
        }
    }
    return true;
}

// Converts from the first of these that gives every score again: each
// score on its own, the middle of what they allow through a z, the same
// through the percentile's own inverse, and for ties the edges. When none does, at the precision each scale shows
// or at that of the digits, the middle of what the digits allow. False
// when the fields give nothing to convert from.
constexpr int kEdgeSteps = 8;

bool convertFromMiddle(const FieldTextViews &fields, const HeldSides &held, Calculation &out)
{
    std::array<Middle, 2 + 8 * kEdgeSteps + kScaleCount> candidates;
    size_t count = 0;
    const ZRange throughZ = intersection(fields, Reading::Shown, held);
    const bool percentile = !fields.score[Percentile].empty() || held[Percentile] != 0;
    const ZRange asSource = percentile ? intersection(fields, Reading::ShownAsSource, held) : ZRange{1, 0};
    // Each score on its own first, the coarsest first: converted, a row
    // written from one score gives that score back, and the window's figures.
    if (rawGiven(fields))
        candidates[count++] = {Z, (text::Val(fields.raw) - text::Val(fields.rawMean)) / text::Val(fields.rawSd)};
    for (const int position : {Percentile, T, Wechsler, Agct, Nce, Ceeb, Z})
        if (!fields.score[size_t(position)].empty())
            candidates[count++] = {position, text::Val(fields.score[size_t(position)])};
    const Scale &percentiles = kScales[Percentile];
    const auto atPercentile = [&](double z) {
        return Middle{Percentile, std::min(std::max(percentileAtZ(z), percentiles.lowest), percentiles.highest)};
    };
    if (!throughZ.empty())
        candidates[count++] = {Z, throughZ.middle()};
    if (!asSource.empty())
        candidates[count++] = atPercentile(asSource.middle());
    // A result rounded half away from zero on two scales leaves a single
    // point, which the edges worked out miss by a few units in the last place.
    const auto nearEdges = [&](const ZRange &range, bool throughPercentile) {
        if (!(std::fabs(range.high - range.low) < 1e-9) || !std::isfinite(range.low))
            return;
        for (const double edge : {range.low, range.high}) {
            double below = edge, above = edge;
            for (int step = 0; step < kEdgeSteps; ++step) {
                for (const double z : {below, above})
                    candidates[count++] = throughPercentile ? atPercentile(z) : Middle{Z, z};
                below = std::nextafter(below, -INFINITY);
                above = std::nextafter(above, INFINITY);
            }
        }
    };
    nearEdges(throughZ, false);
    if (percentile)
        nearEdges(asSource, true);
    if (count == 0)
        return false;
    for (const bool shown : {true, false}) {
        for (size_t i = 0; i < count; ++i) {
            calculateAt(candidates[i], out);
            if (reproduces(out, fields, held, shown))
                return true;
        }
    }
    const ZRange literal = intersection(fields, Reading::Literal);
    calculateAt(literal.empty() ? candidates[0] : Middle{Z, literal.middle()}, out);
    return true;
}

} // namespace

void calculateAt(const Middle &middle, Calculation &out)
{
    calculateFrom(middle.position, middle.value, out);
}

Weighing weighScores(const FieldTextViews &fields, const HeldSides &held, Calculation &out)
{
    Weighing weighing;
    int given = givenCount(fields);
    for (const int side : held)
        given += side != 0;
    if (given < 2)
        return weighing;
    weighing.disagreement = scoresDisagree(fields);
    if (!weighing.disagreement)
        weighing.converted = convertFromMiddle(fields, held, out);
    return weighing;
}

bool settleOnShown(const Calculation &calculation, const FieldTextViews &given, Calculation &out)
{
    std::array<std::array<char, kResultTextSize>, kScaleCount> texts;
    FieldTextViews shown;
    HeldSides held{};
    if (rawGiven(given)) {
        shown.raw = given.raw;
        shown.rawMean = given.rawMean;
        shown.rawSd = given.rawSd;
    }
    for (int position = Z; position <= Percentile; ++position) {
        if (calculation.marked[size_t(position)]) {
            held[size_t(position)] = calculation.value[size_t(position)] <= kScales[position].lowest ? -1 : 1;
            continue;
        }
        char *const text = texts[size_t(position)].data();
        shown.score[size_t(position)] = {text, resultText(calculation, position, text)};
    }
    return convertFromMiddle(shown, held, out) && reproduces(out, shown, held, true);
}

std::optional<Disagreement> calculateRow(const FieldTextViews &fields, const HeldSides &held, bool settle,
                                         Calculation &out, Calculation &scratch)
{
    calculate(fields, out);
    if (out.refused)
        return std::nullopt;
    const Weighing weighing = weighScores(fields, held, scratch);
    if (weighing.disagreement)
        return weighing.disagreement;
    if (weighing.converted)
        std::swap(out, scratch);
    if (settle && settleOnShown(out, fields, scratch) && scratch.z != out.z)
        std::swap(out, scratch);
    return std::nullopt;
}

} // namespace conversion
