// One person against a small control sample: Crawford & Howell's (1998) t
// and Crawford & Garthwaite's (2002) interval estimates, as plain numbers.
// Qt-free; the profile wraps them in figures (analysis.h).
#pragma once

#include <optional>

namespace profile {

// A control sample's statistics, on the score's own scale.
struct ControlSample {
    std::optional<double> mean, sd, n;
    bool any() const { return mean || sd || n; }
};

namespace small_sample {

constexpr double kIntervalConfidence = 95;

// The noncentrality parameters between which a non-central t with `df`
// degrees of freedom puts `observed` at its (1 + c) / 2 and (1 - c) / 2
// points: the interval on delta of the published methods, by root finding
// on the distribution function. NaN where there is none (df < 1).
struct NoncentralityInterval {
    double low = 0, high = 0;
};
NoncentralityInterval noncentralityInterval(double observed, double df,
                                            double confidence = kIntervalConfidence);

// P(T > |t|) with df degrees of freedom: one-tailed, in the direction of t.
double oneTailedP(double t, double df);

// Two-tailed critical t at alpha.
double criticalT(double alpha, double df);

struct SingleCase {
    double t = 0, df = 0, p = 0; // p one-tailed, in the direction of the deviation
    double zcc = 0, zccLow = 0, zccHigh = 0;
    bool above = false; // the case lies above the control mean: percentages of those above it
    double percent = 0, percentLow = 0, percentHigh = 0;
};

// x and the controls on one scale; sd > 0, n >= 2.
SingleCase singleCase(double x, double mean, double sd, double n);

} // namespace small_sample
} // namespace profile
