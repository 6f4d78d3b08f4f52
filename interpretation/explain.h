// How each figure of an interpretation was reached: from the score given,
// by the formulas the interpretation used, with the same numbers.
#pragma once

#include "interpretation/explanation.h"
#include "interpretation/interpretation.h"

namespace interpretation {

// The score as it was given to the converter: its position (raw, a scale
// or the percentile), the value, and for a raw score its mean and sd.
struct Given {
    int position = conversion::Z;
    double value = 0;
    double rawMean = 0, rawSd = 1;
};

// One scale's row: how z came from the score given, the score on the
// scale, and with settings the interval on that scale. The percentile
// rank's row also works the converter's approximate percentile beside it.
Explanation explainScale(ScaleId scale, const Given &given, const conversion::Outcome &outcome,
                         const Interpretation &reading, const IntervalSettings *settings);

// The descriptor: z, the standard score, and the band of the system
// holding it.
Explanation explainDescriptor(const Given &given, const conversion::Outcome &outcome,
                              const DescriptorSystem &system);

// Where a system's labels were published; UserFile for a user's own.
Source systemSource(const DescriptorSystem &system);

// The lowest z whose standard score (rounded) reaches the band's from:
// where the band begins on a picture.
double bandStartZ(const DescriptorBand &band);

} // namespace interpretation
