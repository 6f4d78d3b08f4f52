// explain(): how each figure of an Analysis was reached, from the numbers
// the analysis kept.
#include "profile/analysis.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "profile/formulas.h"
#include "profile/unusual.h"
#include "interpretation/interpretation.h"

namespace profile {

namespace {

using interpretation::Explanation;
using interpretation::Formula;
using interpretation::Quantity;
using interpretation::Source;
using interpretation::Term;
using conversion::kScales;

Term term(Quantity quantity, double value, int score = -1, int other = -1)
{
    return {quantity, score, other, value};
}

class Explainer {
public:
    explicit Explainer(const Analysis &analysis)
        : m_a(analysis),
          m_row(interpretation::scaleRow(metricScale(analysis.settings.metric)))
    {
    }

    std::optional<Explanation> score(Item item, int i) const
    {
        if (i < 0 || size_t(i) >= m_a.scores.size() || m_a.scores[size_t(i)].problem)
            return std::nullopt;
        const ScoreResult &s = m_a.scores[size_t(i)];
        switch (item) {
        case Item::Z:
            return zOf(i, m_a.kept[size_t(i)].score, Quantity::Score, Quantity::Z, s.z, {});
        case Item::Metric:
            return onMetric(s.z, s.metric, i);
        case Item::PercentileRank:
            return percentileRank(s.z, s.percentileRank, i);
        case Item::Descriptor:
            return descriptor(s.z, s.descriptor, i);
        case Item::CiLow:
        case Item::CiHigh:
            if (!s.ciLow.known())
                return std::nullopt;
            return interval(s.z, m_a.kept[size_t(i)].reliability, item == Item::CiLow,
                            item == Item::CiLow ? s.ciLow : s.ciHigh, i);
        case Item::Deviation:
            return deviation(i);
        case Item::DeviationCritical:
            return deviationCritical(i);
        case Item::StrengthWeakness:
            return strengthWeakness(i);
        case Item::DeviationBaseRate:
            return deviationBaseRate(i);
        case Item::Retest:
            if (!s.retest.known())
                return std::nullopt;
            return zOf(i, m_a.kept[size_t(i)].retest, Quantity::Retest, Quantity::RetestZ,
                       s.retestZ, &s.retest);
        case Item::Rci:
            return changeIndex(i);
        case Item::Change:
            return changeDecision(i);
        default:
            break;
        }
        return std::nullopt;
    }

    std::optional<Explanation> pair(Item item, int p) const
    {
        if (p < 0 || size_t(p) >= m_a.pairs.size())
            return std::nullopt;
        const PairResult &pair = m_a.pairs[size_t(p)];
        const int i = pair.first, j = pair.second;
        Explanation e;
        switch (item) {
        case Item::PairDifference:
            e.formula = Formula::PairDifference;
            e.inputs = {term(Quantity::Z, m_a.scores[size_t(i)].z, i),
                        term(Quantity::Z, m_a.scores[size_t(j)].z, j),
                        term(Quantity::MetricSd, m_row.sd)};
            e.result = term(Quantity::Difference, pair.difference.value, i, j);
            e.shown = pair.difference.text;
            return e;
        case Item::PairSe:
            if (!pair.se.known())
                return std::nullopt;
            e.formula = Formula::PairStandardError;
            e.source = Source::Gulliksen1950;
            e.inputs = {term(Quantity::Reliability, reliability(i), i),
                        term(Quantity::Reliability, reliability(j), j),
                        term(Quantity::MetricSd, m_row.sd)};
            e.result = term(Quantity::StandardError, pair.se.value, i, j);
            e.shown = pair.se.text;
            return e;
        case Item::PairCritical:
            if (!pair.critical.known())
                return std::nullopt;
            e.formula = Formula::PairCritical;
            e.source = Source::Gulliksen1950;
            e.inputs = {term(Quantity::StandardError, pair.se.value, i, j),
                        term(Quantity::Alpha, m_a.settings.alpha)};
            if (m_a.settings.pairsCorrection == PairsCorrection::Bonferroni) {
                e.source = Source::Dunn1961;
                e.inputs.push_back(term(Quantity::ComparisonCount, m_a.pairsTested));
                e.steps = {term(Quantity::CriticalZ,
                                formula::criticalZ(m_a.settings.alpha, double(m_a.pairsTested)))};
            } else {
                e.steps = {term(Quantity::CriticalZ, formula::criticalZ(m_a.settings.alpha))};
            }
            e.result = term(Quantity::CriticalValue, pair.critical.value, i, j);
            e.shown = pair.critical.text;
            return e;
        case Item::PairSignificance:
            if (pair.significant == Significance::Unknown)
                return std::nullopt;
            if (m_a.settings.pairsCorrection == PairsCorrection::Holm) {
                e.formula = Formula::PairSignificanceAdjusted;
                e.source = Source::Holm1979;
                e.inputs = {term(Quantity::AdjustedP, pair.pAdjusted.value, i, j),
                            term(Quantity::Alpha, m_a.settings.alpha)};
                e.result = term(Quantity::Decision, pair.significant == Significance::Yes ? 1 : 0, i, j);
                e.shown = std::string(significanceText(pair.significant));
                return e;
            }
            e.formula = Formula::PairSignificance;
            e.source = Source::Gulliksen1950;
            // Decided on the numbers as shown: the critical value as its table shows it, and
            // the p (adjusted under Bonferroni) it must agree with.
            e.inputs = {term(Quantity::Difference, pair.difference.value, i, j),
                        term(Quantity::CriticalValue, shownOf(pair.critical), i, j),
                        pair.pAdjusted.known() ? term(Quantity::AdjustedP, pair.pAdjusted.value, i, j)
                                               : term(Quantity::PValue, pair.p.value, i, j),
                        term(Quantity::Alpha, m_a.settings.alpha)};
            e.steps = {term(Quantity::ShownValue, shownOf(pair.difference), i, j)};
            e.result = term(Quantity::Decision, pair.significant == Significance::Yes ? 1 : 0, i, j);
            e.shown = std::string(significanceText(pair.significant));
            return e;
        case Item::PairBaseRate: {
            if (!pair.baseRate.known())
                return std::nullopt;
            const double r = m_a.pairCorrelations[size_t(p)];
            e.formula = Formula::PairBaseRate;
            e.source = Source::PayneJones1957;
            e.inputs = {term(Quantity::ShownValue, shownOf(pair.difference), i, j),
                        term(Quantity::Correlation, r, i, j), term(Quantity::MetricSd, m_row.sd)};
            e.steps = {term(Quantity::DifferenceSd, formula::pairSpread(r, m_row.sd), i, j)};
            e.result = term(Quantity::BaseRate, pair.baseRate.value, i, j);
            e.shown = pair.baseRate.text;
            return e;
        }
        default:
            break;
        }
        return std::nullopt;
    }

    std::optional<Explanation> composite(Item item, int c) const
    {
        if (c < 0 || size_t(c) >= m_a.composites.size()
            || m_a.composites[size_t(c)].missing != Missing::None)
            return std::nullopt;
        const CompositeResult &comp = m_a.composites[size_t(c)];
        switch (item) {
        case Item::CompositeMetric:
            return compositeScore(c);
        case Item::CompositePercentileRank:
            return percentileRank(comp.z, comp.percentileRank, -1);
        case Item::CompositeDescriptor:
            return descriptor(comp.z, comp.descriptor, -1);
        case Item::CompositeReliability:
            return compositeReliability(c);
        case Item::CompositeCiLow:
        case Item::CompositeCiHigh:
            if (!comp.ciLow.known())
                return std::nullopt;
            return interval(comp.z, comp.reliability.value, item == Item::CompositeCiLow,
                            item == Item::CompositeCiLow ? comp.ciLow : comp.ciHigh, -1);
        default:
            break;
        }
        return std::nullopt;
    }

private:
    double reliability(int i) const { return m_a.kept[size_t(i)].reliability; }

    static double shownOf(const Figure &figure)
    {
        double value = std::nan("");
        const std::string &t = figure.text;
        std::from_chars(t.data() + (!t.empty() && t[0] == '+'), t.data() + t.size(), value);
        return value;
    }

    // A score or retest as z, from its own scale.
    Explanation zOf(int i, double value, Quantity given, Quantity z, double zValue,
                    const Figure *onMetric) const
    {
        const Analysis::Kept &kept = m_a.kept[size_t(i)];
        Explanation e;
        if (isPercentileScale(kept.scale)) {
            e.formula = Formula::ZFromPercentile;
            e.source = Source::Wichura1988;
            e.inputs = {term(Quantity::Percentile, value, i)};
        } else {
            const bool raw = kScales[kept.scale].display == conversion::Display::None;
            e.formula = Formula::ZFromScore;
            e.inputs = {term(given, value, i),
                        term(Quantity::ScaleMean, raw ? kept.mean : kScales[kept.scale].mean, i),
                        term(Quantity::ScaleSd, raw ? kept.sd : kScales[kept.scale].sd, i)};
        }
        e.result = term(z, zValue, i);
        if (onMetric) {
            // The retest as the table shows it: its z on the metric.
            e.steps.push_back(e.result);
            e.steps.push_back(term(Quantity::MetricMean, m_row.mean));
            e.steps.push_back(term(Quantity::MetricSd, m_row.sd));
            e.result = term(Quantity::MetricScore, onMetric->value, i);
            e.shown = onMetric->text;
        } else {
            // As the z row of a table writes it: "-1.47", not every digit.
            e.shown = interpretation::showScore(interpretation::ScaleId::Z, zValue).text;
        }
        return e;
    }

    Explanation onMetric(double z, const Figure &figure, int i) const
    {
        Explanation e;
        e.formula = Formula::ScoreOnMetric;
        e.inputs = {term(Quantity::Z, z, i), term(Quantity::MetricMean, m_row.mean),
                    term(Quantity::MetricSd, m_row.sd)};
        e.result = term(Quantity::MetricScore, figure.value, i);
        e.shown = figure.text;
        return e;
    }

    Explanation percentileRank(double z, const Figure &figure, int i) const
    {
        Explanation e;
        e.formula = Formula::PercentileRank;
        e.inputs = {term(Quantity::Z, z, i)};
        e.result = term(Quantity::PercentileRank, figure.value, i);
        e.shown = figure.text;
        return e;
    }

    Explanation descriptor(double z, const std::string &label, int i) const
    {
        Explanation e;
        e.formula = Formula::Descriptor;
        e.inputs = {term(Quantity::Z, z, i)};
        const double standard = interpretation::standardScore(z);
        e.steps = {term(Quantity::StandardScore, standard, i)};
        double from = -std::numeric_limits<double>::infinity();
        for (const interpretation::DescriptorBand &band : m_a.settings.descriptors.bands)
            if (band.from <= standard)
                from = band.from;
        e.result = term(Quantity::BandFrom, from, i);
        e.shown = label;
        return e;
    }

    Explanation interval(double z, double r, bool low, const Figure &figure, int i) const
    {
        const interpretation::IntervalSettings settings{r, m_a.settings.confidence,
                                                        m_a.settings.method};
        const interpretation::Interval iv = interpretation::confidenceInterval(z, settings);
        const bool trueScore = settings.method == interpretation::Method::TrueScore;
        const double zc = interpretation::criticalZ(settings.confidence);
        Explanation e;
        e.formula = trueScore ? Formula::IntervalTrueScore : Formula::IntervalObtained;
        // The same sources as the Score Report names for one score's interval.
        e.source = trueScore ? Source::Dudek1979 : Source::Gulliksen1950;
        e.inputs = {term(Quantity::Z, z, i), term(Quantity::Reliability, r, i),
                    term(Quantity::Confidence, settings.confidence),
                    term(Quantity::MetricMean, m_row.mean), term(Quantity::MetricSd, m_row.sd)};
        e.steps.push_back(term(Quantity::CriticalZ, zc));
        if (trueScore)
            e.steps.push_back(term(Quantity::TrueScore, iv.centre, i));
        const double se = trueScore ? std::sqrt(r * (1 - r)) : std::sqrt(1 - r);
        e.steps.push_back(term(Quantity::StandardError, se, i));
        e.steps.push_back(term(Quantity::HalfWidth, iv.half, i));
        e.steps.push_back(term(low ? Quantity::Low : Quantity::High, low ? iv.low : iv.high, i));
        e.result = term(low ? Quantity::Low : Quantity::High, figure.value, i);
        e.shown = figure.text;
        return e;
    }

    // The set a score's deviation is taken in.
    const Analysis::ComparisonSet &setOf(int i) const
    {
        return m_a.sets[size_t(m_a.scores[size_t(i)].set)];
    }

    // Names the set when the profile has more than the default one.
    void nameSet(Explanation &e, int i) const
    {
        if (m_a.sets.size() > 1 || !setOf(i).name.empty())
            e.set = setOf(i).name;
    }

    std::optional<Explanation> deviation(int i) const
    {
        const ScoreResult &s = m_a.scores[size_t(i)];
        if (!s.deviation.known())
            return std::nullopt;
        Explanation e;
        e.formula = Formula::Deviation;
        e.source = Source::Davis1959;
        const Analysis::ComparisonSet &set = setOf(i);
        for (const int j : set.members)
            e.inputs.push_back(term(Quantity::Z, m_a.scores[size_t(j)].z, j));
        e.inputs.push_back(term(Quantity::MetricSd, m_row.sd));
        e.steps = {term(Quantity::Count, set.count()), term(Quantity::MeanZ, set.meanZ)};
        nameSet(e, i);
        e.result = term(Quantity::Deviation, s.deviation.value, i);
        e.shown = s.deviation.text;
        return e;
    }

    double comparisons(int i) const
    {
        return m_a.settings.bonferroni ? double(setOf(i).count()) : 1.0;
    }

    std::optional<Explanation> deviationCritical(int i) const
    {
        const ScoreResult &s = m_a.scores[size_t(i)];
        if (!s.deviationCritical.known())
            return std::nullopt;
        Explanation e;
        e.formula = Formula::DeviationCritical;
        e.source = Source::Davis1959;
        const Analysis::ComparisonSet &set = setOf(i);
        for (const int j : set.members)
            e.inputs.push_back(term(Quantity::Reliability, reliability(j), j));
        e.inputs.push_back(term(Quantity::MetricSd, m_row.sd));
        e.inputs.push_back(term(Quantity::Alpha, m_a.settings.alpha));
        e.inputs.push_back(term(Quantity::ComparisonCount, comparisons(i)));
        const double se = formula::deviationStandardError(set.errorVarianceSum, set.count(),
                                                          reliability(i), m_row.sd);
        e.steps = {term(Quantity::Count, set.count()),
                   term(Quantity::ErrorVarianceSum, set.errorVarianceSum),
                   term(Quantity::StandardError, se, i),
                   term(Quantity::CriticalZ, formula::criticalZ(m_a.settings.alpha, comparisons(i)))};
        nameSet(e, i);
        e.result = term(Quantity::CriticalValue, s.deviationCritical.value, i);
        e.shown = s.deviationCritical.text;
        return e;
    }

    std::optional<Explanation> strengthWeakness(int i) const
    {
        const ScoreResult &s = m_a.scores[size_t(i)];
        if (!s.deviation.known())
            return std::nullopt;
        Explanation e;
        e.formula = Formula::StrengthWeakness;
        e.source = Source::Davis1959;
        e.inputs = {term(Quantity::Deviation, s.deviation.value, i),
                    term(Quantity::CriticalValue, shownOf(s.deviationCritical), i)};
        e.steps = {term(Quantity::ShownValue, shownOf(s.deviation), i)};
        e.result = term(Quantity::Decision,
                        s.mark == Mark::Strength ? 1 : s.mark == Mark::Weakness ? -1 : 0, i);
        e.shown = std::string(markText(s.mark));
        nameSet(e, i);
        return e;
    }

    std::optional<Explanation> deviationBaseRate(int i) const
    {
        const ScoreResult &s = m_a.scores[size_t(i)];
        if (!s.deviationBaseRate.known())
            return std::nullopt;
        const double rowMean = m_a.kept[size_t(i)].rowMeanCorrelation;
        Explanation e;
        e.formula = Formula::DeviationBaseRate;
        e.source = Source::PayneJones1957;
        e.inputs = {term(Quantity::ShownValue, shownOf(s.deviation), i),
                    term(Quantity::MetricSd, m_row.sd)};
        const double meanCorrelation = setOf(i).meanCorrelation;
        e.steps = {term(Quantity::MeanRowCorrelation, rowMean, i),
                   term(Quantity::MeanCorrelation, meanCorrelation),
                   term(Quantity::DifferenceSd,
                        formula::deviationSpread(rowMean, meanCorrelation, m_row.sd), i)};
        nameSet(e, i);
        e.result = term(Quantity::BaseRate, s.deviationBaseRate.value, i);
        e.shown = s.deviationBaseRate.text;
        return e;
    }

    std::optional<Explanation> changeIndex(int i) const
    {
        const ScoreResult &s = m_a.scores[size_t(i)];
        if (!s.rci.known())
            return std::nullopt;
        const Analysis::Kept &kept = m_a.kept[size_t(i)];
        const bool practice = !std::isnan(kept.practice);
        const bool raw = kScales[kept.scale].display == conversion::Display::None;
        const double sd = raw ? kept.sd : kScales[kept.scale].sd;
        Explanation e;
        e.formula = practice ? Formula::ReliableChangePractice : Formula::ReliableChange;
        e.source = practice ? Source::CheluneEtAl1993 : Source::JacobsonTruax1991;
        e.inputs = {term(Quantity::Score, kept.score, i), term(Quantity::Retest, kept.retest, i)};
        if (practice) {
            e.inputs.push_back(term(Quantity::Practice, kept.practice, i));
            e.inputs.push_back(term(Quantity::ScaleSd, sd, i));
        }
        e.inputs.push_back(term(Quantity::Reliability, kept.reliability, i));
        e.steps = {term(Quantity::Z, s.z, i), term(Quantity::RetestZ, s.retestZ, i)};
        if (practice)
            e.steps.push_back(term(Quantity::Practice, kept.practice / sd, i));
        e.steps.push_back(term(Quantity::ChangeSe, std::sqrt(2 * (1 - kept.reliability)), i));
        e.result = term(Quantity::ChangeIndex, s.rci.value, i);
        e.shown = s.rci.text;
        return e;
    }

    std::optional<Explanation> changeDecision(int i) const
    {
        const ScoreResult &s = m_a.scores[size_t(i)];
        if (s.change == Change::None)
            return std::nullopt;
        if (s.regression.method != ChangeMethod::JacobsonTruax)
            return explainSmallSample(m_a, Item::Change, i);
        Explanation e;
        e.formula = Formula::ChangeDecision;
        e.source = Source::JacobsonTruax1991;
        e.inputs = {term(Quantity::ChangeIndex, s.rci.value, i),
                    term(Quantity::Alpha, m_a.settings.alpha)};
        e.steps = {term(Quantity::ShownValue, shownOf(s.rci), i),
                   term(Quantity::CriticalZ, formula::criticalZ(m_a.settings.alpha))};
        e.result = term(Quantity::Decision,
                        s.change == Change::Gain ? 1 : s.change == Change::Loss ? -1 : 0, i);
        e.shown = std::string(changeText(s.change));
        return e;
    }

    // The members' correlations, i < j, as the analysis kept them.
    void correlationInputs(int c, Explanation &e) const
    {
        const std::vector<int> &members = m_a.composites[size_t(c)].members;
        const std::vector<double> &rs = m_a.compositeCorrelations[size_t(c)];
        size_t at = 0;
        for (size_t a = 0; a < members.size(); ++a)
            for (size_t b = a + 1; b < members.size(); ++b)
                e.inputs.push_back(term(Quantity::Correlation, rs[at++], members[a], members[b]));
    }

    double sumCorrelations(int c) const
    {
        double sum = 0;
        for (const double r : m_a.compositeCorrelations[size_t(c)])
            sum += r;
        return sum;
    }

    Explanation compositeScore(int c) const
    {
        const CompositeResult &comp = m_a.composites[size_t(c)];
        Explanation e;
        e.formula = Formula::CompositeScore;
        e.source = Source::TellegenBriggs1967;
        double sumZ = 0;
        for (const int i : comp.members) {
            e.inputs.push_back(term(Quantity::Z, m_a.scores[size_t(i)].z, i));
            sumZ += m_a.scores[size_t(i)].z;
        }
        correlationInputs(c, e);
        e.inputs.push_back(term(Quantity::MetricMean, m_row.mean));
        e.inputs.push_back(term(Quantity::MetricSd, m_row.sd));
        const int k = int(comp.members.size());
        const double sumR = sumCorrelations(c);
        e.steps = {term(Quantity::Count, k), term(Quantity::SumZ, sumZ),
                   term(Quantity::SumCorrelations, sumR),
                   term(Quantity::CompositeSd, formula::compositeSd(k, sumR)),
                   term(Quantity::CompositeZ, comp.z)};
        e.result = term(Quantity::MetricScore, comp.metric.value);
        e.shown = comp.metric.text;
        return e;
    }

    std::optional<Explanation> compositeReliability(int c) const
    {
        const CompositeResult &comp = m_a.composites[size_t(c)];
        if (!comp.reliability.known())
            return std::nullopt;
        Explanation e;
        e.formula = Formula::CompositeReliability;
        e.source = Source::Mosier1943;
        double sum = 0;
        for (const int i : comp.members) {
            e.inputs.push_back(term(Quantity::Reliability, reliability(i), i));
            sum += reliability(i);
        }
        correlationInputs(c, e);
        e.steps = {term(Quantity::Count, double(comp.members.size())),
                   term(Quantity::SumReliabilities, sum),
                   term(Quantity::SumCorrelations, sumCorrelations(c))};
        e.result = term(Quantity::Reliability, comp.reliability.value);
        e.shown = comp.reliability.text;
        return e;
    }

    const Analysis &m_a;
    const conversion::Scale &m_row;
};

} // namespace

std::optional<interpretation::Explanation> explain(const Analysis &analysis, Item item, int index)
{
    const Explainer explainer(analysis);
    switch (item) {
    case Item::PairBaseRateEither:
    case Item::PairP:
    case Item::PairPAdjusted:
    case Item::DeviationBaseRateEither:
        return explainFamily(analysis, item, index);
    case Item::PairDifference:
    case Item::PairSe:
    case Item::PairCritical:
    case Item::PairSignificance:
    case Item::PairBaseRate:
        return explainer.pair(item, index);
    case Item::CompositeMetric:
    case Item::CompositePercentileRank:
    case Item::CompositeDescriptor:
    case Item::CompositeReliability:
    case Item::CompositeCiLow:
    case Item::CompositeCiHigh:
        return explainer.composite(item, index);
    case Item::PredictedRetest:
    case Item::SrbZ:
    case Item::ChangeT:
    case Item::ChangeP:
    case Item::ChangePercent:
    case Item::ChangePercentLow:
    case Item::ChangePercentHigh:
    case Item::CaseT:
    case Item::CaseP:
    case Item::CaseZcc:
    case Item::CaseZccLow:
    case Item::CaseZccHigh:
    case Item::CasePercent:
    case Item::CasePercentLow:
    case Item::CasePercentHigh:
        return explainSmallSample(analysis, item, index);
    default:
        break;
    }
    return explainer.score(item, index);
}

} // namespace profile
