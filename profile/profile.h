// A profile: the scores of one person, each on its own scale, and the
// settings they are analysed with (see analysis.h). Qt-free. Problems are
// data (what is wrong, in which cell), never sentences: the batch tool and
// the windows word them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "interpretation/interpretation.h"
#include "profile/regression_change.h"
#include "profile/single_case.h"

namespace profile {

// The cells of a score, in the order the batch file and the window list them.
enum class Field {
    Name, Scale, Score, Mean, Sd, Reliability, Retest, Practice, Group, Set,
    StudyMean1, StudySd1, StudyMean2, StudySd2, StudyR12, StudyN,
    ControlsMean, ControlsSd, ControlsN,
};

enum class Problem {
    None,
    Missing,               // a cell that must be filled is empty: name, scale, score,
                           // and a raw score's mean and sd
    NotANumber,            // the cell is not a plain decimal number
    UnknownScale,
    BandScale,             // stanine and sten are bands, not points
    OutOfRange,            // score or retest outside its scale's range; a
                           // percentile of 0, 100 or beyond
    SdNotPositive,
    ReliabilityOutOfRange, // not 0 < r < 1
    PracticeOnPercentile,  // a percentile works in z alone
    DuplicateName,         // `other` is the entry that has the name first
    ZBeyondLimits,         // a raw score or percentile whose z lies beyond
                           // the z scale's range, as a z score there would
    SampleTooSmall,        // a retest study of fewer than 3, controls fewer than 2,
                           // or a size that is no whole number
    CorrelationOutOfRange, // a retest study's r12 not within (-1, 1)
};

struct EntryProblem {
    Problem problem = Problem::None;
    Field field = Field::Name;
    int other = -1;
    explicit operator bool() const { return problem != Problem::None; }
};

// One score. Numbers are as given, on the score's own scale.
struct ScoreEntry {
    std::string name;  // unique in the profile, A-Z and a-z counting as one
    int scale = -1;    // row of conversion::kScales; -1: none (see findScale)
    double score = 0;
    double mean = 0, sd = 0; // a raw score's distribution; unused otherwise
    std::optional<double> reliability;
    std::optional<double> retest;   // on the same scale
    std::optional<double> practice; // expected change, on the same scale
    std::string group;              // empty: in no group
    // The comparison set its deviation is taken in, A-Z and a-z counting as
    // one; empty is a set of its own, so a profile without sets is one set.
    std::string set;
    // Either complete or not given at all; on the score's own scale.
    RetestStudy study;
    ControlSample controls;
    // Set by readEntry() for a cell it could not read; analyse() leaves such
    // an entry out, as it does one that fails checkEntry().
    EntryProblem problem;
};

struct Profile {
    std::vector<ScoreEntry> entries;
};

// The rows of conversion::kScales a score may be given on, in table order:
// raw, z, T, Wechsler, NCE, CEEB, AGCT, percentile, scaled.
const std::vector<int> &sourceScales();

// The row whose column ("wechsler") or name ("Wechsler IQ") this is, spaces
// around it and case ignored; -1 for none. Stanine and sten are found (and
// then refused by checkEntry with BandScale); "percentile_rank" is read as
// a percentile.
int findScale(std::string_view name);

// Whether the row is given as a percentile (0 < p < 100) rather than a
// point on a linear scale.
bool isPercentileScale(int row);

// The z of a value on the entry's scale (its score or retest), unrounded.
double scoreZ(const ScoreEntry &entry, double value);

// Whether the entry's retest can be compared with its score: on the scale,
// and within the z scale's range. A retest that cannot leaves the score
// whole, only without its change.
bool retestUsable(const ScoreEntry &entry);

// The cells of one score as text, for readEntry.
struct EntryCells {
    std::string_view name, scale, score, mean, sd, reliability, retest, practice, group;
    std::string_view set = {};
    // study_mean1, study_sd1, study_mean2, study_sd2, study_r12, study_n
    std::string_view study[6] = {};
    std::string_view controls[3] = {}; // controls_mean, controls_sd, controls_n
};

// Reads the cells into `entry` (names and group trimmed), numbers with the
// given decimal mark ('.' or ','); a z score may carry a "+". A number cell
// must be empty or a plain decimal number; the first that is not sets
// entry.problem (NotANumber), as does a score's scale that is unknown or
// missing. The values themselves are checked by checkEntry.
void readEntry(const EntryCells &cells, char decimalMark, ScoreEntry &entry);

// What is wrong with an entry on its own (entry.problem first): its scale,
// its values against the scale's range, sd, reliability, practice. Duplicate
// names are a matter of the whole profile: analyse() finds them.
EntryProblem checkEntry(const ScoreEntry &entry);

// The scale a profile's figures are shown on.
enum class Metric { Wechsler, T, Scaled, Z };
constexpr Metric kMetrics[] = {Metric::Wechsler, Metric::T, Metric::Scaled, Metric::Z};

interpretation::ScaleId metricScale(Metric metric);
// The scale's column: "wechsler", "t", "scaled", "z".
std::string_view metricColumn(Metric metric);
// By column, case ignored.
std::optional<Metric> findMetric(std::string_view column);

// How the pairs of one person are tested as a family.
enum class PairsCorrection { None, Bonferroni, Holm };

struct Settings {
    Metric metric = Metric::Wechsler;
    double alpha = 0.05;       // two-tailed, 0 < a < .5
    bool bonferroni = false;   // for strengths and weaknesses
    double confidence = 95;    // of intervals, 50 <= C < 100
    interpretation::Method method = interpretation::Method::TrueScore;
    interpretation::DescriptorSystem descriptors = interpretation::builtInSystems().front();
    ChangeMethod changeMethod = ChangeMethod::Auto;
    PairsCorrection pairsCorrection = PairsCorrection::None;
    double lowCutoff = 5;      // percentile below which a score is low, 0 < P < 50
};

// 0 < a < .5.
bool alphaUsable(double alpha);
// 0 < P < 50.
bool lowCutoffUsable(double percent);

} // namespace profile
