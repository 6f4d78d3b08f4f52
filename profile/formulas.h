// The profile's formulas as plain functions of numbers, each evaluated in
// the order it is written, one rounding per operation. analysis.cpp puts
// them together; the tests hold them to the published worked examples.
#pragma once

#include <cmath>

#include "interpretation/interpretation.h"

namespace profile::formula {

// The inverse normal at 1 - alpha / (2 m): two-tailed, m comparisons.
// Taken from the tail itself: 1 - tail rounds to 1 for the tails of many
// pairs at a small alpha, which made the critical value infinite.
inline double criticalZ(double alpha, double comparisons = 1)
{
    const double tail = alpha / (2 * comparisons);
    return -interpretation::inverseNormal(tail);
}

// Gulliksen (1950): the standard error of a difference between two scores.
inline double pairStandardError(double r1, double r2, double sd)
{
    const double errors = 2 - r1 - r2;
    return sd * std::sqrt(errors);
}

// Payne & Jones (1957): the sd of the difference between two scores in the
// population.
inline double pairSpread(double r12, double sd)
{
    const double variance = 2 - 2 * r12;
    return sd * std::sqrt(variance);
}

// The percent of people with a difference at least |shown| in one
// direction: 100 (1 - Phi(|shown| / spread)), as 50 erfc(x / sqrt 2) to keep
// its digits far out in the tail. A spread of 0 leaves only a difference of 0.
inline double baseRate(double shown, double spread)
{
    const double size = std::fabs(shown);
    if (spread == 0)
        return size == 0 ? 50 : 0;
    return interpretation::percentileRank(-(size / spread));
}

// Davis (1959): the standard error of a score's deviation from the mean of
// k scores, errorVarianceSum being the sum of (1 - r_j) over them.
inline double deviationStandardError(double errorVarianceSum, int k, double ri, double sd)
{
    const double kk = double(k);
    const double ofMean = errorVarianceSum / (kk * kk);
    const double ofScore = (kk - 2) / kk * (1 - ri);
    return sd * std::sqrt(ofMean + ofScore);
}

// The sd of a deviation from the mean in the population, from the mean of
// the score's row of the correlation matrix and the mean of all of it.
inline double deviationSpread(double rowMean, double grandMean, double sd)
{
    const double variance = 1 - 2 * rowMean + grandMean;
    return sd * std::sqrt(variance);
}

// Jacobson & Truax (1991), with Chelune et al.'s (1993) practice change:
// (z_retest - z - practice / sd) / sqrt(2 (1 - r)).
inline double changeIndex(double z, double retestZ, double practiceInZ, double r)
{
    const double change = retestZ - z;
    const double beyond = change - practiceInZ;
    const double se = std::sqrt(2 * (1 - r));
    return beyond / se;
}

// Tellegen & Briggs (1967): sqrt(k + 2 sum r_ij), the sd of a sum of k z
// scores.
inline double compositeSd(int k, double sumCorrelations)
{
    const double variance = double(k) + 2 * sumCorrelations;
    return std::sqrt(variance);
}

// Mosier (1943), unit weights: 1 - (k - sum r_i) / (k + 2 sum r_ij).
inline double compositeReliability(int k, double sumReliabilities, double sumCorrelations)
{
    const double error = double(k) - sumReliabilities;
    const double variance = double(k) + 2 * sumCorrelations;
    return 1 - error / variance;
}

} // namespace profile::formula
