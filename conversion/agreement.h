// Whether the scores of one set of fields could all be one score, each
// rounded as it is written, and which z they agree on. A converted file
// holds every scale's result; when one of them has been typed over, the
// scores no longer agree, and the score Calculate would convert from need
// not be the one the user meant. When they do agree, converting from the
// last of them could change the others (a percentile is the coarsest), so
// a file's row converts from the middle of what they all allow.
#pragma once

#include "conversion/calculate.h"

#include <optional>

namespace conversion {

struct Disagreement {
    int first = 0, second = 0; // two positions (0-7, 0 the raw score) that cannot both hold
    int apart = kNoPosition; // the one position without which the others agree
};

// The filled score fields of positions 1-7, plain decimal numbers with a
// decimal point, and the raw score when it comes with its mean and sd (an
// sd above 0). Each stands for every value its digits round to (a whole
// number n for n - 0.5 up to n + 0.5), a percentile through the converter's
// own approximation. Nothing when some z lies within all of them (one
// field, or none, always agrees). When they disagree, `apart` names the one
// field that disagrees with all the others, if there is just one.
std::optional<Disagreement> scoresDisagree(const FieldTextViews &fields);

// Results written held at a bound ("1*"): -1 below the scale's lowest, +1
// above its highest, 0 for none. They are no score to convert from, but
// the score converted from must hold them there again.
using HeldSides = std::array<int, kScaleCount>;

// Where a row converts from: a score of position 1-7 with every digit.
struct Middle {
    int position = Z;
    double value = 0;
};

// Calculates from a middle, as calculate() from that score typed in full.
void calculateAt(const Middle &middle, Calculation &out);

struct Weighing {
    std::optional<Disagreement> disagreement;
    bool converted = false; // `out` holds the row's calculation
};

// A row of two or more scores (held ones count) that agree is converted
// into `out` from the middle of what they all allow. Each score is first
// read as its scale shows it (a z of "-2.0" as -2.00, a T of 30 between 1
// and 99 as 30 unmarked), so that converting writes them again as they
// are; a z that writes every one of them again is always chosen when
// there is one.
Weighing weighScores(const FieldTextViews &fields, const HeldSides &held, Calculation &out);

// Into `out`, the calculation from the middle of what the calculation's
// shown results allow, held ones included, with the raw score of `given`
// when it has its mean and sd: it writes those results again, and is the
// same whichever z among them the calculation came from. False when no
// calculation writes them again, or when the calculation's own z is the
// one.
bool settleOnShown(const Calculation &calculation, const FieldTextViews &given, Calculation &out);

// A row of a file converted: calculate()'s refusals, then, for two or more
// scores, their agreement (a disagreement leaves `out` as calculate() gave
// it), then with `settle` the z its shown results agree on, so that the row
// converted again comes from the same z. `scratch` is working room.
std::optional<Disagreement> calculateRow(const FieldTextViews &fields, const HeldSides &held, bool settle,
                                         Calculation &out, Calculation &scratch);

} // namespace conversion
