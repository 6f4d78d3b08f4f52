// Interpreting one z score: its place on every scale, its percentile rank on
// the exact normal curve, a descriptor, and a confidence interval from a
// test's reliability. Qt-free. Every formula is evaluated in the order it is
// written, one rounding per operation; "rounded" is half away from zero on
// the exact binary value, as text::Format rounds.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/calculate.h"
#include "conversion/scales.h"

namespace interpretation {

// The scales of an interpretation, in the order reports list them: the
// interpreted rows of conversion::kScales, in table order.
enum class ScaleId { Z, T, Wechsler, Nce, Ceeb, Agct, Scaled, Stanine, Sten, PercentileRank };

constexpr int interpretedRowCount()
{
    int n = 0;
    for (const conversion::Scale &row : conversion::kScales)
        n += row.interpreted ? 1 : 0;
    return n;
}
constexpr int kScaleIdCount = interpretedRowCount();
static_assert(int(ScaleId::PercentileRank) + 1 == kScaleIdCount,
              "one ScaleId for each interpreted row of the scale table, in its order");

// The scale's row of the table: mean, sd, limits, mask, display rule.
const conversion::Scale &scaleRow(ScaleId scale);

struct ShownScore {
    std::string text;    // as shown: "+1.0", "+6.99*", "19*", "5", "<0.1"
    bool marked = false; // held at the scale's bound (text ends in "*")
};

// "Wechsler IQ", "Scaled score", "Percentile rank".
std::string_view scaleName(ScaleId scale);
// Column of quintaval-convert: "wechsler", "scaled", "percentile_rank".
std::string_view scaleColumn(ScaleId scale);

// z shown on one scale by that scale's rule (the six linear scales exactly
// as the converter window shows them from a raw score). Stanine and sten
// are counted from their exact band edges: in doubles, z * 2 + 5.5 would
// round a z one ulp below an edge up into the band above. A NaN z shows as
// the empty text on every scale; an infinite one as the scale's end.
ShownScore showScore(ScaleId scale, double z);

// 50 * erfc(-z / sqrt(2)), on 0..100.
double percentileRank(double z);
// "<0.1", "0.4", "1" .. "99", "99.7", ">99.9".
std::string percentileRankText(double z);
// The same text of a percentile rank already worked out.
std::string rankText(double percentileRank);

// The same texts written into `out` (room for kShownSize characters),
// returning their length, for callers writing millions of them.
constexpr size_t kShownSize = 32;
size_t showScoreInto(ScaleId scale, double z, char *out);
size_t percentileRankInto(double z, char *out);
size_t rankInto(double percentileRank, char *out);

// The z on the Wechsler IQ row, rounded to a whole number, not limited.
double standardScore(double z);

struct DescriptorBand {
    double from; // lowest whole standard score of the band; -infinity for
                 // the lowest band of a built-in system
    std::string label;
};

struct DescriptorSystem {
    std::string key;                   // option name: "aacn", "wechsler", ...
    std::string name;                  // readable: "AACN", "Woodcock-Johnson", ...
    std::vector<DescriptorBand> bands; // ascending by from
};

// aacn (the default, first), wechsler, wechsler-classic, woodcock-johnson.
const std::vector<DescriptorSystem> &builtInSystems();
// nullptr when no built-in system has that key.
const DescriptorSystem *findSystem(std::string_view key);
// Empty when a built-in system has that key; otherwise a message naming
// the keys there are.
std::string checkSystem(std::string_view key);

// Reads a user's system from CSV text with the header "from,label": one
// band per row, from a whole number, label not empty; blank lines are
// skipped. Rows may come in any order (they are sorted by from); the same
// from twice is an error. Empty on success, with out's bands filled and its
// key and name "custom" and "Custom"; otherwise why not, naming the line
// ("line 3: ..."), and out is left unchanged.
std::string parseDescriptorFile(std::string_view text, DescriptorSystem &out);

// The same, with why not as data, for callers that word it themselves.
struct DescriptorFileProblem {
    enum class Kind {
        None,
        Empty,         // no header at all
        UnclosedQuote, // a quoted cell is not closed properly
        BadHeader,     // the header is not "from,label"
        CellCount,     // count: the cells found
        NotWhole,      // cell: the from that is not a whole standard score
        EmptyLabel,
        NulInLabel,
        NotUtf8,
        RepeatedFrom,  // cell: the from; count: the line that gave it first
        NoBands,       // the header is followed by no bands
    };
    Kind kind = Kind::None;
    std::size_t line = 0;
    std::string cell;
    std::size_t count = 0;
};
DescriptorFileProblem readDescriptorSystem(std::string_view text, DescriptorSystem &out);
// The English words of parseDescriptorFile ("line 3: the label is empty").
std::string problemText(const DescriptorFileProblem &problem);

// The label of the band holding standardScore(z); below every band, the
// lowest band's label. The empty text for a NaN z or a system without bands.
const std::string &describe(double z, const DescriptorSystem &system);

enum class Method { TrueScore, Obtained };

struct IntervalSettings {
    double reliability = 0; // 0 < r < 1
    double confidence = 95; // 50 <= C < 100
    Method method = Method::TrueScore;
};

// Empty when usable; otherwise a message saying what is wrong.
std::string checkReliability(double reliability);
std::string checkConfidence(double confidence);
// The same for a number as written (a plain decimal with a point, as
// text::readPlainNumber gives it), compared with the limits exactly: a text
// inside them whose double falls onto one is refused as such, never as
// outside them, and a text outside them whose double falls inside is
// refused all the same.
std::string checkReliability(std::string_view number);
std::string checkConfidence(std::string_view number);

// Inverse of the standard normal distribution function, to 1e-15;
// -infinity for p <= 0, +infinity for p >= 1, NaN for NaN.
double inverseNormal(double p);
// inverseNormal(1 - (1 - C / 100) / 2); 95 gives 1.959963984540054.
double criticalZ(double confidence);

struct Interval {
    double centre = 0, half = 0, low = 0, high = 0; // z units
};
// Settings must have passed both checks.
Interval confidenceInterval(double z, const IntervalSettings &settings);
// The half width depends on the settings alone: a caller with many scores
// and few reliabilities works it out once and passes it in.
double halfWidth(const IntervalSettings &settings);
Interval confidenceInterval(double z, const IntervalSettings &settings, double half);

// Everything a report or a converted row shows of one z.
struct Interpretation {
    double z = 0;
    std::array<ShownScore, kScaleIdCount> score;
    bool hasInterval = false;
    Interval interval;
    std::array<ShownScore, kScaleIdCount> lower, upper; // each bound on each scale
    std::string descriptor;
};

// settings: nullptr for no interval; otherwise it must have passed both checks.
Interpretation interpret(double z, const DescriptorSystem &system,
                         const IntervalSettings *settings);

// The same for a calculation's outcome, with the six linear scales taken
// from its results, so a report never disagrees with the converter's fields
// (which, from a standard score, keep end points the z alone does not). A
// refused outcome gives empty texts and no interval.
Interpretation interpret(const conversion::Outcome &outcome, const DescriptorSystem &system,
                         const IntervalSettings *settings);

} // namespace interpretation
