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

// The given fields read once: position 0 is the raw score, present only
// with its mean and an sd above 0.
struct Given {
    std::array<bool, kScaleCount> present{};
    std::array<double, kScaleCount> value{};
    std::array<int, kScaleCount> decimals{};
    double mean = 0, sd = 1;
    HeldSides held{};

    Given(const FieldTextViews &fields, const HeldSides &heldSides) : held(heldSides)
    {
        if (!fields.raw.empty() && !fields.rawMean.empty() && !fields.rawSd.empty()) {
            sd = text::Val(fields.rawSd);
            if (sd > 0 && !std::isinf(sd)) {
                mean = text::Val(fields.rawMean);
                take(Raw, fields.raw);
            } else {
                sd = 1;
            }
        }
        for (int position = Z; position <= Percentile; ++position)
            if (!fields.score[size_t(position)].empty())
                take(position, fields.score[size_t(position)]);
    }
    void take(int position, std::string_view number)
    {
        present[size_t(position)] = true;
        value[size_t(position)] = text::Val(number);
        decimals[size_t(position)] = decimalsOf(number);
    }
    int count() const
    {
        int n = 0;
        for (int position = Raw; position <= Percentile; ++position)
            n += present[size_t(position)] + (held[size_t(position)] != 0);
        return n;
    }
};

double halfUnit(int decimals)
{
    static constexpr double kHalves[] = {0.5, 0.05, 0.005, 0.0005, 5e-5, 5e-6, 5e-7, 5e-8, 5e-9};
    return decimals < int(std::size(kHalves)) ? kHalves[decimals] : 0.5 * std::pow(10.0, -decimals);
}

// The decimals of a scale's mask: what a result is written with.
constexpr std::array<int, kScaleCount> kShownDecimals = [] {
    std::array<int, kScaleCount> decimals{};
    for (int position = Z; position <= Percentile; ++position)
        decimals[size_t(position)] = text::readMask(kScales[position].mask).decimals;
    return decimals;
}();

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
ZRange rangeOf(int position, const Given &given, Reading reading)
{
    const double value = given.value[size_t(position)];
    int decimals = given.decimals[size_t(position)];
    if (reading != Reading::Literal)
        decimals = std::max(decimals, kShownDecimals[size_t(position)]);
    const double half = halfUnit(decimals);
    double low = value - half, high = value + half;
    if (position == Raw)
        return {(low - given.mean) / given.sd, (high - given.mean) / given.sd};
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

ZRange intersection(const Given &given, Reading reading)
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
        if (given.present[size_t(position)])
            narrow(rangeOf(position, given, reading), position);
        if (position != Raw && given.held[size_t(position)] != 0 && reading != Reading::Literal) {
            const Scale &scale = kScales[position];
            if (given.held[size_t(position)] < 0)
                narrow({-INFINITY, zOf(position, scale.lowest, reading)}, position);
            else
                narrow({zOf(position, scale.highest, reading), INFINITY}, position);
        }
    }
    return all;
}

std::optional<Disagreement> findDisagreement(const Given &given)
{
    const ZRange all = intersection(given, Reading::Literal);
    if (all.low <= all.high + kSlack)
        return std::nullopt;
    return Disagreement{std::min(all.lowFrom, all.highFrom), std::max(all.lowFrom, all.highFrom)};
}

std::optional<Disagreement> disagreementOf(const Given &given)
{
    std::optional<Disagreement> found = findDisagreement(given);
    if (!found)
        return found;
    for (int position = Raw; position <= Percentile; ++position) {
        if (!given.present[size_t(position)])
            continue;
        Given others = given;
        others.present[size_t(position)] = false;
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

constexpr int kExactDecimals = 4;

// Whether `value` is written as the given number of `position` when
// rounded to its digits, or with `shown` to its scale's.
bool writes(double value, const Given &given, int position, bool shown)
{
    text::NumberMask mask;
    mask.decimals = given.decimals[size_t(position)];
    if (shown && position != Raw)
        mask.decimals = std::max(mask.decimals, kShownDecimals[size_t(position)]);
    // Results are written with at most two decimals, and rounded exactly as
    // here; a number typed with many more stands for its interval.
    if (mask.decimals > kExactDecimals)
        return std::fabs(value - given.value[size_t(position)]) <= halfUnit(mask.decimals);
    char written[text::kFormattedSize];
    const size_t size = text::FormatInto(written, value, mask);
    return text::Val({written, size}) == given.value[size_t(position)];
}

// Whether a calculation gives every score given again, and holds the held
// ones at their bounds.
bool reproduces(const Calculation &calculation, const Given &given, bool shown)
{
    if (given.present[Raw] && !writes(calculation.z * given.sd + given.mean, given, Raw, shown))
        return false;
    for (int position = Z; position <= Percentile; ++position) {
        const bool marked = calculation.marked[size_t(position)];
        if (given.present[size_t(position)]
            && (marked || !writes(calculation.value[size_t(position)], given, position, shown)))
            return false;
        if (const int side = given.held[size_t(position)]; side != 0) {
            const double value = calculation.value[size_t(position)];
            if (!marked || (side < 0) != (value <= kScales[position].lowest))
                return false;
        }
    }
    return true;
}

constexpr int kEdgeSteps = 8;

// Converts from the first of these that gives every score again: each
// score on its own, the middle of what they allow through a z, the same
// through the percentile's own inverse, and for ties the edges; at the
// precision each scale shows, then at that of the digits. When none does,
// the middle of what the digits allow. False when nothing is given.
bool convertFromMiddle(const Given &given, Calculation &out)
{
    std::array<Middle, 2 + 8 * kEdgeSteps + kScaleCount> candidates;
    size_t count = 0;
    // Each score on its own first, the coarsest first: converted, a row
    // written from one score gives that score back, and the window's figures.
    if (given.present[Raw])
        candidates[count++] = {Z, (given.value[Raw] - given.mean) / given.sd};
    for (const int position : {Percentile, T, Wechsler, Agct, Nce, Ceeb, Z})
        if (given.present[size_t(position)])
            candidates[count++] = {position, given.value[size_t(position)]};
    // What the scores allow as shown: a z outside it cannot give them all
    // again, and most candidates are passed over without a calculation. A
    // percentile's own z may lie outside by its approximation, and is tried.
    const ZRange throughZ = intersection(given, Reading::Shown);
    const auto outside = [&](const Middle &candidate) {
        if (candidate.position == Percentile)
            return false;
        const double z = candidate.position == Z ? candidate.value
                                                 : (candidate.value - kScales[candidate.position].mean)
                                                       / kScales[candidate.position].sd;
        return z < throughZ.low - 1e-9 || z > throughZ.high + 1e-9;
    };
    bool middlesAdded = false;
    const auto addMiddles = [&] {
        middlesAdded = true;
        const bool percentile = given.present[Percentile] || given.held[Percentile] != 0;
        const ZRange asSource = percentile ? intersection(given, Reading::ShownAsSource) : ZRange{1, 0};
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
    };
    for (const bool shown : {true, false}) {
        for (size_t i = 0; i < count || !middlesAdded; ++i) {
            if (i == count) {
                addMiddles();
                if (i == count)
                    break;
            }
            if (shown && outside(candidates[i]))
                continue;
            calculateAt(candidates[i], out);
            if (reproduces(out, given, shown))
                return true;
        }
    }
    if (count == 0)
        return false;
    const ZRange literal = intersection(given, Reading::Literal);
    calculateAt(literal.empty() ? candidates[0] : Middle{Z, literal.middle()}, out);
    return true;
}

} // namespace

std::optional<Disagreement> scoresDisagree(const FieldTextViews &fields)
{
    return disagreementOf(Given(fields, {}));
}

void calculateAt(const Middle &middle, Calculation &out)
{
    calculateFrom(middle.position, middle.value, out);
}

Weighing weighScores(const FieldTextViews &fields, const HeldSides &held, Calculation &out)
{
    Weighing weighing;
    const Given given(fields, held);
    if (given.count() < 2)
        return weighing;
    weighing.disagreement = disagreementOf(given);
    if (!weighing.disagreement)
        weighing.converted = convertFromMiddle(given, out);
    return weighing;
}

bool settleOnShown(const Calculation &calculation, const FieldTextViews &given, Calculation &out)
{
    // From a raw score alone: the raw score comes first among the scores
    // tried, and its own z, this calculation's, gives every result again.
    if (calculation.source == Raw) {
        const Given raw({given.raw, given.rawMean, given.rawSd, {}}, {});
        if (raw.present[Raw] && writes(calculation.z * raw.sd + raw.mean, raw, Raw, true))
            return false;
    }
    std::array<std::array<char, kResultTextSize>, kScaleCount> texts;
    FieldTextViews shown;
    HeldSides held{};
    shown.raw = given.raw;
    shown.rawMean = given.rawMean;
    shown.rawSd = given.rawSd;
    for (int position = Z; position <= Percentile; ++position) {
        if (calculation.marked[size_t(position)]) {
            held[size_t(position)] = calculation.value[size_t(position)] <= kScales[position].lowest ? -1 : 1;
            continue;
        }
        char *const text = texts[size_t(position)].data();
        shown.score[size_t(position)] = {text, resultText(calculation, position, text)};
    }
    const Given read(shown, held);
    return convertFromMiddle(read, out) && reproduces(out, read, true);
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
