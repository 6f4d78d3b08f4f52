// How each figure of one score's interpretation was reached: from the score
// given, by the formulas the interpretation used, with the same numbers.
// Each figure is a few explanations (explanation.h) in the order they are
// worked: how z came from the score given, the figure from z, and with a
// reliability the interval's two bounds.
#pragma once

#include "interpretation/explanation.h"
#include "interpretation/interpretation.h"

#include <vector>

namespace interpretation {

using Explanations = std::vector<Explanation>;

// The score as it was given to the converter: its position (raw, a scale
// or the percentile), the value, and for a raw score its mean and sd.
struct Given {
    int position = conversion::Z;
    double value = 0;
    double rawMean = 0, rawSd = 1;
};

// One scale's row. Terms of the explanations name the scale by
// Term::score, its ScaleId; the score given's own scale by
// conversion::Position in the first explanation. The percentile rank's
// row also works the converter's approximate percentile beside it.
Explanations explainScale(ScaleId scale, const Given &given, const conversion::Outcome &outcome,
                          const Interpretation &reading, const IntervalSettings *settings);

// The descriptor: z, then the standard score and the band of the system
// holding it (steps StandardScore and BandTo, result BandFrom).
Explanations explainDescriptor(const Given &given, const conversion::Outcome &outcome,
                               const DescriptorSystem &system);

// Where a built-in system's labels were published; None for a user's own.
Source systemSource(const DescriptorSystem &system);

// Every source an explanation rests on: its own, and those of the parts
// its formula is made of (an interval's estimated true score and
// critical value), each once.
std::vector<Source> sourcesOf(const Explanations &explanations);

// The lowest z whose standard score (rounded) reaches the band's from:
// where the band begins on a picture.
double bandStartZ(const DescriptorBand &band);

} // namespace interpretation
