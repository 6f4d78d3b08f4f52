#include "battery_window/explanation_text.h"

#include "battery_window/numbers.h"
#include "conversion/scales.h"
#include "interpretation/interpretation.h"
#include "report_window/explanation_words.h"
#include "text/text_routines.h"

#include <QStringList>

#include <algorithm>

#include <cmath>

namespace battery {

namespace {

using interpretation::Formula;
using interpretation::Quantity;
using interpretation::Source;
using interpretation::Term;

QString sub(const char *symbol, const char *index)
{
    return QStringLiteral("%1<sub>%2</sub>").arg(QLatin1String(symbol), QLatin1String(index));
}

// z of the retest, its index in the reader's words.
QString retestZ()
{
    return QStringLiteral("z<sub>%1</sub>").arg(ExplanationText::tr("retest"));
}

// The descriptor bands go by the Wechsler metric's standard score.
QString standardScoreText()
{
    const conversion::Scale &wechsler = interpretation::scaleRow(interpretation::ScaleId::Wechsler);
    return ExplanationText::tr("%1 + %2 z, rounded half away from zero")
        .arg(numbers::plain(wechsler.mean), numbers::plain(wechsler.sd));
}

} // namespace

bool ExplanationText::isReportWorded(const interpretation::Explanation &explanation)
{
    // A retest's z is worded here: its terms are the retest's, not a score's.
    const bool retest = std::any_of(explanation.inputs.begin(), explanation.inputs.end(),
                                    [](const Term &term) { return term.quantity == Quantity::Retest; });
    switch (explanation.formula) {
    case Formula::GivenScore:
    case Formula::ZFromScore:
    case Formula::ZFromPercentile:
    case Formula::ZFromPercentileApproximate:
    case Formula::ScoreOnMetric:
    case Formula::BandOnMetric:
    case Formula::PercentileRank:
    case Formula::ApproximatePercentile:
    case Formula::Descriptor:
    case Formula::IntervalTrueScore:
    case Formula::IntervalObtained:
        return !retest;
    default:
        return false;
    }
}

QString ExplanationText::formulaName(Formula formula)
{
    switch (formula) {
    case Formula::ZFromScore: return tr("z of a score");
    case Formula::ZFromPercentile: return tr("z of a percentile");
    case Formula::ScoreOnMetric: return tr("Score on the common metric");
    case Formula::PercentileRank: return tr("Percentile rank");
    case Formula::Descriptor: return tr("Descriptor");
    case Formula::IntervalTrueScore: return tr("Confidence interval around the estimated true score");
    case Formula::IntervalObtained: return tr("Confidence interval around the obtained score");
    case Formula::PairDifference: return tr("Difference of two scores");
    case Formula::PairStandardError: return tr("Standard error of a difference");
    case Formula::PairCritical: return tr("Critical difference");
    case Formula::PairSignificance: return tr("Significance of a difference");
    case Formula::PairBaseRate: return tr("Base rate of a difference");
    case Formula::Deviation: return tr("Deviation from the person's mean");
    case Formula::DeviationStandardError: return tr("Standard error of a deviation");
    case Formula::DeviationCritical: return tr("Critical deviation");
    case Formula::StrengthWeakness: return tr("Strength or weakness");
    case Formula::DeviationBaseRate: return tr("Base rate of a deviation");
    case Formula::ReliableChange: return tr("Reliable change index");
    case Formula::ReliableChangePractice: return tr("Reliable change index with practice effect");
    case Formula::ChangeDecision: return tr("Reliable change");
    case Formula::CompositeScore: return tr("Composite score");
    case Formula::CompositeReliability: return tr("Reliability of a composite");
    case Formula::GivenScore: return tr("Score as given");
    case Formula::ZFromPercentileApproximate: return tr("z of a percentile, approximated");
    case Formula::BandOnMetric: return tr("Band on the metric");
    case Formula::ApproximatePercentile: return tr("Percentile, approximated");
    case Formula::PredictedRetest: return tr("Retest predicted by regression");
    case Formula::SrbChange: return tr("Standardized regression-based change");
    case Formula::RegressionT: return tr("Change against a regression, as a t");
    case Formula::OneTailedP: return tr("One-tailed p");
    case Formula::AbnormalityPercent: return tr("Estimated percent of people beyond the score");
    case Formula::RegressionPercentInterval: return tr("Interval of the percent, from the non-central t");
    case Formula::SrbDecision: return tr("Reliable change by regression");
    case Formula::RegressionTDecision: return tr("Reliable change by regression, t test");
    case Formula::CaseT: return tr("A score against a control sample, as a t");
    case Formula::CaseZcc: return tr("z of a score against a control sample");
    case Formula::CaseZccInterval: return tr("Interval of that z, from the non-central t");
    case Formula::CasePercentInterval: return tr("Interval of the percent of controls beyond the score");
    case Formula::PairP: return tr("p of a difference, two-tailed");
    case Formula::PairPBonferroni: return tr("p adjusted by Bonferroni's correction");
    case Formula::PairPHolm: return tr("p adjusted by Holm's step-down correction");
    case Formula::PairSignificanceAdjusted: return tr("Significance of a difference under Holm's correction");
    case Formula::PairBaseRateEither: return tr("Base rate of a difference, either direction");
    case Formula::DeviationBaseRateEither: return tr("Base rate of a deviation, either direction");
    case Formula::LowScoreCount: return tr("Low scores");
    case Formula::LowScoreBinomial: return tr("Healthy people with as many low scores, exact");
    case Formula::LowScoreMonteCarlo: return tr("Healthy people with as many low scores, by Monte Carlo");
    case Formula::Mahalanobis: return tr("Mahalanobis distance of the profile");
    case Formula::MahalanobisRate: return tr("Healthy people with a profile as unusual");
    }
    return {};
}

QString ExplanationText::formulaText(Formula formula)
{
    const QString sdm = sub("SD", "m"), za = sub("z", "&alpha;");
    switch (formula) {
    case Formula::ZFromScore: return QStringLiteral("z = (X &minus; M) / SD");
    case Formula::ZFromPercentile: return QStringLiteral("z = &Phi;<sup>&minus;1</sup>(P / 100)");
    case Formula::ScoreOnMetric:
        return tr("score = %1 + %2 &middot; z, rounded as the metric's scores are, held at its limits")
            .arg(sub("M", "m"), sdm);
    case Formula::PercentileRank: return QStringLiteral("PR = 100 &middot; &Phi;(z)");
    case Formula::Descriptor:
        return tr("descriptor: the band of the descriptor system holding %1").arg(standardScoreText());
    case Formula::IntervalTrueScore:
        return tr("interval = r z &plusmn; %1 &radic;(r (1 &minus; r)), then on the metric").arg(sub("z", "c"));
    case Formula::IntervalObtained:
        return tr("interval = z &plusmn; %1 &radic;(1 &minus; r), then on the metric").arg(sub("z", "c"));
    case Formula::PairDifference:
        return QStringLiteral("D = (%1 &minus; %2) &middot; %3").arg(sub("z", "1"), sub("z", "2"), sdm);
    case Formula::PairStandardError:
        return QStringLiteral("SE = %1 &radic;(2 &minus; %2 &minus; %3)").arg(sdm, sub("r", "1"), sub("r", "2"));
    case Formula::PairCritical: return tr("critical = %1 &middot; SE").arg(za);
    case Formula::PairSignificance: return tr("significant when |D as shown| &ge; critical");
    case Formula::PairBaseRate:
        return tr("base rate = 100 (1 &minus; &Phi;(|D| / (%1 &radic;(2 &minus; 2 %2))))").arg(sdm, sub("r", "12"));
    case Formula::Deviation:
        return tr("deviation = (%1 &minus; mean z) &middot; %2").arg(sub("z", "i"), sdm);
    case Formula::DeviationStandardError:
        return QStringLiteral("%1 = %2 &radic;(&Sigma;(1 &minus; %3) / k&sup2; + ((k &minus; 2) / k)(1 &minus; %4))")
            .arg(sub("SE", "i"), sdm, sub("r", "j"), sub("r", "i"));
    case Formula::DeviationCritical:
        return tr("critical = z at 1 &minus; &alpha; / (2m), times %1 = %2 &radic;(&Sigma;(1 &minus; %3) / k&sup2; "
                  "+ ((k &minus; 2) / k)(1 &minus; %4))")
            .arg(sub("SE", "i"), sdm, sub("r", "j"), sub("r", "i"));
    case Formula::StrengthWeakness:
        return tr("S when the deviation as shown &ge; critical, W when &le; &minus;critical");
    case Formula::DeviationBaseRate:
        return tr("base rate = 100 (1 &minus; &Phi;(|deviation| / (%1 &radic;(1 &minus; 2 %2 + r&#772;))))")
            .arg(sdm, sub("r&#772;", "i"));
    case Formula::ReliableChange:
        return QStringLiteral("RCI = (%1 &minus; z) / &radic;(2 (1 &minus; r))").arg(retestZ());
    case Formula::ReliableChangePractice:
        return tr("RCI = (%1 &minus; z &minus; practice / SD) / &radic;(2 (1 &minus; r))").arg(retestZ());
    case Formula::ChangeDecision:
        return tr("reliable gain when RCI &ge; %1, reliable loss when RCI &le; &minus;%1").arg(za);
    case Formula::CompositeScore:
        return tr("%1 = &Sigma;%2 / &radic;(k + 2 &Sigma;%3), then on the metric").arg(sub("z", "c"), sub("z", "i"),
                                                                                   sub("r", "ij"));
    case Formula::CompositeReliability:
        return QStringLiteral("%1 = 1 &minus; (k &minus; &Sigma;%2) / (k + 2 &Sigma;%3)")
            .arg(sub("r", "c"), sub("r", "i"), sub("r", "ij"));
    case Formula::GivenScore: return tr("X, as given");
    case Formula::ZFromPercentileApproximate:
        return tr("z = &Phi;<sup>&minus;1</sup>(P / 100), by a rational approximation");
    case Formula::BandOnMetric:
        return tr("the band holding %1 + %2 &middot; z, halves up").arg(sub("M", "m"), sdm);
    case Formula::ApproximatePercentile:
        return tr("100 &middot; &Phi;(z) by a polynomial approximation, whole, held at 1 and 99");
    case Formula::PredictedRetest:
        return tr("b = %1 %2 / %3, a = %4 &minus; b %5, predicted retest = a + b X")
            .arg(sub("r", "12"), sub("SD", "2"), sub("SD", "1"), sub("M", "2"), sub("M", "1"));
    case Formula::SrbChange:
        return tr("z = (retest &minus; predicted) / SEE, SEE = %1 &radic;(1 &minus; %2&sup2;)")
            .arg(sub("SD", "2"), sub("r", "12"));
    case Formula::RegressionT:
        return tr("t = (retest &minus; predicted) / s, N &minus; 2 df; s = %1 &radic;(1 + &theta;), "
                  "%1 = %2 &radic;((1 &minus; %3&sup2;)(N &minus; 1) / (N &minus; 2)), "
                  "&theta; = 1/N + (X &minus; %4)&sup2; / (%5&sup2; (N &minus; 1))")
            .arg(sub("s", "y&middot;x"), sub("SD", "2"), sub("r", "12"), sub("M", "1"), sub("SD", "1"));
    case Formula::OneTailedP:
        return tr("p = P(T &gt; |t|) with the t's df, or 1 &minus; &Phi;(|z|) for a z: one-tailed, in the "
                  "direction of the figure");
    case Formula::AbnormalityPercent: return tr("percent = 100 p");
    case Formula::RegressionPercentInterval:
        return tr("the non-central t with N &minus; 2 df puts (retest &minus; predicted) / (%1 &radic;&theta;) at "
                  ".975 and .025 for two values of its noncentrality &lambda;, found by root finding; the bounds are "
                  "100 (1 &minus; &Phi;(&lambda; &radic;&theta;)) for a gain, 100 &Phi;(&lambda; &radic;&theta;) for "
                  "a loss")
            .arg(sub("s", "y&middot;x"));
    case Formula::SrbDecision:
        return tr("reliable gain when z as shown &ge; %1, reliable loss when z &le; &minus;%1").arg(za);
    case Formula::RegressionTDecision:
        return tr("reliable gain when t as shown &ge; %1, reliable loss when t &le; &minus;%1, %1 the two-tailed "
                  "critical t at &alpha; with N &minus; 2 df, rounded up to the t's decimals")
            .arg(sub("t", "&alpha;"));
    case Formula::CaseT:
        return tr("t = (X &minus; M) / (SD &radic;((n + 1) / n)), n &minus; 1 df");
    case Formula::CaseZcc: return QStringLiteral("%1 = (X &minus; M) / SD").arg(sub("z", "CC"));
    case Formula::CaseZccInterval:
        return tr("the non-central t with n &minus; 1 df puts %1 &radic;n at .975 and .025 for two values of its "
                  "noncentrality &lambda;, found by root finding; the bounds are &lambda; / &radic;n")
            .arg(sub("z", "CC"));
    case Formula::CasePercentInterval:
        return tr("100 &Phi;(bound) of the interval of %1 below the controls' mean, 100 (1 &minus; &Phi;(bound)) "
                  "above it")
            .arg(sub("z", "CC"));
    case Formula::PairP: return tr("p = 2 (1 &minus; &Phi;(|D as shown| / SE))");
    case Formula::PairPBonferroni:
        return tr("%1 = min(1, m &middot; p), m the pairs tested").arg(sub("p", "adj"));
    case Formula::PairPHolm:
        return tr("with the m p values ranked from the smallest, %1 of rank i = the largest of min(1, (m &minus; j + 1) "
                  "%2) over j &le; i")
            .arg(sub("p", "adj"), sub("p", "(j)"));
    case Formula::PairSignificanceAdjusted:
        return tr("significant when %1 as shown &le; &alpha;; no single critical value decides").arg(sub("p", "adj"));
    case Formula::PairBaseRateEither:
    case Formula::DeviationBaseRateEither:
        return tr("base rate in either direction = min(100, 2 &middot; base rate in the same direction)");
    case Formula::LowScoreCount:
        return tr("j = the number of scores with a percentile rank below the cut-off P, that is z &lt; %1")
            .arg(QStringLiteral("&Phi;<sup>&minus;1</sup>(P / 100)"));
    case Formula::LowScoreBinomial:
        return tr("base rate = 100 &Sigma;<sub>i &ge; j</sub> C(k, i) p<sup>i</sup> (1 &minus; p)<sup>k &minus; i</sup>, "
                  "p = P / 100: with no correlation among the scores, the count is binomial");
    case Formula::LowScoreMonteCarlo:
        return tr("base rate = 100 &middot; the share of N simulated healthy profiles z = L e (R = L L&prime;, e "
                  "standard normal, a fixed seed) with j or more scores below the cut-off; its SE = 100 "
                  "&radic;(q (1 &minus; q) / N)");
    case Formula::Mahalanobis:
        return tr("D&sup2; = z&prime; R<sup>&minus;1</sup> z: how unusual the pattern and the level are together, "
                  "not which score is at fault");
    case Formula::MahalanobisRate:
        return tr("base rate = 100 (1 &minus; %1(D&sup2;)), df = k").arg(sub("F", "&chi;&sup2;(k)"));
    }
    return {};
}

QString ExplanationText::quantityName(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Score: return tr("score as given");
    case Quantity::ScaleMean: return tr("mean of its scale");
    case Quantity::ScaleSd: return tr("SD of its scale");
    case Quantity::Percentile: return tr("percentile as given");
    case Quantity::Z: return tr("z");
    case Quantity::MetricMean: return tr("mean of the metric");
    case Quantity::MetricSd: return tr("SD of the metric");
    case Quantity::MetricScore: return tr("on the metric, before rounding");
    case Quantity::PercentileRank: return tr("percentile rank");
    case Quantity::StandardScore: return tr("standard score");
    case Quantity::BandFrom: return tr("lowest standard score of the band");
    case Quantity::Reliability: return tr("reliability");
    case Quantity::Confidence: return tr("confidence, %");
    case Quantity::Alpha: return tr("alpha, two-tailed");
    case Quantity::ComparisonCount: return tr("comparisons (Bonferroni)");
    case Quantity::CriticalZ: return tr("critical z");
    case Quantity::TrueScore: return tr("estimated true score, in z");
    case Quantity::StandardError: return tr("standard error");
    case Quantity::HalfWidth: return tr("half width, in z");
    case Quantity::Low: return tr("lower bound");
    case Quantity::High: return tr("upper bound");
    case Quantity::Difference: return tr("difference");
    case Quantity::Correlation: return tr("correlation");
    case Quantity::DifferenceSd: return tr("SD of the difference in the population");
    case Quantity::ShownValue: return tr("as the table shows it");
    case Quantity::CriticalValue: return tr("critical value");
    case Quantity::BaseRate: return tr("base rate, %");
    case Quantity::Count: return tr("scores with a reliability");
    case Quantity::MeanZ: return tr("their mean z");
    case Quantity::Deviation: return tr("deviation");
    case Quantity::ErrorVarianceSum: return tr("sum of 1 \u2212 r over them");
    case Quantity::MeanRowCorrelation: return tr("mean correlation of the score with the others");
    case Quantity::MeanCorrelation: return tr("mean of all their correlations");
    case Quantity::Retest: return tr("retest as given");
    case Quantity::RetestZ: return tr("retest z");
    case Quantity::Practice: return tr("expected practice change");
    case Quantity::ChangeSe: return tr("standard error of the change, in z");
    case Quantity::ChangeIndex: return tr("reliable change index");
    case Quantity::SumZ: return tr("sum of the z scores");
    case Quantity::SumCorrelations: return tr("sum of the correlations");
    case Quantity::SumReliabilities: return tr("sum of the reliabilities");
    case Quantity::CompositeSd: return tr("SD of the sum");
    case Quantity::CompositeZ: return tr("composite z");
    case Quantity::Decision: return tr("decision");
    case Quantity::BandTo: return tr("highest standard score of the band");
    case Quantity::ApproximatePercentile: return tr("approximated percentile, before it is rounded");
    case Quantity::StudyMean1: return tr("study's mean at the first testing");
    case Quantity::StudySd1: return tr("study's SD at the first testing");
    case Quantity::StudyMean2: return tr("study's mean at the retest");
    case Quantity::StudySd2: return tr("study's SD at the retest");
    case Quantity::StudyN: return tr("study's size");
    case Quantity::Slope: return tr("slope");
    case Quantity::Intercept: return tr("intercept");
    case Quantity::PredictedRetest: return tr("predicted retest");
    case Quantity::EstimateSe: return tr("standard error of estimate");
    case Quantity::ResidualSd: return tr("SD about the regression line, N \u2212 2 df");
    case Quantity::Theta: return tr("share of the prediction's own error");
    case Quantity::DiscrepancySe: return tr("standard error of the discrepancy");
    case Quantity::ChangeZ: return tr("regression-based change z");
    case Quantity::T: return tr("t");
    case Quantity::DegreesOfFreedom: return tr("degrees of freedom");
    case Quantity::OneTailedP: return tr("p, one-tailed");
    case Quantity::Percent: return tr("percent");
    case Quantity::ControlsMean: return tr("controls' mean");
    case Quantity::ControlsSd: return tr("controls' SD");
    case Quantity::ControlsN: return tr("number of controls");
    case Quantity::Zcc: return tr("z against the controls");
    case Quantity::Noncentrality: return tr("noncentrality at a bound");
    case Quantity::CriticalT: return tr("critical t");
    case Quantity::PValue: return tr("p, two-tailed");
    case Quantity::AdjustedP: return tr("adjusted p");
    case Quantity::Rank: return tr("rank of the p, smallest first");
    case Quantity::LowCutoff: return tr("cut-off percentile for a low score");
    case Quantity::ZCutoff: return tr("cut-off as z");
    case Quantity::LowCount: return tr("low scores");
    case Quantity::Draws: return tr("simulated profiles");
    case Quantity::MahalanobisD2: return tr("Mahalanobis distance squared");
    }
    return {};
}

QString ExplanationText::symbol(Quantity quantity)
{
    switch (quantity) {
    case Quantity::Score: return QStringLiteral("X");
    case Quantity::ScaleMean: return QStringLiteral("M");
    case Quantity::ScaleSd: return QStringLiteral("SD");
    case Quantity::Percentile: return QStringLiteral("P");
    case Quantity::Z: return QStringLiteral("z");
    case Quantity::MetricMean: return sub("M", "m");
    case Quantity::MetricSd: return sub("SD", "m");
    case Quantity::Reliability: return QStringLiteral("r");
    case Quantity::Alpha: return QStringLiteral("&alpha;");
    case Quantity::ComparisonCount: return QStringLiteral("m");
    case Quantity::CriticalZ: return sub("z", "c");
    case Quantity::StandardError: return QStringLiteral("SE");
    case Quantity::Difference: return QStringLiteral("D");
    case Quantity::Correlation: return QStringLiteral("r");
    case Quantity::Count: return QStringLiteral("k");
    case Quantity::MeanRowCorrelation: return sub("r&#772;", "i");
    case Quantity::MeanCorrelation: return QStringLiteral("r&#772;");
    case Quantity::RetestZ: return sub("z", "retest");
    case Quantity::ChangeSe: return sub("S", "diff");
    case Quantity::ChangeIndex: return QStringLiteral("RCI");
    case Quantity::CompositeZ: return sub("z", "c");
    case Quantity::StudyMean1: return sub("M", "1");
    case Quantity::StudySd1: return sub("SD", "1");
    case Quantity::StudyMean2: return sub("M", "2");
    case Quantity::StudySd2: return sub("SD", "2");
    case Quantity::StudyN: return QStringLiteral("N");
    case Quantity::Slope: return QStringLiteral("b");
    case Quantity::Intercept: return QStringLiteral("a");
    case Quantity::EstimateSe: return QStringLiteral("SEE");
    case Quantity::ResidualSd: return sub("s", "y&middot;x");
    case Quantity::Theta: return QStringLiteral("&theta;");
    case Quantity::DiscrepancySe: return QStringLiteral("s");
    case Quantity::T: return QStringLiteral("t");
    case Quantity::DegreesOfFreedom: return QStringLiteral("df");
    case Quantity::OneTailedP: return QStringLiteral("p");
    case Quantity::ControlsMean: return QStringLiteral("M");
    case Quantity::ControlsSd: return QStringLiteral("SD");
    case Quantity::ControlsN: return QStringLiteral("n");
    case Quantity::Zcc: return sub("z", "CC");
    case Quantity::Noncentrality: return QStringLiteral("&lambda;");
    case Quantity::CriticalT: return sub("t", "&alpha;");
    case Quantity::PValue: return QStringLiteral("p");
    case Quantity::AdjustedP: return sub("p", "adj");
    case Quantity::Rank: return QStringLiteral("i");
    case Quantity::LowCutoff: return QStringLiteral("P");
    case Quantity::LowCount: return QStringLiteral("j");
    case Quantity::Draws: return QStringLiteral("N");
    case Quantity::MahalanobisD2: return QStringLiteral("D&sup2;");
    default: return {};
    }
}

QString ExplanationText::value(const Term &term)
{
    if (std::isnan(term.value))
        return tr("not known");
    switch (term.quantity) {
    case Quantity::Count:
    case Quantity::ComparisonCount:
    case Quantity::StudyN:
    case Quantity::ControlsN:
    case Quantity::Rank:
    case Quantity::LowCount:
    case Quantity::Draws:
    case Quantity::DegreesOfFreedom:
        return numbers::fixed(term.value, 0);
    case Quantity::Alpha:
    case Quantity::Reliability:
    case Quantity::Correlation:
        return numbers::page(text::Format(term.value, ".00####"));
    default:
        return numbers::exact(term.value);
    }
}

QString ExplanationText::decision(Formula formula, double value)
{
    switch (formula) {
    case Formula::PairSignificance:
    case Formula::PairSignificanceAdjusted:
        return value > 0 ? tr("significant") : tr("not significant");
    case Formula::StrengthWeakness:
        return value > 0 ? tr("S, a strength") : value < 0 ? tr("W, a weakness") : tr("neither");
    case Formula::ChangeDecision:
    case Formula::SrbDecision:
    case Formula::RegressionTDecision:
        return value > 0 ? tr("reliable gain") : value < 0 ? tr("reliable loss") : tr("no reliable change");
    default:
        return value > 0 ? tr("yes") : tr("no");
    }
}

QString ExplanationText::whose(const Term &term, const NameOf &nameOf)
{
    if (term.score < 0)
        return {};
    if (term.other < 0)
        return nameOf(term.score);
    return tr("%1 \u2212 %2").arg(nameOf(term.score), nameOf(term.other));
}

QString ExplanationText::html(const QString &heading, const interpretation::Explanation &explanation,
                              const NameOf &nameOf)
{
    auto row = [&](const Term &term) {
        const QString owner = whose(term, nameOf);
        const QString sym = symbol(term.quantity);
        QString name = quantityName(term.quantity);
        if (!owner.isEmpty())
            name = tr("%1 of %2").arg(name, owner.toHtmlEscaped());
        return QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td></tr>")
            .arg(name, sym, value(term));
    };
    auto table = [&](const std::vector<Term> &terms) {
        QString rows;
        for (const Term &term : terms)
            rows += row(term);
        return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">%1</table>").arg(rows);
    };
    QString html = QStringLiteral("<h3>%1</h3>").arg(heading.toHtmlEscaped());
    html += QStringLiteral("<p><b>%1</b><br>%2</p>").arg(formulaName(explanation.formula),
                                                         formulaText(explanation.formula));
    if (explanation.source != Source::None)
        html += QStringLiteral("<p>%1</p>").arg(tr("Source: %1").arg(report::citation(explanation.source).toHtmlEscaped()));
    if (!explanation.set.empty())
        html += QStringLiteral("<p>%1</p>").arg(
            tr("Within the comparison set %1: its scores with a reliability only.")
                .arg(QString::fromStdString(explanation.set).toHtmlEscaped()));
    if (!explanation.inputs.empty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(tr("Given")) + table(explanation.inputs);
    if (!explanation.steps.empty())
        html += QStringLiteral("<p><b>%1</b></p>").arg(tr("Worked out on the way")) + table(explanation.steps);
    html += QStringLiteral("<p><b>%1</b> ").arg(tr("Result:"));
    if (explanation.result.quantity == Quantity::Decision)
        html += QStringLiteral("<b>%1</b>.").arg(decision(explanation.formula, explanation.result.value));
    else
        html += tr("%1, shown as <b>%2</b>.")
                    .arg(value(explanation.result), numbers::page(explanation.shown).toHtmlEscaped());
    html += QStringLiteral("</p>");
    if (explanation.source != Source::None)
        html += QStringLiteral("<p><small>%1</small></p>").arg(report::referenceText(explanation.source).toHtmlEscaped());
    return html;
}

} // namespace battery
