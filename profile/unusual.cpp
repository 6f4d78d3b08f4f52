// How unusual a profile is: low scores, the Mahalanobis distance, and the
// pairs as a family.
#include "profile/unusual.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <numeric>
#include <random>

#include <boost/math/distributions/chi_squared.hpp>

#include "profile/formulas.h"
#include "text/fixed_number.h"

namespace profile {

namespace {

using interpretation::Explanation;
using interpretation::Formula;
using interpretation::Quantity;
using interpretation::Source;
using interpretation::Term;

constexpr double kPivotTolerance = 1e-10;

Term term(Quantity quantity, double value, int score = -1, int other = -1)
{
    return {quantity, score, other, value};
}

void setMissing(Figure &figure, Missing why)
{
    figure.text.clear();
    figure.value = std::nan("");
    figure.missing = why;
}

double setNumber(Figure &figure, double value, int decimals)
{
    figure.value = value;
    figure.missing = Missing::None;
    return text::fixedNumber(value, decimals, figure.text);
}

// Percentages of people show one decimal, or "<0.1", as the base rates do.
void setPercent(Figure &figure, double percent)
{
    setNumber(figure, percent, 1);
    if (percent < 0.1)
        figure.text = "<0.1";
}

// The profile's distance D^2 = |L^-1 z|^2, by forward substitution through
// R's Cholesky factor L, and the percent of healthy profiles beyond it.
void setDistance(UnusualSet &u, const std::vector<double> &l, int k, std::vector<double> &y)
{
    y.resize(size_t(k));
    double d2 = 0;
    for (int i = 0; i < k; ++i) {
        double v = u.z[size_t(i)];
        for (int j = 0; j < i; ++j)
            v -= l[size_t(i * k + j)] * y[size_t(j)];
        y[size_t(i)] = v / l[size_t(i * k + i)];
        d2 += y[size_t(i)] * y[size_t(i)];
    }
    setNumber(u.mahalanobis, d2, 2);
    const boost::math::chi_squared chi(k);
    setPercent(u.mahalanobisRate, 100 * boost::math::cdf(boost::math::complement(chi, d2)));
}

// A critical value rounded down would let a difference short of it pass.
double setCriticalUp(Figure &figure, double value)
{
    double shown = setNumber(figure, value, 2);
    if (std::fabs(shown) < std::fabs(value))
        shown = text::fixedNumber(value < 0 ? shown - 0.01 : shown + 0.01, 2, figure.text);
    return shown;
}

double shownOf(const Figure &figure)
{
    double value = std::nan("");
    const std::string &t = figure.text;
    std::from_chars(t.data() + (!t.empty() && t[0] == '+'), t.data() + t.size(), value);
    return value;
}

// p at three decimals, never rounded down: a p shown as .050 was never .0504.
double pRoundedUp(double p, std::string *text = nullptr)
{
    std::string scratch;
    std::string &out = text ? *text : scratch;
    double shown = text::fixedNumber(p, 3, out);
    // A p of .05 reached through erfc may carry a last-digit excess; that is
    // not a p above .050.
    if (shown < p * (1 - 1e-12))
        shown = text::fixedNumber(shown + 0.001, 3, out);
    return shown;
}

// L of R = L L', lower triangle row-major; false when R is not positive
// definite, as a pivot of about 0 leaves the distance undefined.
bool cholesky(const std::vector<double> &r, int k, std::vector<double> &l)
{
    const size_t n = size_t(k);
    l.assign(n * n, 0.0);
    for (size_t j = 0; j < n; ++j) {
        double pivot = r[j * n + j];
        for (size_t p = 0; p < j; ++p)
            pivot -= l[j * n + p] * l[j * n + p];
        if (!(pivot > kPivotTolerance))
            return false;
        const double root = std::sqrt(pivot);
        l[j * n + j] = root;
        for (size_t i = j + 1; i < n; ++i) {
            double v = r[i * n + j];
            for (size_t p = 0; p < j; ++p)
                v -= l[i * n + p] * l[j * n + p];
            l[i * n + j] = v / root;
        }
    }
    return true;
}

bool isIdentity(const std::vector<double> &r, int k)
{
    for (int i = 0; i < k; ++i)
        for (int j = 0; j < k; ++j)
            if (i != j && r[size_t(i * k + j)] != 0)
                return false;
    return true;
}

// P(j or more of k) for independent scores, each low with probability p,
// summed from the top so the small tail keeps its digits.
std::vector<double> binomialAtLeast(int k, double p)
{
    std::vector<double> pmf(size_t(k) + 1);
    for (int j = 0; j <= k; ++j) {
        double choose = 1;
        for (int i = 1; i <= j; ++i)
            choose = choose * double(k - j + i) / double(i);
        pmf[size_t(j)] = choose * std::pow(p, j) * std::pow(1 - p, k - j);
    }
    std::vector<double> atLeast(size_t(k) + 1);
    double sum = 0;
    for (int j = k; j >= 0; --j) {
        sum += pmf[size_t(j)];
        atLeast[size_t(j)] = std::min(1.0, sum);
    }
    atLeast[0] = 1;
    return atLeast;
}

// Normals from mt19937_64's bits by Marsaglia & Tsang's (2000) ziggurat of
// 256 layers: most draws cost one 64-bit number and a multiplication, and
// every machine draws the same ones (std::normal_distribution is not the
// same across libraries).
class Normals {
public:
    explicit Normals(std::uint64_t seed) : m_bits(seed)
    {
        // Layer i spans the heights f(x[i]) to f(x[i + 1]); layer 0 is the
        // base with the tail beyond R, each of area V.
        constexpr double kR = 3.6541528853610088, kV = 0.00492867323399;
        m_x[0] = kV / f(kR);
        m_x[1] = kR;
        for (int i = 2; i < kLayers; ++i)
            m_x[i] = std::sqrt(-2 * std::log(kV / m_x[i - 1] + f(m_x[i - 1])));
        m_x[kLayers] = 0;
        for (int i = 0; i <= kLayers; ++i)
            m_f[i] = f(m_x[i]);
    }

    double operator()()
    {
        for (;;) {
            const std::uint64_t bits = m_bits();
            const int i = int(bits & 0xFF);
            const double sign = (bits & 0x100) ? -1.0 : 1.0;
            const double x = double(bits >> 11) * 0x1.0p-53 * m_x[i];
            if (x < m_x[i + 1])
                return sign * x;
            if (i == 0)
                return sign * tail();
            const double y = m_f[i] + uniform() * (m_f[i + 1] - m_f[i]);
            if (y < f(x))
                return sign * x;
        }
    }

private:
    static constexpr int kLayers = 256;
    static double f(double x) { return std::exp(-0.5 * x * x); }
    // In (0, 1): a logarithm of it is finite.
    double uniform() { return (double(m_bits() >> 11) + 0.5) * 0x1.0p-53; }
    // Marsaglia (1964): beyond R.
    double tail()
    {
        const double r = m_x[1];
        double a, b;
        do {
            a = -std::log(uniform()) / r;
            b = -std::log(uniform());
        } while (2 * b < a * a);
        return r + a;
    }
    std::mt19937_64 m_bits;
    double m_x[kLayers + 1];
    double m_f[kLayers + 1];
};

std::vector<double> monteCarloAtLeast(const std::vector<double> &l, int k, double zCut,
                                      long long draws)
{
    const size_t n = size_t(k);
    // L by columns: x += e_j L_j adds in the same order as row by row, and
    // the compiler can take several x at once.
    std::vector<double> columns(n * n, 0.0);
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j <= i; ++j)
            columns[j * n + i] = l[i * n + j];
    std::vector<long long> counts(n + 1, 0);
    std::vector<double> x(n);
    Normals normal(kLowScoreSeed);
    for (long long d = 0; d < draws; ++d) {
        std::fill(x.begin(), x.end(), 0.0);
        for (size_t j = 0; j < n; ++j) {
            const double e = normal();
            const double *column = &columns[j * n];
            for (size_t i = j; i < n; ++i)
                x[i] += column[i] * e;
        }
        size_t low = 0;
        for (size_t i = 0; i < n; ++i)
            low += x[i] < zCut;
        ++counts[low];
    }
    std::vector<double> atLeast(n + 1);
    long long sum = 0;
    for (size_t j = n + 1; j-- > 0;) {
        sum += counts[j];
        atLeast[j] = double(sum) / double(draws);
    }
    return atLeast;
}

double percentileOf(const Analysis &a, int i)
{
    const ScoreResult &s = a.scores[size_t(i)];
    if (s.percentileRank.known())
        return s.percentileRank.value;
    return isPercentileScale(a.kept[size_t(i)].scale) ? a.kept[size_t(i)].score
                                                      : interpretation::percentileRank(s.z);
}

void clearUnusual(UnusualSet &u, Missing why)
{
    setMissing(u.lowBaseRate, why);
    setMissing(u.mahalanobis, why);
    setMissing(u.mahalanobisRate, why);
    u.lowBaseRateSe = std::nan("");
    u.draws = 0;
}

// The Holm order of the pairs with a p: smallest p first, ties in input order.
std::vector<int> holmOrder(const Analysis &a)
{
    std::vector<int> order;
    for (size_t p = 0; p < a.pairs.size(); ++p)
        if (a.pairs[p].p.known())
            order.push_back(int(p));
    std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return a.pairs[size_t(x)].p.value < a.pairs[size_t(y)].p.value;
    });
    return order;
}

} // namespace

double LowScoreDistribution::percent(int j) const
{
    if (j < 0 || j > k)
        return std::nan("");
    return 100 * atLeast[size_t(j)];
}

double LowScoreDistribution::standardError(int j) const
{
    if (draws == 0 || j < 0 || j > k)
        return 0;
    const double q = atLeast[size_t(j)];
    return 100 * std::sqrt(q * (1 - q) / double(draws));
}

std::optional<LowScoreDistribution> lowScoreDistribution(const std::vector<double> &matrix,
                                                         int k, double cutoff, long long draws)
{
    std::vector<double> l;
    if (k < 1 || matrix.size() != size_t(k) * size_t(k) || !cholesky(matrix, k, l))
        return std::nullopt;
    LowScoreDistribution d;
    d.k = k;
    d.cutoff = cutoff;
    if (isIdentity(matrix, k)) {
        d.atLeast = binomialAtLeast(k, cutoff / 100);
    } else {
        d.draws = std::max(1LL, draws);
        d.atLeast = monteCarloAtLeast(l, k, interpretation::inverseNormal(cutoff / 100), d.draws);
    }
    return d;
}

LowScoreCache::Entry LowScoreCache::find(const std::vector<double> &matrix, double cutoff,
                                         bool &found) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_known.find(Key(cutoff, matrix));
    found = it != m_known.end();
    return found ? it->second : nullptr;
}

LowScoreCache::Entry LowScoreCache::get(const std::vector<double> &matrix, int k, double cutoff)
{
    bool found = false;
    if (Entry known = find(matrix, cutoff, found); found)
        return known;
    // Worked out unlocked: a window asking meanwhile is not held up.
    std::optional<LowScoreDistribution> d = lowScoreDistribution(matrix, k, cutoff);
    Entry entry = d ? std::make_shared<const LowScoreDistribution>(std::move(*d)) : nullptr;
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_known.size() >= kLimit)
        m_known.clear();
    m_known.emplace(Key(cutoff, matrix), entry);
    return entry;
}

size_t LowScoreCache::size() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_known.size();
}

double setP(Figure &figure, double p)
{
    figure.value = p;
    figure.missing = Missing::None;
    if (p < 0.001) {
        figure.text = "<.001";
        return p;
    }
    const double shown = pRoundedUp(p, &figure.text);
    if (figure.text.size() > 1 && figure.text[0] == '0')
        figure.text.erase(0, 1);
    return shown;
}

bool pShownAtMost(const Figure &p, double alpha)
{
    if (!p.known())
        return false;
    // "<.001" says no more than that it lies below .001.
    return p.value < 0.001 ? p.value <= alpha : pRoundedUp(p.value) <= alpha;
}

void familyFigures(Analysis &a)
{
    for (ScoreResult &s : a.scores) {
        if (s.deviationBaseRate.known() && !std::isnan(s.deviationBaseRate.value))
            setPercent(s.deviationBaseRateEither, std::min(100.0, 2 * s.deviationBaseRate.value));
        else
            setMissing(s.deviationBaseRateEither, s.deviationBaseRate.missing);
    }
    const double alpha = a.settings.alpha;
    const PairsCorrection correction = a.settings.pairsCorrection;
    int m = 0;
    for (PairResult &pair : a.pairs) {
        if (pair.baseRate.known() && !std::isnan(pair.baseRate.value))
            setPercent(pair.baseRateEither, std::min(100.0, 2 * pair.baseRate.value));
        else
            setMissing(pair.baseRateEither, pair.baseRate.missing);
        if (!pair.se.known() || !(pair.se.value > 0)) {
            setMissing(pair.p, pair.se.known() ? Missing::ReliabilityNotUsable : pair.se.missing);
            setMissing(pair.pAdjusted, pair.p.missing);
            continue;
        }
        ++m;
        const double d = std::fabs(shownOf(pair.difference));
        setP(pair.p, std::erfc(d / pair.se.value * M_SQRT1_2));
    }
    a.pairsTested = m;
    const double zBonferroni = formula::criticalZ(alpha, double(std::max(1, m)));
    for (PairResult &pair : a.pairs) {
        if (!pair.p.known())
            continue;
        const double d = std::fabs(shownOf(pair.difference));
        switch (correction) {
        case PairsCorrection::None:
            setMissing(pair.pAdjusted, Missing::NotCorrected);
            pair.significant = d >= shownOf(pair.critical) && pShownAtMost(pair.p, alpha)
                                   ? Significance::Yes : Significance::No;
            break;
        case PairsCorrection::Bonferroni: {
            const double critical = setCriticalUp(pair.critical, zBonferroni * pair.se.value);
            setP(pair.pAdjusted, std::min(1.0, double(m) * pair.p.value));
            pair.significant = d >= critical && pShownAtMost(pair.pAdjusted, alpha)
                                   ? Significance::Yes : Significance::No;
            break;
        }
        case PairsCorrection::Holm:
            setMissing(pair.critical, Missing::NoSingleCritical);
            break;
        }
    }
    if (correction != PairsCorrection::Holm)
        return;
    const std::vector<int> order = holmOrder(a);
    double running = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        PairResult &pair = a.pairs[size_t(order[i])];
        running = std::max(running, std::min(1.0, double(m - int(i)) * pair.p.value));
        setP(pair.pAdjusted, running);
        pair.significant = pShownAtMost(pair.pAdjusted, alpha) ? Significance::Yes : Significance::No;
    }
}

void unusualSets(const Analysis &a, const Correlations &correlations, LowScoreCache *cache,
                 bool compute, std::vector<UnusualSet> &out)
{
    out.resize(a.sets.size());
    const double cutoff = a.settings.lowCutoff;
    const std::vector<int> &index = a.memo.index;
    std::vector<double> l;
    for (size_t s = 0; s < a.sets.size(); ++s) {
        UnusualSet &u = out[s];
        u.set = int(s);
        u.name = a.sets[s].name;
        u.members.clear();
        u.z.clear();
        u.cutoff = cutoff;
        u.zCutoff = interpretation::inverseNormal(cutoff / 100);
        int low = 0;
        for (size_t i = 0; i < a.scores.size(); ++i) {
            if (a.scores[i].problem || a.scores[i].set != int(s))
                continue;
            u.members.push_back(int(i));
            u.z.push_back(a.scores[i].z);
            low += percentileOf(a, int(i)) < cutoff;
        }
        const int k = u.k();
        u.df = k;
        setNumber(u.lowCount, low, 0);
        u.pairsTested = u.pairsSignificant = 0;
        for (const PairResult &pair : a.pairs) {
            if (!pair.p.known() || a.scores[size_t(pair.first)].set != int(s)
                || a.scores[size_t(pair.second)].set != int(s))
                continue;
            ++u.pairsTested;
            u.pairsSignificant += pair.significant == Significance::Yes;
        }
        u.matrix.assign(size_t(k) * size_t(k), 1.0);
        bool known = k >= 2 && index.size() == a.scores.size();
        for (int x = 0; x < k && known; ++x)
            for (int y = 0; y < k && known; ++y) {
                if (x == y)
                    continue;
                const double r = correlations.at(index[size_t(u.members[size_t(x)])],
                                                 index[size_t(u.members[size_t(y)])]);
                known = !std::isnan(r);
                u.matrix[size_t(x * k + y)] = r;
            }
        if (k < 2 || !known) {
            u.matrix.clear();
            clearUnusual(u, k < 2 ? Missing::TooFewScores : Missing::NoCorrelation);
            continue;
        }
        if (!cholesky(u.matrix, k, l)) {
            clearUnusual(u, Missing::NotPositiveDefinite);
            continue;
        }
        std::vector<double> y;
        setDistance(u, l, k, y);

        LowScoreCache::Entry d;
        bool found = false;
        if (cache)
            d = cache->find(u.matrix, cutoff, found);
        if (!found && compute) {
            if (cache) {
                d = cache->get(u.matrix, k, cutoff);
            } else if (auto made = lowScoreDistribution(u.matrix, k, cutoff)) {
                d = std::make_shared<const LowScoreDistribution>(std::move(*made));
            }
            found = true;
        }
        if (!found) {
            setMissing(u.lowBaseRate, Missing::Working);
            continue;
        }
        setLowBaseRate(u, d.get());
    }
}

namespace {

// A function's results by its exact arguments, in a table of fixed size: a
// batch's people bring the same few differences, p values and standard
// errors again and again. Whatever it recalls was worked out by the same
// code as the full analysis, so the figures cannot differ.
template <class Value>
class Recall {
public:
    explicit Recall(int bits) : m_shift(64 - bits), m_slots(size_t(1) << bits) {}

    template <class Work>
    const Value &operator()(double a, double b, Work work)
    {
        std::uint64_t x, y;
        std::memcpy(&x, &a, sizeof x);
        std::memcpy(&y, &b, sizeof y);
        const std::uint64_t h = (x ^ (y * 0xC2B2AE3D27D4EB4FULL + (y >> 29))) * 0x9E3779B97F4A7C15ULL;
        Slot &slot = m_slots[h >> m_shift];
        if (!slot.filled || slot.a != x || slot.b != y)
            slot = {x, y, work(), true};
        return slot.value;
    }

    void clear() { std::fill(m_slots.begin(), m_slots.end(), Slot()); }

private:
    struct Slot {
        std::uint64_t a = 0, b = 0;
        Value value{};
        bool filled = false;
    };
    int m_shift;
    std::vector<Slot> m_slots;
};

// A pair's test by its difference and standard error, before any correction.
struct PairTest {
    double d = 0;         // |difference| as shown
    double p = 0;
    bool significant = false; // without a correction
};

} // namespace

struct SetsMemo::Kept {
    // What everything below was worked out under.
    bool valid = false;
    unsigned long long correlations = 0;
    double cutoff = 0, alpha = 0;
    Metric metric = Metric::Wechsler;
    PairsCorrection correction = PairsCorrection::None;

    MetricRules rules{};
    double zAlpha = 0, zCutoff = 0;
    int bonferroniM = -1;
    double zBonferroni = 0;

    // A set's scores by their indices in the correlations, and what their
    // matrix gives.
    struct Battery {
        std::vector<int> index;
        Missing missing = Missing::None; // NoCorrelation or NotPositiveDefinite
        std::vector<double> matrix, l;
        LowScoreCache::Entry distribution;
    };
    std::vector<Battery> batteries;

    Recall<double> percentile{10};         // by z, whatever the settings
    Recall<PairTest> tests{13};            // by difference and standard error
    Recall<double> criticalNone{12};       // as shown, by standard error
    Recall<bool> atMost{12};               // pShownAtMost(p, alpha), by p
    Recall<double> criticalBonferroni{12}; // by standard error and m

    struct Pair {
        int first, second;
        double d, se, p;
        bool significant;
    };
    std::vector<Pair> pairs; // tested ones, in input order
    std::vector<int> order;
    std::vector<int> key;
    std::vector<double> y;
    Figure scratch;

    // Forgets what the settings or correlations given now would change.
    void reset(const Analysis &a, const Correlations &c)
    {
        const Settings &s = a.settings;
        correction = s.pairsCorrection;
        if (!valid || correlations != c.serial() || cutoff != s.lowCutoff) {
            correlations = c.serial();
            cutoff = s.lowCutoff;
            zCutoff = interpretation::inverseNormal(cutoff / 100);
            batteries.clear();
        }
        if (!valid || alpha != s.alpha || metric != s.metric) {
            alpha = s.alpha;
            metric = s.metric;
            rules = rulesOf(metric);
            zAlpha = formula::criticalZ(alpha);
            bonferroniM = -1;
            tests.clear();
            criticalNone.clear();
            atMost.clear();
            criticalBonferroni.clear();
        }
        valid = true;
    }

    bool shownAtMost(double value)
    {
        return atMost(value, 0, [&] {
            scratch.value = value;
            scratch.missing = Missing::None;
            return pShownAtMost(scratch, alpha);
        });
    }

    Battery &battery(const Analysis &a, const Correlations &c, const std::vector<int> &members,
                     LowScoreCache &cache)
    {
        const std::vector<int> &index = a.memo.index;
        key.clear();
        const bool indexed = index.size() == a.scores.size();
        for (int i : members)
            key.push_back(indexed ? index[size_t(i)] : -1);
        for (Battery &b : batteries)
            if (b.index == key)
                return b;
        // A hostile file could bring new tests with every person.
        if (batteries.size() >= 16)
            batteries.clear();
        batteries.emplace_back();
        Battery &b = batteries.back();
        b.index = key;
        const int k = int(key.size());
        b.matrix.assign(size_t(k) * size_t(k), 1.0);
        for (int x = 0; x < k && b.missing == Missing::None; ++x)
            for (int y = 0; y < k; ++y) {
                if (x == y)
                    continue;
                const double r = c.at(key[size_t(x)], key[size_t(y)]);
                if (std::isnan(r)) {
                    b.missing = Missing::NoCorrelation;
                    break;
                }
                b.matrix[size_t(x * k + y)] = r;
            }
        if (b.missing == Missing::None && !cholesky(b.matrix, k, b.l))
            b.missing = Missing::NotPositiveDefinite;
        if (b.missing == Missing::None)
            b.distribution = cache.get(b.matrix, k, cutoff);
        return b;
    }

    // Every pair's test as familyFigures() decides it, without its figures.
    void testPairs(const Analysis &a)
    {
        pairs.clear();
        const double sd = rules.sd;
        const size_t n = a.scores.size();
        for (size_t i = 0; i < n; ++i) {
            if (a.scores[i].problem)
                continue;
            const double ri = a.kept[i].reliability;
            for (size_t j = i + 1; j < n; ++j) {
                if (a.scores[j].problem)
                    continue;
                const double rj = a.kept[j].reliability;
                if (std::isnan(ri) || std::isnan(rj))
                    continue;
                const double se = formula::pairStandardError(ri, rj, sd);
                if (!(se > 0))
                    continue;
                const double difference = (a.scores[i].z - a.scores[j].z) * sd;
                const PairTest &test = tests(difference, se, [&] {
                    PairTest t;
                    setNumber(scratch, difference, rules.differenceDecimals);
                    t.d = std::fabs(shownOf(scratch));
                    t.p = std::erfc(t.d / se * M_SQRT1_2);
                    const double critical = criticalNone(se, 0, [&] {
                        setCritical(scratch, zAlpha * se, 2);
                        return shownOf(scratch);
                    });
                    t.significant = t.d >= critical && shownAtMost(t.p);
                    return t;
                });
                pairs.push_back({int(i), int(j), test.d, se, test.p, test.significant});
            }
        }
        const int m = int(pairs.size());
        switch (correction) {
        case PairsCorrection::None:
            break;
        case PairsCorrection::Bonferroni:
            if (bonferroniM != m) {
                bonferroniM = m;
                zBonferroni = formula::criticalZ(alpha, double(std::max(1, m)));
            }
            for (Pair &pair : pairs) {
                const double critical = criticalBonferroni(pair.se, double(m), [&] {
                    return setCriticalUp(scratch, zBonferroni * pair.se);
                });
                pair.significant =
                    pair.d >= critical && shownAtMost(std::min(1.0, double(m) * pair.p));
            }
            break;
        case PairsCorrection::Holm: {
            order.resize(pairs.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
                return pairs[size_t(x)].p < pairs[size_t(y)].p;
            });
            double running = 0;
            for (size_t i = 0; i < order.size(); ++i) {
                Pair &pair = pairs[size_t(order[i])];
                running = std::max(running, std::min(1.0, double(m - int(i)) * pair.p));
                pair.significant = shownAtMost(running);
            }
            break;
        }
        }
    }
};

SetsMemo::SetsMemo() = default;
SetsMemo::~SetsMemo() = default;

void summariseSets(const Analysis &a, const Correlations &correlations, LowScoreCache &cache,
                   SetsMemo &memo, std::vector<UnusualSet> &out)
{
    // Made on first use: a converter writing another table never needs it.
    if (!memo.kept)
        memo.kept = std::make_unique<SetsMemo::Kept>();
    SetsMemo::Kept &kept = *memo.kept;
    kept.reset(a, correlations);
    kept.testPairs(a);
    out.resize(a.sets.size());
    const double cutoff = kept.cutoff;
    for (size_t s = 0; s < a.sets.size(); ++s) {
        UnusualSet &u = out[s];
        u.set = int(s);
        u.name = a.sets[s].name;
        u.members.clear();
        u.z.clear();
        u.cutoff = cutoff;
        u.zCutoff = kept.zCutoff;
        int low = 0;
        for (size_t i = 0; i < a.scores.size(); ++i) {
            if (a.scores[i].problem || a.scores[i].set != int(s))
                continue;
            const double z = a.scores[i].z;
            u.members.push_back(int(i));
            u.z.push_back(z);
            const double percentile =
                isPercentileScale(a.kept[i].scale)
                    ? a.kept[i].score
                    : kept.percentile(z, 0, [&] { return interpretation::percentileRank(z); });
            low += percentile < cutoff;
        }
        const int k = u.k();
        u.df = k;
        setNumber(u.lowCount, low, 0);
        u.pairsTested = u.pairsSignificant = 0;
        for (const SetsMemo::Kept::Pair &pair : kept.pairs) {
            if (a.scores[size_t(pair.first)].set != int(s)
                || a.scores[size_t(pair.second)].set != int(s))
                continue;
            ++u.pairsTested;
            u.pairsSignificant += pair.significant;
        }
        if (k < 2) {
            u.matrix.clear();
            clearUnusual(u, Missing::TooFewScores);
            continue;
        }
        const SetsMemo::Kept::Battery &b = kept.battery(a, correlations, u.members, cache);
        if (b.missing == Missing::NoCorrelation) {
            u.matrix.clear();
            clearUnusual(u, Missing::NoCorrelation);
            continue;
        }
        u.matrix = b.matrix;
        if (b.missing == Missing::NotPositiveDefinite) {
            clearUnusual(u, Missing::NotPositiveDefinite);
            continue;
        }
        setDistance(u, b.l, k, kept.y);
        setLowBaseRate(u, b.distribution.get());
    }
}

void setLowBaseRate(UnusualSet &u, const LowScoreDistribution *d)
{
    if (!d || !u.lowCount.known()) {
        setMissing(u.lowBaseRate, Missing::NotPositiveDefinite);
        u.lowBaseRateSe = std::nan("");
        u.draws = 0;
        return;
    }
    setPercent(u.lowBaseRate, d->percent(int(u.lowCount.value)));
    u.lowBaseRateSe = d->standardError(int(u.lowCount.value));
    u.draws = d->draws;
}

std::optional<Explanation> explain(const UnusualSet &u, UnusualItem item)
{
    Explanation e;
    e.set = u.name;
    const int k = u.k();
    switch (item) {
    case UnusualItem::LowCount:
        if (!u.lowCount.known())
            return std::nullopt;
        e.formula = Formula::LowScoreCount;
        e.inputs = {term(Quantity::LowCutoff, u.cutoff)};
        for (size_t i = 0; i < u.members.size(); ++i)
            e.inputs.push_back(term(Quantity::Z, u.z[i], u.members[i]));
        e.steps = {term(Quantity::ZCutoff, u.zCutoff), term(Quantity::Count, k)};
        e.result = term(Quantity::LowCount, u.lowCount.value);
        e.shown = u.lowCount.text;
        return e;
    case UnusualItem::LowBaseRate:
        if (!u.lowBaseRate.known())
            return std::nullopt;
        e.formula = u.draws == 0 ? Formula::LowScoreBinomial : Formula::LowScoreMonteCarlo;
        e.source = Source::CrawfordGarthwaiteGault2007;
        e.inputs = {term(Quantity::Count, k), term(Quantity::LowCount, u.lowCount.value),
                    term(Quantity::LowCutoff, u.cutoff)};
        for (int x = 0; x < k; ++x)
            for (int y = x + 1; y < k; ++y)
                e.inputs.push_back(term(Quantity::Correlation, u.matrix[size_t(x * k + y)],
                                        u.members[size_t(x)], u.members[size_t(y)]));
        e.steps = {term(Quantity::ZCutoff, u.zCutoff)};
        if (u.draws > 0)
            e.steps.push_back(term(Quantity::Draws, double(u.draws)));
        e.steps.push_back(term(Quantity::StandardError, u.lowBaseRateSe));
        e.result = term(Quantity::BaseRate, u.lowBaseRate.value);
        e.shown = u.lowBaseRate.text;
        return e;
    case UnusualItem::Mahalanobis:
    case UnusualItem::MahalanobisRate:
        if (!u.mahalanobis.known())
            return std::nullopt;
        if (item == UnusualItem::Mahalanobis) {
            e.formula = Formula::Mahalanobis;
            for (size_t i = 0; i < u.members.size(); ++i)
                e.inputs.push_back(term(Quantity::Z, u.z[i], u.members[i]));
            for (int x = 0; x < k; ++x)
                for (int y = x + 1; y < k; ++y)
                    e.inputs.push_back(term(Quantity::Correlation, u.matrix[size_t(x * k + y)],
                                            u.members[size_t(x)], u.members[size_t(y)]));
            e.result = term(Quantity::MahalanobisD2, u.mahalanobis.value);
            e.shown = u.mahalanobis.text;
        } else {
            e.formula = Formula::MahalanobisRate;
            e.inputs = {term(Quantity::MahalanobisD2, u.mahalanobis.value),
                        term(Quantity::DegreesOfFreedom, u.df)};
            e.result = term(Quantity::BaseRate, u.mahalanobisRate.value);
            e.shown = u.mahalanobisRate.text;
        }
        e.source = Source::CrawfordEtAl2012;
        return e;
    }
    return std::nullopt;
}

std::optional<Explanation> explainFamily(const Analysis &a, Item item, int index)
{
    const bool pairItem = item != Item::DeviationBaseRateEither;
    if (index < 0 || size_t(index) >= (pairItem ? a.pairs.size() : a.scores.size()))
        return std::nullopt;
    Explanation e;
    if (!pairItem) {
        const ScoreResult &s = a.scores[size_t(index)];
        if (!s.deviationBaseRateEither.known())
            return std::nullopt;
        e.formula = Formula::DeviationBaseRateEither;
        e.source = Source::PayneJones1957;
        e.inputs = {term(Quantity::BaseRate, s.deviationBaseRate.value, index)};
        e.result = term(Quantity::BaseRate, s.deviationBaseRateEither.value, index);
        e.shown = s.deviationBaseRateEither.text;
        return e;
    }
    const PairResult &pair = a.pairs[size_t(index)];
    const int i = pair.first, j = pair.second;
    switch (item) {
    case Item::PairBaseRateEither:
        if (!pair.baseRateEither.known())
            return std::nullopt;
        e.formula = Formula::PairBaseRateEither;
        e.source = Source::PayneJones1957;
        e.inputs = {term(Quantity::BaseRate, pair.baseRate.value, i, j)};
        e.result = term(Quantity::BaseRate, pair.baseRateEither.value, i, j);
        e.shown = pair.baseRateEither.text;
        return e;
    case Item::PairP:
        if (!pair.p.known())
            return std::nullopt;
        e.formula = Formula::PairP;
        e.source = Source::Gulliksen1950;
        e.inputs = {term(Quantity::ShownValue, std::fabs(shownOf(pair.difference)), i, j),
                    term(Quantity::StandardError, pair.se.value, i, j)};
        e.result = term(Quantity::PValue, pair.p.value, i, j);
        e.shown = pair.p.text;
        return e;
    case Item::PairPAdjusted: {
        if (!pair.pAdjusted.known())
            return std::nullopt;
        const double m = a.pairsTested;
        e.inputs = {term(Quantity::PValue, pair.p.value, i, j), term(Quantity::ComparisonCount, m)};
        if (a.settings.pairsCorrection == PairsCorrection::Bonferroni) {
            e.formula = Formula::PairPBonferroni;
            e.source = Source::Dunn1961;
        } else {
            e.formula = Formula::PairPHolm;
            e.source = Source::Holm1979;
            const std::vector<int> order = holmOrder(a);
            const auto at = std::find(order.begin(), order.end(), index);
            const int rank = int(at - order.begin()) + 1;
            e.steps = {term(Quantity::Rank, rank),
                       term(Quantity::AdjustedP, std::min(1.0, (m - rank + 1) * pair.p.value), i, j)};
            // The running maximum: the largest adjusted p ranked before it.
            if (rank > 1) {
                const PairResult &before = a.pairs[size_t(order[size_t(rank - 2)])];
                e.steps.push_back(term(Quantity::AdjustedP, before.pAdjusted.value, before.first,
                                       before.second));
            }
        }
        e.result = term(Quantity::AdjustedP, pair.pAdjusted.value, i, j);
        e.shown = pair.pAdjusted.text;
        return e;
    }
    default:
        break;
    }
    return std::nullopt;
}

std::string_view correctionColumn(PairsCorrection correction)
{
    switch (correction) {
    case PairsCorrection::Bonferroni:
        return "bonferroni";
    case PairsCorrection::Holm:
        return "holm";
    case PairsCorrection::None:
        break;
    }
    return "none";
}

std::optional<PairsCorrection> findCorrection(std::string_view column)
{
    for (PairsCorrection c : {PairsCorrection::None, PairsCorrection::Bonferroni, PairsCorrection::Holm}) {
        const std::string_view name = correctionColumn(c);
        if (column.size() == name.size()
            && std::equal(name.begin(), name.end(), column.begin(), [](char a, char b) {
                   return a == (b >= 'A' && b <= 'Z' ? char(b - 'A' + 'a') : b);
               }))
            return c;
    }
    return std::nullopt;
}

} // namespace profile
