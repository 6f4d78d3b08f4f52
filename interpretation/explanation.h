// How a figure was reached, as data: which formula, from which published
// source, with which numbers put in, which results on the way, and what came
// out. The cores fill it in; the windows word it in their own language, so
// nothing here is a sentence a translator would need. Shared by the single
// score of a report and the many scores of a profile.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace interpretation {

// What a number of an explanation is. A window gives each its name and its
// symbol; `Term::score` and `Term::other` say whose it is.
enum class Quantity {
    Score,            // a score as given, on its own scale
    ScaleMean,        // the mean and sd of that scale (a raw score's own)
    ScaleSd,
    Percentile,       // a percentile as given, 0 < p < 100
    Z,                // a score as a z score, unrounded
    MetricMean,       // the mean and sd of the scale the figures are shown on
    MetricSd,
    MetricScore,      // z on that scale, before it is rounded or held
    PercentileRank,   // 100 * Phi(z)
    StandardScore,    // z * 15 + 100 rounded: what descriptor bands go by
    BandFrom,         // the lowest standard score of the band found
    Reliability,
    Confidence,       // in percent
    Alpha,
    ComparisonCount,  // m of a Bonferroni correction (1 without one)
    CriticalZ,        // the inverse normal at the confidence or alpha
    TrueScore,        // an estimated true score, in z units
    StandardError,
    HalfWidth,        // of an interval
    Low,
    High,
    Difference,       // one score minus another
    Correlation,
    DifferenceSd,     // sd of a difference in the population
    ShownValue,       // a figure as the table shows it, the number a decision goes by
    CriticalValue,
    BaseRate,         // percent of people with a difference at least as large
    Count,            // k, the scores taken together
    MeanZ,
    Deviation,        // a score minus the person's mean
    ErrorVarianceSum, // the sum over k scores of (1 - r)
    MeanRowCorrelation, // the mean of one row of a correlation matrix
    MeanCorrelation,  // the mean of every cell of it
    Retest,
    RetestZ,
    Practice,         // an expected practice change, on the score's scale
    ChangeSe,         // S_diff of a reliable change index
    ChangeIndex,      // the reliable change index
    SumZ,
    SumCorrelations,  // over every pair of members, i < j
    SumReliabilities,
    CompositeSd,      // sqrt(k + 2 * sum of the correlations)
    CompositeZ,
    Decision,         // 1 yes, 0 no; strengths +1, weaknesses -1
    BandTo,           // the highest standard score of the band found
    ApproximatePercentile, // the converter window's percentile, before it is rounded or held
    StudyMean1,       // a retest study's means and sds at both testings, its size
    StudySd1,
    StudyMean2,
    StudySd2,
    StudyN,
    Slope,            // of the regression of retest on score
    Intercept,
    PredictedRetest,
    EstimateSe,       // McSweeny's standard error of estimate, sd2 sqrt(1 - r12^2)
    ResidualSd,       // s_y.x on N - 2 degrees of freedom
    Theta,            // 1/N + (x - m1)^2 / (sd1^2 (N - 1))
    DiscrepancySe,    // s of Crawford & Garthwaite's t
    ChangeZ,          // standardized regression-based change
    T,
    DegreesOfFreedom,
    OneTailedP,
    Percent,          // of people with a larger discrepancy, or controls beyond the case
    ControlsMean,
    ControlsSd,
    ControlsN,
    Zcc,              // the case's z against the controls
    Noncentrality,    // a bound of the non-central t's interval on delta
    CriticalT,
    PValue,           // two-tailed p of a difference
    AdjustedP,        // p under a correction for the family of pairs
    Rank,             // a p's place among the family's, smallest first
    LowCutoff,        // percentile below which a score is low
    ZCutoff,          // the same as z
    LowCount,         // scores below the cut-off
    Draws,            // of a Monte Carlo
    MahalanobisD2,    // z' R^-1 z
};

// Every formula an explanation can name.
enum class Formula {
    ZFromScore,          // z = (x - mean) / sd
    ZFromPercentile,     // z = inverse normal of p / 100
    ScoreOnMetric,       // z * sd_m + mean_m, rounded, held at the scale's bounds
    PercentileRank,      // 100 * Phi(z)
    Descriptor,          // the band holding round(z * 15 + 100)
    IntervalTrueScore,   // r * z -/+ z_c * sqrt(r (1 - r)), then on the metric
    IntervalObtained,    // z -/+ z_c * sqrt(1 - r), then on the metric
    PairDifference,      // (z_1 - z_2) * sd_m
    PairStandardError,   // sd_m * sqrt(2 - r_1 - r_2)
    PairCritical,        // z_a * SE
    PairSignificance,    // |D shown| >= critical
    PairBaseRate,        // 100 (1 - Phi(|D shown| / (sd_m sqrt(2 - 2 r_12))))
    Deviation,           // (z_i - mean z) * sd_m
    DeviationStandardError, // sd_m sqrt(sum (1 - r_j) / k^2 + (k - 2) / k (1 - r_i))
    DeviationCritical,   // z at 1 - a / (2m), times SE_i
    StrengthWeakness,    // deviation shown >= critical, or <= -critical
    DeviationBaseRate,   // as a pair's, with sd_m sqrt(1 - 2 mean r_i + mean r)
    ReliableChange,      // (z_retest - z) / sqrt(2 (1 - r))
    ReliableChangePractice, // (z_retest - z - practice / sd) / sqrt(2 (1 - r))
    ChangeDecision,      // RCI shown against -/+ z_a
    CompositeScore,      // sum z / sqrt(k + 2 sum r_ij), then on the metric
    CompositeReliability, // 1 - (k - sum r_i) / (k + 2 sum r_ij)
    GivenScore,          // a score as it was given, shown on its own scale
    ZFromPercentileApproximate, // z of p / 100 by a rational approximation (the converter's)
    BandOnMetric,        // the band holding z * sd_m + mean_m, halves up, within the scale's bounds
    ApproximatePercentile, // 100 * Phi(z) by a polynomial approximation, whole, held at 1 and 99
    PredictedRetest,     // b = r12 sd2 / sd1, a = m2 - b m1, a + b x
    SrbChange,           // (retest - predicted) / (sd2 sqrt(1 - r12^2))
    RegressionT,         // (retest - predicted) / s, N - 2 df
    OneTailedP,          // P(T > |t|)
    AbnormalityPercent,  // 100 p
    RegressionPercentInterval, // from the non-central t's delta bounds, times sqrt(theta)
    SrbDecision,         // z shown against -/+ z_a
    RegressionTDecision, // t shown against -/+ t_a with N - 2 df
    CaseT,               // (x - m) / (sd sqrt((n + 1) / n)), n - 1 df
    CaseZcc,             // (x - m) / sd
    CaseZccInterval,     // delta bounds / sqrt(n)
    CasePercentInterval, // 100 Phi of the Z_CC bounds, or of their negatives above the mean
    PairP,               // 2 (1 - Phi(|D shown| / SE))
    PairPBonferroni,     // min(1, m p)
    PairPHolm,           // running maximum of min(1, (m - i + 1) p_(i))
    PairSignificanceAdjusted, // significant when p_adjusted as shown <= alpha
    PairBaseRateEither,  // twice the one-direction base rate, at most 100
    DeviationBaseRateEither,
    LowScoreCount,       // scores with z < Phi^-1(P / 100)
    LowScoreBinomial,    // 100 P(j or more of k), independent scores
    LowScoreMonteCarlo,  // the same by Monte Carlo through R's Cholesky factor
    Mahalanobis,         // D^2 = z' R^-1 z
    MahalanobisRate,     // 100 (1 - F_chi2(k)(D^2))
};

// The published source of a formula; reference() gives its citation.
enum class Source {
    None,
    Gulliksen1950,
    PayneJones1957,
    Davis1959,
    JacobsonTruax1991,
    CheluneEtAl1993,
    TellegenBriggs1967,
    Mosier1943,
    Wichura1988,
    AbramowitzStegun1964,
    Kelley1927,
    Dudek1979,
    Guilmette2020,
    Wechsler2014,
    Wechsler2008,
    Schrank2014,
    McSweenyEtAl1993,
    CrawfordGarthwaite2006,
    CrawfordHowell1998,
    CrawfordGarthwaite2002,
    Holm1979,
    Dunn1961,
    CrawfordGarthwaiteGault2007,
    CrawfordEtAl2012,
};

// A citation, as a reference list prints it: names and titles are proper
// names, never translated.
struct Reference {
    std::string_view authors;   // "Payne, R. W., & Jones, H. G."
    int year = 0;
    std::string_view title;
    std::string_view published; // journal, volume and pages, or publisher
};
// Empty texts for Source::None.
const Reference &reference(Source source);

struct Term {
    Quantity quantity = Quantity::Z;
    int score = -1;   // whose figure it is: an index in the caller's list, or -1
    int other = -1;   // the second score of a pair, or -1
    double value = 0; // exact, in the units of the formula
};

struct Explanation {
    Formula formula = Formula::ZFromScore;
    Source source = Source::None;
    std::vector<Term> inputs; // given: scores, reliabilities, settings
    std::vector<Term> steps;  // worked out on the way, in order
    Term result;              // exact
    std::string shown;        // the result as the table shows it: "13.15", "S", "<0.1"
    // A deviation's comparison set, when the scores are in named sets: its
    // size is the steps' Count.
    std::string set;
};

} // namespace interpretation
