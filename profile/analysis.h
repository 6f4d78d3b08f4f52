// Everything a profile says about a person, in one call: each score on a
// common metric with its percentile rank, descriptor and interval; its
// deviation from the person's mean (strengths and weaknesses); change on
// retest; every pair's difference, whether it is reliable and how rare; and
// the composite of every group.
//
// Every figure is computed from unrounded z scores and kept both as the text
// a table shows and as the exact number behind it. A critical value is shown
// rounded up, away from zero, to its decimals, and decisions (significant,
// strength or weakness) are taken on the numbers as shown, so a label never
// contradicts its table; the windows and the batch tool read them from here.
// A figure that cannot be computed has an empty text and says why (Missing).
// explain() says how any figure was reached, as data.
#pragma once

#include <array>
#include <cstddef>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "interpretation/explanation.h"
#include "profile/correlations.h"
#include "profile/profile.h"

namespace profile {

// Whether a k by k correlation matrix (row-major, 1 on the diagonal) could
// belong to some set of scores. Overwrites `m` with its factors.
bool positiveSemiDefinite(std::vector<double> &m, std::size_t k);

enum class Missing {
    None,
    Refused,          // the score itself was left out (ScoreResult::problem)
    NoReliability,    // the score, or one of two or of a group, has none
    NoCorrelation,    // a correlation needed is not known
    TooFewScores,     // fewer than three scores with a reliability in its set
    NoRetest,
    InconsistentCorrelations, // they leave a difference or sum no positive spread
    ReliabilityNotUsable,     // a composite's reliability is not above 0, or above 1
    RetestOutOfRange,         // the retest lies beyond its scale or the z scale (retestUsable)
    CorrelationsImpossible,   // the matrix of the correlations used is not positive
                              // semi-definite (Analysis::impossibleMatrices)
    NoStudy,                  // no retest study, or not the change method's figure
    NoControls,               // no control sample
    NotComputable,            // Boost.Math could not evaluate it so far out
    NotPositiveDefinite,      // a profile's distance or low scores need R invertible
    NoSingleCritical,         // under Holm, the adjusted p decides (profile/unusual.h)
    NotCorrected,             // no p_adjusted without a correction
    Working,                  // a distribution is still being worked out
};

struct Figure {
    std::string text;                  // as shown; empty when missing
    double value = std::nan("");       // the exact figure behind the text
    Missing missing = Missing::None;
    bool known() const { return missing == Missing::None; }
};

enum class Mark { None, Strength, Weakness };        // "", "S", "W"
enum class Change { None, Gain, Loss, NoChange };     // None: not computed
enum class Significance { Unknown, Yes, No };

// Change by regression on the score's retest study, by the settings'
// change method: SRB fills z, Crawford-Garthwaite t and the percentages;
// predicted and p go with either (regression_change.h).
struct RegressionFigures {
    ChangeMethod method = ChangeMethod::JacobsonTruax; // as resolved for this score
    Figure predicted;   // on the score's own scale
    Figure z, t, p;     // p one-tailed
    Figure percent, percentLow, percentHigh;
};

// The score against its control sample (single_case.h).
struct CaseFigures {
    Figure t, df, p, zcc, zccLow, zccHigh, percent, percentLow, percentHigh;
    bool above = false; // percentages of the controls above the case, not below
};

struct ScoreResult {
    EntryProblem problem;           // set: the entry was left out, nothing below is
    double z = std::nan("");
    Figure metric;                  // "113", "1*", "+1.0", by the metric's display rule
    Figure percentileRank;          // "84", "<0.1", as interpretation shows it
    std::string descriptor;
    Figure ciLow, ciHigh;           // on the metric
    double zLow = std::nan(""), zHigh = std::nan(""); // the interval in z units
    int set = -1;                   // its comparison set in Analysis::sets; -1 when refused
    Figure deviation;               // from the mean of its set's scores with a reliability
    Figure deviationCritical;
    Mark mark = Mark::None;
    Figure deviationBaseRate;
    Figure deviationBaseRateEither; // a deviation as large in either direction
    double retestZ = std::nan("");
    Figure retest;                  // the retest on the metric
    Figure rci;
    Change change = Change::None; // by regression.method
    RegressionFigures regression;
    CaseFigures controls;
};

struct PairResult {
    int first = -1, second = -1; // entry indices, first before second
    Figure difference;           // first minus second, on the metric
    Figure se, critical;
    Significance significant = Significance::Unknown;
    Figure baseRate;             // as large in the same direction
    Figure baseRateEither;       // as large in either direction
    Figure p, pAdjusted;         // two-tailed; pAdjusted under Bonferroni or Holm
};

struct CompositeResult {
    std::string group;
    std::vector<int> members; // entry indices, in profile order
    Missing missing = Missing::None; // NoCorrelation or InconsistentCorrelations: no score
    double z = std::nan("");
    Figure metric, percentileRank;
    std::string descriptor;
    Figure reliability;       // ".857"
    Figure ciLow, ciHigh;
    double zLow = std::nan(""), zHigh = std::nan("");
};

// What analyse() is asked for: a caller that shows only the pairs need not
// pay for the rest, and the other way round. Without kScores a score has
// only its problem, z and metric; without kPairs or kComposites there are
// none of those. kSets without kScores gives a score its problem, z and set
// alone (no metric), the sets with their members, and what the correlations
// cannot be: all that summariseSets() (profile/unusual.h) needs.
enum Parts : unsigned { kScores = 1, kPairs = 2, kComposites = 4, kAllParts = 7, kSets = 8 };

struct Analysis {
    Settings settings;                      // as analysed with
    std::vector<ScoreResult> scores;        // one per entry, in profile order
    std::vector<PairResult> pairs;          // every pair of scores used, in input order
    std::vector<CompositeResult> composites; // groups of two or more, by first appearance
    std::vector<int> refused;               // entries left out, in order
    int pairsTested = 0;                    // m: pairs with a p, the family corrected for
    // Sets of entries (indices, in order) whose correlations no set of
    // scores could have: their matrix is not positive semi-definite. The
    // deviations' set first, when it is one.
    std::vector<std::vector<int>> impossibleMatrices;
    // Pairs (i < j) whose correlation lies further from 0 than the square
    // root of the product of their reliabilities: more than the scores' true
    // parts allow.
    std::vector<std::pair<int, int>> correlationsAboveReliabilities;
    // The comparison sets, by first appearance: a score's deviation, its
    // strength or weakness, Bonferroni's m and base rate are taken within
    // its set. Pairs stay across all scores.
    struct ComparisonSet {
        std::string name;          // as first given; empty: the default set
        std::vector<int> members;  // its scores with a reliability, in order
        double meanZ = std::nan("");           // when members.size() >= 3
        double meanCorrelation = std::nan(""); // r-bar of the members
        double errorVarianceSum = 0;           // sum of (1 - r_j) over them
        int count() const { return int(members.size()); }
    };
    std::vector<ComparisonSet> sets;
    // The first set's figures: those of the whole profile when it has no sets.
    int deviationCount = 0;                 // k: scores with a reliability
    double deviationMeanZ = std::nan("");   // their mean z, when k >= 3

    // Kept for explain(): the numbers each figure was reached from.
    struct Kept {
        int scale = -1;
        double score = 0, mean = 0, sd = 0;
        double reliability = std::nan(""), retest = std::nan(""), practice = std::nan("");
        double rowMeanCorrelation = std::nan(""); // r-bar_i, for the deviation base rate
        RetestStudy study;
        ControlSample controls;
    };
    std::vector<Kept> kept;                 // per entry
    std::vector<double> pairCorrelations;   // per pair, NaN when unknown
    std::vector<std::vector<double>> compositeCorrelations; // per composite, i < j in order
    double meanCorrelation = std::nan("");  // r-bar of the first set's k scores
    double errorVarianceSum = 0;            // sum of (1 - r_j) over them

    // Not a result: what analyse() works out once and keeps between calls
    // on the same Analysis, for a batch of people with the same tests.
    struct Memo {
        struct HalfWidth {
            double reliability = -1, confidence = 0;
            interpretation::Method method = interpretation::Method::TrueScore;
            double half = 0;
        };
        std::array<HalfWidth, 16> halfWidths; // of intervals, by reliability
        unsigned long long correlations = 0;  // Correlations::serial() of the names
        std::vector<std::pair<std::string, int>> names; // each entry's name and index
        std::vector<int> index;        // scratch: each entry's index in the correlations
        std::vector<size_t> members;   // scratch: the scores a step takes together
        std::vector<char> placed;      // scratch: entries already in a composite
        // Whether the correlations among a set's scores could hold
        // together, by their indices in the correlations.
        std::vector<std::pair<std::vector<int>, bool>> possible;
        unsigned long long possibleOf = 0; // Correlations::serial() they were read from
        std::vector<int> key;          // scratch
    };
    Memo memo;
};

// The correlations may be empty (none known). Settings must pass
// alphaUsable() and interpretation::checkConfidence().
Analysis analyse(const Profile &profile, const Correlations &correlations,
                 const Settings &settings, unsigned parts = kAllParts);
// The same into an Analysis kept from before, reusing its storage: the batch
// tool analyses person after person.
void analyse(const Profile &profile, const Correlations &correlations, const Settings &settings,
             Analysis &into, unsigned parts = kAllParts);

// The scale a profile is shown on, and how many decimals its figures have.
struct MetricRules {
    interpretation::ScaleId scale;
    double mean, sd;
    int differenceDecimals, deviationDecimals, deviationCriticalDecimals;
};
MetricRules rulesOf(Metric metric);

// A critical value shown rounded up, away from zero, to its decimals: the
// number shown.
double setCritical(Figure &figure, double value, int decimals);

// Every figure of an Analysis that explain() can account for.
enum class Item {
    Z, Metric, PercentileRank, Descriptor, CiLow, CiHigh,
    Deviation, DeviationCritical, StrengthWeakness, DeviationBaseRate,
    Retest, Rci, Change,
    PairDifference, PairSe, PairCritical, PairSignificance, PairBaseRate,
    PairBaseRateEither, PairP, PairPAdjusted, DeviationBaseRateEither,
    CompositeMetric, CompositePercentileRank, CompositeDescriptor, CompositeReliability,
    CompositeCiLow, CompositeCiHigh,
    PredictedRetest, SrbZ, ChangeT, ChangeP, ChangePercent, ChangePercentLow, ChangePercentHigh,
    CaseT, CaseP, CaseZcc, CaseZccLow, CaseZccHigh, CasePercent, CasePercentLow, CasePercentHigh,
};

// How one figure was reached; index is an entry's for the score items, a
// pair's or a composite's for theirs. Nothing for a figure that is missing.
std::optional<interpretation::Explanation> explain(const Analysis &analysis, Item item,
                                                   int index);

// The score's figures against its study and controls, into its result:
// after the RCI's, whose decision the regression methods replace.
void smallSampleFigures(const ScoreEntry &entry, const Settings &settings, ScoreResult &result);
void clearSmallSampleFigures(ScoreResult &result, Missing why);
std::optional<interpretation::Explanation> explainSmallSample(const Analysis &analysis, Item item,
                                                              int index);

// Words of the batch tool's tables for the labels.
std::string_view markText(Mark mark);              // "", "S", "W"
std::string_view changeText(Change change);        // "", "reliable gain", ...
std::string_view significanceText(Significance s); // "", "yes", "no"

} // namespace profile
