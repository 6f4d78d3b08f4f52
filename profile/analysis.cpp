// analyse(): each score, its deviation from the person's mean, change on
// retest, every pair and every group's composite, from unrounded z scores.
#include "profile/analysis.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "profile/formulas.h"
#include "profile/unusual.h"
#include "text/ascii.h"
#include "text/fixed_number.h"
#include "text/text_routines.h"

namespace profile {

// Whether a correlation matrix (row-major, k by k, 1 on the diagonal)
// could belong to some set of scores: positive semi-definite, by an LDL'
// factorisation that lets a pivot of about 0 stand for a dependent score.
bool positiveSemiDefinite(std::vector<double> &m, std::size_t k)
{
    constexpr double kTolerance = 1e-9;
    std::vector<double> d(k, 0.0);
    for (size_t j = 0; j < k; ++j) {
        double pivot = m[j * k + j];
        for (size_t p = 0; p < j; ++p)
            pivot -= m[j * k + p] * m[j * k + p] * d[p];
        if (pivot < -kTolerance)
            return false;
        d[j] = pivot > kTolerance ? pivot : 0;
        for (size_t i = j + 1; i < k; ++i) {
            double v = m[i * k + j];
            for (size_t p = 0; p < j; ++p)
                v -= m[i * k + p] * m[j * k + p] * d[p];
            if (d[j] == 0) {
                if (std::fabs(v) > 1e-7)
                    return false;
                m[i * k + j] = 0;
            } else {
                m[i * k + j] = v / d[j];
            }
        }
    }
    return true;
}

// A difference is rounded as the metric's scores are; a deviation has one
// decimal more. Critical values have two decimals, or as many as the figure
// they are compared with: a deviation of 0.877 against a critical value
// shown as 0.88 would look like no strength at all.
MetricRules rulesOf(Metric metric)
{
    const conversion::Scale &row = interpretation::scaleRow(metricScale(metric));
    const size_t point = row.mask.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(row.mask.size() - point - 1);
    return {metricScale(metric), row.mean, row.sd, decimals, decimals + 1,
            std::max(2, decimals + 1)};
}

namespace {

using conversion::kScales;

constexpr int kTwoDecimals = 2;
constexpr int kBaseRateDecimals = 1;
constexpr const char *kReliabilityMask = "#.000";

// Returns the number the text shows: what a decision is taken on.
double setNumber(Figure &figure, double value, int decimals)
{
    figure.value = value;
    figure.missing = Missing::None;
    return text::fixedNumber(value, decimals, figure.text);
}

} // namespace

// A critical value shown rounded down would call a difference equal to it
// significant though it falls short.
double setCritical(Figure &figure, double value, int decimals)
{
    double shown = setNumber(figure, value, decimals);
    if (std::fabs(shown) < std::fabs(value)) {
        const double step = std::pow(10.0, -decimals);
        shown = text::fixedNumber(value < 0 ? shown - step : shown + step, decimals, figure.text);
    }
    return shown;
}

namespace {

void setMissing(Figure &figure, Missing why)
{
    figure.text.clear();
    figure.value = std::nan("");
    figure.missing = why;
}

void setBaseRate(Figure &figure, double percent)
{
    setNumber(figure, percent, kBaseRateDecimals);
    if (percent < 0.1)
        figure.text = "<0.1";
}

bool isRawRow(int row)
{
    return kScales[row].display == conversion::Display::None;
}

// The sd of the scale a score is given on: a raw score's own.
double scaleSd(const ScoreEntry &entry)
{
    return isRawRow(entry.scale) ? entry.sd : kScales[entry.scale].sd;
}

double zOf(const ScoreEntry &entry, double value)
{
    return scoreZ(entry, value);
}

class Analyser {
public:
    Analyser(const Profile &profile, const Correlations &correlations, const Settings &settings,
             Analysis &out)
        : m_entries(profile.entries), m_correlations(correlations), m_settings(settings),
          m_rules(rulesOf(settings.metric)), m_out(out), m_index(out.memo.index),
          m_members(out.memo.members)
    {
    }

    void run(unsigned parts)
    {
        if (&m_out.settings != &m_settings)
            m_out.settings = m_settings;
        m_zAlpha = formula::criticalZ(m_settings.alpha);
        m_setsOnly = (parts & kSets) && !(parts & kScores);
        m_out.impossibleMatrices.clear();
        m_out.correlationsAboveReliabilities.clear();
        checkEntries();
        correlationsAgainstReliabilities();
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (!used(i))
                continue;
            if (parts & kScores)
                scoreFigures(i);
            else
                clearScore(m_out.scores[i], Missing::None, false);
        }
        if (parts & kScores) {
            deviations();
        } else if (m_setsOnly) {
            setsOnly();
        } else {
            m_out.sets.clear();
            m_out.deviationCount = 0;
            m_out.deviationMeanZ = m_out.meanCorrelation = std::nan("");
            m_out.errorVarianceSum = 0;
        }
        m_out.pairs.clear();
        m_out.pairCorrelations.clear();
        if (parts & kPairs)
            pairs();
        m_out.composites.clear();
        m_out.compositeCorrelations.clear();
        if (parts & kComposites)
            composites();
        familyFigures(m_out);
    }

private:
    bool used(size_t i) const { return !m_out.scores[i].problem; }

    double reliability(size_t i) const { return m_out.kept[i].reliability; }

    // Each entry on its own, then the names among them.
    void checkEntries()
    {
        const size_t n = m_entries.size();
        m_out.scores.resize(n);
        m_out.kept.resize(n);
        m_out.refused.clear();
        m_index.assign(n, -1);
        for (size_t i = 0; i < n; ++i) {
            const ScoreEntry &entry = m_entries[i];
            ScoreResult &result = m_out.scores[i];
            result.problem = checkEntry(entry);
            for (size_t j = 0; j < i && !result.problem && !entry.name.empty(); ++j)
                if (text::equalsIgnoringCase(m_entries[j].name, entry.name))
                    result.problem = {Problem::DuplicateName, Field::Name, int(j)};
            Analysis::Kept &kept = m_out.kept[i];
            kept = {};
            kept.scale = entry.scale;
            kept.score = entry.score;
            kept.mean = entry.mean;
            kept.sd = entry.sd;
            if (result.problem) {
                m_out.refused.push_back(int(i));
                clearScore(result, Missing::Refused);
                continue;
            }
            kept.reliability = entry.reliability.value_or(std::nan(""));
            kept.retest = entry.retest.value_or(std::nan(""));
            kept.practice = entry.practice.value_or(std::nan(""));
            kept.study = entry.study;
            kept.controls = entry.controls;
            result.z = zOf(entry, entry.score);
            if (m_setsOnly) {
                setMissing(result.metric, Missing::None);
                result.retestZ = std::nan("");
            } else {
                onMetric(result.metric, result.z);
                result.retestZ = retestUsable(entry) ? zOf(entry, *entry.retest) : std::nan("");
            }
            m_index[i] = indexOf(i);
        }
    }

    // Everything but the problem; a score used keeps its z and metric.
    // The entry's index in the correlations: a batch's people have the
    // same tests in the same order, so the last look-up at this place is
    // mostly the answer.
    int indexOf(size_t i)
    {
        if (m_correlations.empty())
            return -1;
        Analysis::Memo &memo = m_out.memo;
        if (memo.correlations != m_correlations.serial()) {
            memo.correlations = m_correlations.serial();
            memo.names.clear();
        }
        if (memo.names.size() <= i)
            memo.names.resize(i + 1, {std::string(), -1});
        auto &known = memo.names[i];
        const std::string &name = m_entries[i].name;
        if (known.second < 0 || known.first != name) {
            known.first = name;
            known.second = m_correlations.indexOf(name);
        }
        return known.second;
    }

    // The half width of an interval depends on the reliability alone here:
    // worked out once for each of a few reliabilities.
    interpretation::Interval interval(double z, double reliability)
    {
        const interpretation::IntervalSettings settings{reliability, m_settings.confidence,
                                                        m_settings.method};
        uint64_t bits;
        std::memcpy(&bits, &reliability, sizeof bits);
        Analysis::Memo::HalfWidth &known =
            m_out.memo.halfWidths[(bits * 0x9E3779B97F4A7C15ULL) >> 60];
        if (known.reliability != reliability || known.confidence != settings.confidence
            || known.method != settings.method) {
            known = {reliability, settings.confidence, settings.method,
                     interpretation::halfWidth(settings)};
        }
        return interpretation::confidenceInterval(z, settings, known.half);
    }

    static void clearScore(ScoreResult &result, Missing why, bool all = true)
    {
        result.set = -1;
        if (all) {
            result.z = result.retestZ = std::nan("");
            setMissing(result.metric, why);
        }
        result.zLow = result.zHigh = std::nan("");
        for (Figure *figure : {&result.percentileRank, &result.ciLow, &result.ciHigh,
                               &result.deviation, &result.deviationCritical,
                               &result.deviationBaseRate, &result.retest, &result.rci})
            setMissing(*figure, why);
        result.descriptor.clear();
        result.mark = Mark::None;
        result.change = Change::None;
        clearSmallSampleFigures(result, why);
    }

    void onMetric(Figure &figure, double z) const
    {
        figure.text = interpretation::showScore(m_rules.scale, z).text;
        figure.value = z * m_rules.sd + m_rules.mean;
        figure.missing = Missing::None;
    }

    void scoreFigures(size_t i)
    {
        ScoreResult &result = m_out.scores[i];
        if (!used(i))
            return;
        const ScoreEntry &entry = m_entries[i];
        const double z = result.z;
        // A percentile is its own rank; through z and back it could move.
        result.percentileRank.value =
            isPercentileScale(entry.scale) ? entry.score : interpretation::percentileRank(z);
        result.percentileRank.text = interpretation::rankText(result.percentileRank.value);
        result.percentileRank.missing = Missing::None;
        result.descriptor = interpretation::describe(z, m_settings.descriptors);
        if (entry.reliability) {
            const interpretation::Interval iv = interval(z, *entry.reliability);
            result.zLow = iv.low;
            result.zHigh = iv.high;
            onMetric(result.ciLow, iv.low);
            onMetric(result.ciHigh, iv.high);
        } else {
            result.zLow = result.zHigh = std::nan("");
            setMissing(result.ciLow, Missing::NoReliability);
            setMissing(result.ciHigh, Missing::NoReliability);
        }
        change(i);
        smallSampleFigures(entry, m_settings, result);
    }

    void change(size_t i)
    {
        ScoreResult &result = m_out.scores[i];
        const ScoreEntry &entry = m_entries[i];
        result.change = Change::None;
        if (!entry.retest || !retestUsable(entry)) {
            const Missing why = entry.retest ? Missing::RetestOutOfRange : Missing::NoRetest;
            setMissing(result.retest, why);
            setMissing(result.rci, why);
            return;
        }
        onMetric(result.retest, result.retestZ);
        if (!entry.reliability) {
            setMissing(result.rci, Missing::NoReliability);
            return;
        }
        const double practice =
            entry.practice ? *entry.practice / scaleSd(entry) : 0;
        const double rci =
            formula::changeIndex(result.z, result.retestZ, practice, *entry.reliability);
        const double shown = setNumber(result.rci, rci, kTwoDecimals);
        result.change = shown >= m_zAlpha ? Change::Gain
                        : shown <= -m_zAlpha ? Change::Loss
                                             : Change::NoChange;
    }

    // Strengths and weaknesses: each score with a reliability against the
    // mean of those of its comparison set.
    void deviations()
    {
        m_out.sets.clear();
        for (size_t i = 0; i < m_entries.size(); ++i) {
            ScoreResult &result = m_out.scores[i];
            result.set = -1;
            if (!used(i))
                continue;
            result.set = setOf(m_entries[i].set);
            if (!std::isnan(reliability(i)))
                m_out.sets[size_t(result.set)].members.push_back(int(i));
        }
        for (Analysis::ComparisonSet &set : m_out.sets)
            deviationsIn(set);
        const bool any = !m_out.sets.empty();
        m_out.deviationCount = any ? m_out.sets.front().count() : 0;
        m_out.deviationMeanZ = any ? m_out.sets.front().meanZ : std::nan("");
        m_out.meanCorrelation = any ? m_out.sets.front().meanCorrelation : std::nan("");
        m_out.errorVarianceSum = any ? m_out.sets.front().errorVarianceSum : 0;
    }

    // The sets and their members, and which cannot hold together, as
    // deviations() finds them, without a deviation's figures. The sets'
    // storage is kept from the person before.
    void setsOnly()
    {
        std::vector<Analysis::ComparisonSet> &sets = m_out.sets;
        size_t count = 0;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            ScoreResult &result = m_out.scores[i];
            result.set = -1;
            if (!used(i))
                continue;
            const std::string &name = m_entries[i].set;
            size_t s = 0;
            while (s < count && !text::equalsIgnoringCase(sets[s].name, name))
                ++s;
            if (s == count) {
                if (count == sets.size())
                    sets.emplace_back();
                Analysis::ComparisonSet &set = sets[count++];
                set.name = name;
                set.members.clear();
                set.meanZ = set.meanCorrelation = std::nan("");
                set.errorVarianceSum = 0;
            }
            result.set = int(s);
            if (!std::isnan(reliability(i)))
                sets[s].members.push_back(int(i));
        }
        sets.resize(count);
        for (Analysis::ComparisonSet &set : sets) {
            if (set.count() < 3)
                continue;
            m_members.assign(set.members.begin(), set.members.end());
            if (rowMeanCorrelations(set) && !knownPossible())
                m_out.impossibleMatrices.emplace_back(m_members.begin(), m_members.end());
        }
        const bool any = !sets.empty();
        m_out.deviationCount = any ? sets.front().count() : 0;
        m_out.deviationMeanZ = std::nan("");
        m_out.meanCorrelation = any ? sets.front().meanCorrelation : std::nan("");
        m_out.errorVarianceSum = 0;
    }

    // membersPossible() for people with the same tests, worked out once.
    bool knownPossible()
    {
        Analysis::Memo &memo = m_out.memo;
        if (memo.possibleOf != m_correlations.serial()) {
            memo.possibleOf = m_correlations.serial();
            memo.possible.clear();
        }
        std::vector<int> &key = memo.key;
        key.clear();
        for (size_t i : m_members)
            key.push_back(m_index[i]);
        for (const auto &known : memo.possible)
            if (known.first == key)
                return known.second;
        // A hostile file could bring new tests with every person.
        if (memo.possible.size() >= 16)
            memo.possible.clear();
        const size_t before = m_out.impossibleMatrices.size();
        const bool possible = membersPossible();
        m_out.impossibleMatrices.resize(before);
        memo.possible.emplace_back(key, possible);
        return possible;
    }

    int setOf(const std::string &name)
    {
        for (size_t s = 0; s < m_out.sets.size(); ++s)
            if (text::equalsIgnoringCase(m_out.sets[s].name, name))
                return int(s);
        m_out.sets.emplace_back();
        m_out.sets.back().name = name;
        return int(m_out.sets.size() - 1);
    }

    void deviationsIn(Analysis::ComparisonSet &set)
    {
        m_members.assign(set.members.begin(), set.members.end());
        const int k = int(m_members.size());
        const int index = int(&set - m_out.sets.data());
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (!used(i) || m_out.scores[i].set != index)
                continue;
            ScoreResult &result = m_out.scores[i];
            const Missing why = std::isnan(reliability(i)) ? Missing::NoReliability
                                                           : Missing::TooFewScores;
            result.mark = Mark::None;
            if (why == Missing::NoReliability || k < 3) {
                setMissing(result.deviation, why);
                setMissing(result.deviationCritical, why);
                setMissing(result.deviationBaseRate, why);
            }
        }
        if (k < 3)
            return;
        double sumZ = 0, errors = 0;
        for (size_t i : m_members) {
            sumZ += m_out.scores[i].z;
            errors += 1 - reliability(i);
        }
        const double meanZ = sumZ / k;
        set.meanZ = meanZ;
        set.errorVarianceSum = errors;
        const double zCritical =
            formula::criticalZ(m_settings.alpha, m_settings.bonferroni ? double(k) : 1.0);
        const bool spreads = rowMeanCorrelations(set);
        const bool possible = !spreads || membersPossible();
        for (size_t i : m_members) {
            ScoreResult &result = m_out.scores[i];
            const double deviation = (result.z - meanZ) * m_rules.sd;
            const double shown = setNumber(result.deviation, deviation, m_rules.deviationDecimals);
            const double se = formula::deviationStandardError(errors, k, reliability(i), m_rules.sd);
            const double critical =
                setCritical(result.deviationCritical, zCritical * se, m_rules.deviationCriticalDecimals);
            result.mark = shown >= critical ? Mark::Strength
                          : shown <= -critical ? Mark::Weakness
                                               : Mark::None;
            if (!spreads || !possible) {
                setMissing(result.deviationBaseRate,
                           spreads ? Missing::CorrelationsImpossible : Missing::NoCorrelation);
                continue;
            }
            const double spread = formula::deviationSpread(m_out.kept[i].rowMeanCorrelation,
                                                           set.meanCorrelation, m_rules.sd);
            if (std::isnan(spread))
                setMissing(result.deviationBaseRate, Missing::InconsistentCorrelations);
            else
                setBaseRate(result.deviationBaseRate, formula::baseRate(shown, spread));
        }
    }

    // A correlation further from 0 than sqrt(r_i r_j) is more than the true
    // parts of two scores can share.
    void correlationsAgainstReliabilities()
    {
        if (m_correlations.empty())
            return;
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (!used(i) || std::isnan(reliability(i)) || m_index[i] < 0)
                continue;
            for (size_t j = i + 1; j < m_entries.size(); ++j) {
                if (!used(j) || std::isnan(reliability(j)) || m_index[j] < 0)
                    continue;
                const double r = correlation(i, j);
                if (std::fabs(r) > std::sqrt(reliability(i) * reliability(j)) + 1e-12)
                    m_out.correlationsAboveReliabilities.emplace_back(int(i), int(j));
            }
        }
    }

    // Whether the correlations among m_members could hold together; when
    // not, the set is kept to be named.
    bool membersPossible()
    {
        const size_t k = m_members.size();
        std::vector<double> &matrix = m_matrix;
        matrix.assign(k * k, 1.0);
        for (size_t a = 0; a < k; ++a)
            for (size_t b = 0; b < k; ++b)
                if (a != b)
                    matrix[a * k + b] = correlation(m_members[a], m_members[b]);
        if (positiveSemiDefinite(matrix, k))
            return true;
        m_out.impossibleMatrices.emplace_back(m_members.begin(), m_members.end());
        return false;
    }

    // The mean of each member's row of the correlation matrix among the
    // members, diagonal included, and the mean of all of it; false when a
    // correlation among them is not known.
    bool rowMeanCorrelations(Analysis::ComparisonSet &set)
    {
        const size_t k = m_members.size();
        double total = 0;
        for (size_t a = 0; a < k; ++a) {
            double row = 0;
            for (size_t b = 0; b < k; ++b) {
                const double r = a == b ? 1.0 : correlation(m_members[a], m_members[b]);
                if (std::isnan(r))
                    return false;
                row += r;
            }
            m_out.kept[m_members[a]].rowMeanCorrelation = row / double(k);
            total += row;
        }
        set.meanCorrelation = total / (double(k) * double(k));
        return true;
    }

    double correlation(size_t i, size_t j) const
    {
        return m_correlations.at(m_index[i], m_index[j]);
    }

    void pairs()
    {
        for (size_t i = 0; i < m_entries.size(); ++i) {
            if (!used(i))
                continue;
            for (size_t j = i + 1; j < m_entries.size(); ++j)
                if (used(j))
                    pair(i, j);
        }
    }

    void pair(size_t i, size_t j)
    {
        m_out.pairs.emplace_back();
        PairResult &pair = m_out.pairs.back();
        pair.first = int(i);
        pair.second = int(j);
        const double difference = (m_out.scores[i].z - m_out.scores[j].z) * m_rules.sd;
        const double shown = setNumber(pair.difference, difference, m_rules.differenceDecimals);
        const double ri = reliability(i), rj = reliability(j);
        if (std::isnan(ri) || std::isnan(rj)) {
            setMissing(pair.se, Missing::NoReliability);
            setMissing(pair.critical, Missing::NoReliability);
            pair.significant = Significance::Unknown;
        } else {
            const double se = formula::pairStandardError(ri, rj, m_rules.sd);
            setNumber(pair.se, se, kTwoDecimals);
            const double critical = setCritical(pair.critical, m_zAlpha * se, kTwoDecimals);
            pair.significant = std::fabs(shown) >= critical ? Significance::Yes : Significance::No;
        }
        const double r = correlation(i, j);
        m_out.pairCorrelations.push_back(r);
        if (std::isnan(r))
            setMissing(pair.baseRate, Missing::NoCorrelation);
        else
            setBaseRate(pair.baseRate, formula::baseRate(shown, formula::pairSpread(r, m_rules.sd)));
    }

    void composites()
    {
        std::vector<char> &placed = m_out.memo.placed;
        placed.assign(m_entries.size(), false);
        for (size_t first = 0; first < m_entries.size(); ++first) {
            if (!used(first) || placed[first] || m_entries[first].group.empty())
                continue;
            m_members.clear();
            for (size_t i = first; i < m_entries.size(); ++i) {
                if (used(i) && !placed[i]
                    && text::equalsIgnoringCase(m_entries[i].group, m_entries[first].group)) {
                    placed[i] = true;
                    m_members.push_back(i);
                }
            }
            if (m_members.size() >= 2)
                composite(m_entries[first].group);
        }
    }

    void composite(const std::string &group)
    {
        m_out.composites.emplace_back();
        m_out.compositeCorrelations.emplace_back();
        CompositeResult &c = m_out.composites.back();
        std::vector<double> &rs = m_out.compositeCorrelations.back();
        c.group = group;
        c.members.assign(m_members.begin(), m_members.end());
        const int k = int(m_members.size());
        double sumR = 0, sumZ = 0, sumReliability = 0;
        bool allKnown = true, allReliable = true;
        for (size_t a = 0; a < m_members.size(); ++a) {
            sumZ += m_out.scores[m_members[a]].z;
            const double ri = reliability(m_members[a]);
            allReliable = allReliable && !std::isnan(ri);
            sumReliability += ri;
            for (size_t b = a + 1; b < m_members.size(); ++b) {
                const double r = correlation(m_members[a], m_members[b]);
                rs.push_back(r);
                allKnown = allKnown && !std::isnan(r);
                sumR += r;
            }
        }
        const double sd = formula::compositeSd(k, sumR);
        c.missing = !allKnown ? Missing::NoCorrelation
                    : !membersPossible() ? Missing::CorrelationsImpossible
                    : !(sd > 0) ? Missing::InconsistentCorrelations
                                : Missing::None;
        if (c.missing != Missing::None) {
            for (Figure *figure : {&c.metric, &c.percentileRank, &c.reliability, &c.ciLow, &c.ciHigh})
                setMissing(*figure, c.missing);
            return;
        }
        c.z = sumZ / sd;
        onMetric(c.metric, c.z);
        c.percentileRank.value = interpretation::percentileRank(c.z);
        c.percentileRank.text = interpretation::rankText(c.percentileRank.value);
        c.percentileRank.missing = Missing::None;
        c.descriptor = interpretation::describe(c.z, m_settings.descriptors);
        if (!allReliable) {
            for (Figure *figure : {&c.reliability, &c.ciLow, &c.ciHigh})
                setMissing(*figure, Missing::NoReliability);
            return;
        }
        const double reliability = formula::compositeReliability(k, sumReliability, sumR);
        if (!(reliability >= 0 && reliability <= 1)) {
            for (Figure *figure : {&c.reliability, &c.ciLow, &c.ciHigh})
                setMissing(*figure, Missing::ReliabilityNotUsable);
            return;
        }
        c.reliability.value = reliability;
        c.reliability.text = text::Format(reliability, kReliabilityMask);
        c.reliability.missing = Missing::None;
        if (!interpretation::checkReliability(reliability).empty()) {
            setMissing(c.ciLow, Missing::ReliabilityNotUsable);
            setMissing(c.ciHigh, Missing::ReliabilityNotUsable);
            return;
        }
        const interpretation::Interval iv = interpretation::confidenceInterval(
            c.z, {reliability, m_settings.confidence, m_settings.method});
        c.zLow = iv.low;
        c.zHigh = iv.high;
        onMetric(c.ciLow, iv.low);
        onMetric(c.ciHigh, iv.high);
    }

    const std::vector<ScoreEntry> &m_entries;
    const Correlations &m_correlations;
    const Settings &m_settings;
    MetricRules m_rules;
    Analysis &m_out;
    double m_zAlpha = 0;
    bool m_setsOnly = false;
    std::vector<int> &m_index;      // each entry's index in the correlations
    std::vector<size_t> &m_members; // the scores a step takes together
    std::vector<double> m_matrix;   // scratch: their correlations
};

} // namespace

void analyse(const Profile &profile, const Correlations &correlations, const Settings &settings,
             Analysis &into, unsigned parts)
{
    Analyser(profile, correlations, settings, into).run(parts);
}

Analysis analyse(const Profile &profile, const Correlations &correlations,
                 const Settings &settings, unsigned parts)
{
    Analysis analysis;
    analyse(profile, correlations, settings, analysis, parts);
    return analysis;
}

std::string_view markText(Mark mark)
{
    switch (mark) {
    case Mark::Strength:
        return "S";
    case Mark::Weakness:
        return "W";
    case Mark::None:
        break;
    }
    return {};
}

std::string_view changeText(Change change)
{
    switch (change) {
    case Change::Gain:
        return "reliable gain";
    case Change::Loss:
        return "reliable loss";
    case Change::NoChange:
        return "no reliable change";
    case Change::None:
        break;
    }
    return {};
}

std::string_view significanceText(Significance s)
{
    switch (s) {
    case Significance::Yes:
        return "yes";
    case Significance::No:
        return "no";
    case Significance::Unknown:
        break;
    }
    return {};
}

} // namespace profile
