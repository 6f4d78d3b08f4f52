// How unusual a whole profile is among healthy people, within each
// comparison set: how many scores are low and how many people have as many
// (Crawford, Garthwaite & Gault, 2007), and the profile's Mahalanobis
// distance (Crawford, Garthwaite, Longman & Batty, 2012). Also the pairs
// taken as a family (p, Bonferroni or Holm) and base rates in either
// direction, which analyse() fills in through familyFigures().
//
// The count's distribution depends on the correlations and the cut-off
// alone, so a LowScoreCache keeps it for every person and edit that shares
// them. Qt-free; every figure explains itself as data.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "interpretation/explanation.h"
#include "profile/analysis.h"

namespace profile {

// The proportion of healthy people with j or more low scores among k,
// j = 0..k, for one correlation matrix and cut-off.
struct LowScoreDistribution {
    int k = 0;
    double cutoff = 5;           // percent
    long long draws = 0;         // 0: exact, the binomial of the identity matrix
    std::vector<double> atLeast; // k + 1 proportions, atLeast[0] == 1
    // As percentages; the standard error is 0 when exact.
    double percent(int j) const;
    double standardError(int j) const;
};

// Draws of the Monte Carlo: at least a million, as the published method.
constexpr long long kLowScoreDraws = 1000000;
constexpr std::uint64_t kLowScoreSeed = 20070101;

// The distribution for k scores with the row-major correlation matrix R
// (1 on the diagonal); nothing when R is not positive definite. Exact when
// R is the identity, otherwise the same Monte Carlo on every machine:
// mt19937_64 drawn through R's Cholesky factor, normals by Box-Muller.
std::optional<LowScoreDistribution> lowScoreDistribution(const std::vector<double> &matrix,
                                                         int k, double cutoff,
                                                         long long draws = kLowScoreDraws);

// The distributions worked out so far, by matrix and cut-off. Safe to share
// between threads: the window computes away from its interface thread.
class LowScoreCache {
public:
    using Entry = std::shared_ptr<const LowScoreDistribution>; // null: not positive definite
    // Known already; `found` says whether it was.
    Entry find(const std::vector<double> &matrix, double cutoff, bool &found) const;
    // Known or worked out now.
    Entry get(const std::vector<double> &matrix, int k, double cutoff);
    size_t size() const;

    // A hostile file could bring a new matrix per person: memory stays flat.
    static constexpr size_t kLimit = 64;

private:
    using Key = std::pair<double, std::vector<double>>;
    mutable std::mutex m_mutex;
    std::map<Key, Entry> m_known;
};

// One comparison set of one person.
struct UnusualSet {
    int set = -1;                // index in Analysis::sets
    std::string name;            // the set's name; empty: the default set
    std::vector<int> members;    // every score used in the set, in order
    std::vector<double> z;       // theirs
    std::vector<double> matrix;  // their correlations, row-major (empty when not all known)
    double cutoff = 5;
    double zCutoff = 0;          // Phi^-1(cutoff / 100)
    // Empty with missing set: TooFewScores (k < 2), NoCorrelation,
    // NotPositiveDefinite, or Working (the window's distribution is on its way).
    Figure lowCount;             // "3"
    Figure lowBaseRate;          // "12.4", "<0.1"
    double lowBaseRateSe = std::nan(""); // in percent; 0 when exact
    long long draws = 0;
    Figure mahalanobis;          // D squared, "8.56"
    int df = 0;
    Figure mahalanobisRate;      // "7.3"
    int pairsTested = 0;         // pairs with both scores in the set and a test
    int pairsSignificant = 0;
    int k() const { return int(members.size()); }
};

// Every set of an analysis made with kScores (and kPairs for the pairs'
// counts). Without a cache (or with compute false) a distribution not yet
// known leaves lowBaseRate missing as Working, for a caller that works it
// out elsewhere and asks again.
void unusualSets(const Analysis &analysis, const Correlations &correlations,
                 LowScoreCache *cache, bool compute, std::vector<UnusualSet> &out);

// What summariseSets() works out once for people who share their tests and
// settings, kept between calls. Its size stays bounded.
class SetsMemo {
public:
    SetsMemo();
    ~SetsMemo();
    SetsMemo(const SetsMemo &) = delete;
    SetsMemo &operator=(const SetsMemo &) = delete;
    struct Kept;
    std::unique_ptr<Kept> kept;
};

// The same sets as unusualSets() gives after analyse() with kScores and
// kPairs, from an analysis made with kSets alone: without each score's and
// pair's figures, for a table that writes only the sets'. A set's matrix,
// its factor and distribution are worked out once for all who share them.
void summariseSets(const Analysis &analysis, const Correlations &correlations,
                   LowScoreCache &cache, SetsMemo &memo, std::vector<UnusualSet> &out);

// Fills the pairs' p, p_adjusted and either-direction base rates and the
// deviations' either-direction base rates, and re-decides the pairs under
// the correction of analysis.settings. analyse() calls it.
void familyFigures(Analysis &analysis);

// p as shown: three decimals rounded up, or "<.001"; the number a decision
// goes by.
double setP(Figure &figure, double p);
// Whether a p as shown lies at or below alpha.
bool pShownAtMost(const Figure &p, double alpha);

// The pairs' p, p_adjusted and either-direction base rates, and the
// deviations' (Item::DeviationBaseRateEither); explain() hands them here.
std::optional<interpretation::Explanation> explainFamily(const Analysis &analysis, Item item,
                                                         int index);

// A set's low-score base rate from its distribution (null: R not positive
// definite): for a caller that worked it out on its own, as a printed
// report that cannot wait.
void setLowBaseRate(UnusualSet &set, const LowScoreDistribution *distribution);

enum class UnusualItem { LowCount, LowBaseRate, Mahalanobis, MahalanobisRate };
std::optional<interpretation::Explanation> explain(const UnusualSet &set, UnusualItem item);

std::string_view correctionColumn(PairsCorrection correction); // "none", "bonferroni", "holm"
std::optional<PairsCorrection> findCorrection(std::string_view column);

} // namespace profile
