// Whether the standard scores of one set of fields could all be one score,
// each rounded as it is written. A converted file holds every scale's
// result; when one of them has been typed over, the scores no longer agree,
// and the score Calculate would convert from need not be the one the user
// meant.
#pragma once

#include "conversion/calculate.h"

#include <optional>

namespace conversion {

struct Disagreement {
    int first = 0, second = 0; // two positions (1-7) that cannot both hold
    int apart = 0; // the one position without which the others agree, or 0
};

// The filled score fields of positions 1-7, plain decimal numbers with a
// decimal point. Each stands for every value its digits round to (a whole
// number n for n - 0.5 up to n + 0.5), a percentile through the converter's
// own approximation. Nothing when some z lies within all of them (one
// field, or none, always agrees). When they disagree, `apart` names the one
// field that disagrees with all the others, if there is just one.
std::optional<Disagreement> scoresDisagree(const FieldTextViews &fields);

} // namespace conversion
