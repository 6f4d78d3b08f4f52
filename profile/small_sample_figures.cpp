// A score's figures against its retest study and its control sample, as
// figures of the analysis, and how each was reached.
#include <charconv>
#include <cmath>

#include "profile/analysis.h"
#include "profile/formulas.h"
#include "text/fixed_number.h"
#include "text/text_routines.h"

namespace profile {

namespace {

using interpretation::Explanation;
using interpretation::Formula;
using interpretation::Quantity;
using interpretation::Source;
using interpretation::Term;
using small_sample::RegressionChange;

constexpr int kChangeDecimals = 2;    // as the RCI
constexpr int kCaseTDecimals = 3;
constexpr int kPDecimals = 4;
constexpr int kPercentDecimals = 2;
constexpr int kPredictedDecimals = 2;

double set(Figure &figure, double value, int decimals)
{
    if (!std::isfinite(value)) {
        figure.text.clear();
        figure.value = std::nan("");
        figure.missing = Missing::NotComputable;
        return figure.value;
    }
    figure.value = value;
    figure.missing = Missing::None;
    if (decimals <= 3)
        return text::fixedNumber(value, decimals, figure.text);
    // A p to four decimals, beyond what fixedNumber writes.
    figure.text = text::Format(value, "0.0000");
    double shown = value;
    std::from_chars(figure.text.data(), figure.text.data() + figure.text.size(), shown);
    return shown;
}

void clear(Figure &figure, Missing why)
{
    figure.text.clear();
    figure.value = std::nan("");
    figure.missing = why;
}

// A batch clears the same empty figures person after person: a figure
// that is set always sets `predicted` (or the case's `t`) too, so those
// say whether all of them are cleared already.
void clearRegression(RegressionFigures &r, Missing why)
{
    if (r.predicted.missing == why && r.predicted.text.empty())
        return;
    for (Figure *figure : {&r.predicted, &r.z, &r.t, &r.p, &r.percent, &r.percentLow, &r.percentHigh})
        clear(*figure, why);
}

void clearCase(CaseFigures &c, Missing why)
{
    if (c.t.missing == why && c.t.text.empty())
        return;
    for (Figure *figure : {&c.t, &c.df, &c.p, &c.zcc, &c.zccLow, &c.zccHigh, &c.percent,
                           &c.percentLow, &c.percentHigh})
        clear(*figure, why);
    c.above = false;
}

ChangeMethod resolved(ChangeMethod method, const RetestStudy &study)
{
    if (method == ChangeMethod::Auto)
        return study.any() ? ChangeMethod::CrawfordGarthwaite : ChangeMethod::JacobsonTruax;
    return method;
}

// A critical value rounded up, away from zero, to the decimals of the figure
// it is compared with: a t shown as 2.00 is no reliable change against 2.0017.
double roundedUp(double critical, int decimals)
{
    const double step = std::pow(10.0, -decimals);
    std::string shown;
    double value = text::fixedNumber(critical, decimals, shown);
    if (value < critical)
        value = text::fixedNumber(value + step, decimals, shown);
    return value;
}

double tCritical(double alpha, double df)
{
    return roundedUp(small_sample::criticalT(alpha, df), kChangeDecimals);
}

void regression(const ScoreEntry &entry, const Settings &settings, ScoreResult &result)
{
    RegressionFigures &r = result.regression;
    r.method = resolved(settings.changeMethod, entry.study);
    if (r.method == ChangeMethod::JacobsonTruax) {
        clearRegression(r, Missing::NoStudy);
        return;
    }
    // The RCI's decision gives way to the method chosen, figure or not.
    result.change = Change::None;
    if (!entry.study.any()) {
        clearRegression(r, Missing::NoStudy);
        return;
    }
    if (!entry.retest || !retestUsable(entry)) {
        clearRegression(r, entry.retest ? Missing::RetestOutOfRange : Missing::NoRetest);
        return;
    }
    const bool cg = r.method == ChangeMethod::CrawfordGarthwaite;
    const RegressionChange c =
        small_sample::regressionChange(entry.score, *entry.retest, entry.study, cg);
    clearRegression(r, Missing::NoStudy);
    set(r.predicted, c.predicted, kPredictedDecimals);
    if (cg) {
        const double shown = set(r.t, c.t, kChangeDecimals);
        set(r.p, c.p, kPDecimals);
        set(r.percent, c.percent, kPercentDecimals);
        set(r.percentLow, c.percentLow, kPercentDecimals);
        set(r.percentHigh, c.percentHigh, kPercentDecimals);
        const double critical = tCritical(settings.alpha, c.df);
        if (r.t.known())
            result.change = shown >= critical ? Change::Gain
                            : shown <= -critical ? Change::Loss
                                                 : Change::NoChange;
    } else {
        const double shown = set(r.z, c.srbZ, kChangeDecimals);
        set(r.p, c.srbP, kPDecimals);
        const double critical = formula::criticalZ(settings.alpha);
        if (r.z.known())
            result.change = shown >= critical ? Change::Gain
                            : shown <= -critical ? Change::Loss
                                                 : Change::NoChange;
    }
}

void againstControls(const ScoreEntry &entry, CaseFigures &c)
{
    if (!entry.controls.any()) {
        clearCase(c, Missing::NoControls);
        return;
    }
    const small_sample::SingleCase s = small_sample::singleCase(
        entry.score, *entry.controls.mean, *entry.controls.sd, *entry.controls.n);
    set(c.t, s.t, kCaseTDecimals);
    set(c.df, s.df, 0);
    set(c.p, s.p, kPDecimals);
    set(c.zcc, s.zcc, kChangeDecimals);
    set(c.zccLow, s.zccLow, kChangeDecimals);
    set(c.zccHigh, s.zccHigh, kChangeDecimals);
    set(c.percent, s.percent, kPercentDecimals);
    set(c.percentLow, s.percentLow, kPercentDecimals);
    set(c.percentHigh, s.percentHigh, kPercentDecimals);
    c.above = s.above;
}

Term term(Quantity quantity, double value, int score = -1)
{
    return {quantity, score, -1, value};
}

class Explainer {
public:
    Explainer(const Analysis &analysis, int i)
        : m_a(analysis), m_i(i), m_s(analysis.scores[size_t(i)]), m_kept(analysis.kept[size_t(i)])
    {
    }

    std::optional<Explanation> regression(Item item) const
    {
        const RegressionFigures &r = m_s.regression;
        const RetestStudy &study = m_kept.study;
        if (!r.predicted.known())
            return std::nullopt;
        const bool cg = r.method == ChangeMethod::CrawfordGarthwaite;
        const RegressionChange c = small_sample::regressionChange(m_kept.score, m_kept.retest, study,
                                                                  false);
        Explanation e;
        e.source = cg ? Source::CrawfordGarthwaite2006 : Source::McSweenyEtAl1993;
        switch (item) {
        case Item::PredictedRetest:
            e.formula = Formula::PredictedRetest;
            e.inputs = {score(), term(Quantity::StudyMean1, *study.mean1, m_i),
                        term(Quantity::StudySd1, *study.sd1, m_i),
                        term(Quantity::StudyMean2, *study.mean2, m_i),
                        term(Quantity::StudySd2, *study.sd2, m_i),
                        term(Quantity::Correlation, *study.r12, m_i)};
            e.steps = {term(Quantity::Slope, c.slope, m_i), term(Quantity::Intercept, c.intercept, m_i)};
            return done(e, Quantity::PredictedRetest, r.predicted);
        case Item::SrbZ:
            if (!r.z.known())
                return std::nullopt;
            e.formula = Formula::SrbChange;
            e.inputs = {retest(), term(Quantity::PredictedRetest, c.predicted, m_i),
                        term(Quantity::StudySd2, *study.sd2, m_i),
                        term(Quantity::Correlation, *study.r12, m_i)};
            e.steps = {term(Quantity::EstimateSe, c.see, m_i)};
            return done(e, Quantity::ChangeZ, r.z);
        case Item::ChangeT:
            if (!r.t.known())
                return std::nullopt;
            e.formula = Formula::RegressionT;
            e.inputs = {score(), retest(), term(Quantity::StudyMean1, *study.mean1, m_i),
                        term(Quantity::StudySd1, *study.sd1, m_i),
                        term(Quantity::StudySd2, *study.sd2, m_i),
                        term(Quantity::Correlation, *study.r12, m_i), term(Quantity::StudyN, *study.n, m_i)};
            e.steps = {term(Quantity::PredictedRetest, c.predicted, m_i),
                       term(Quantity::ResidualSd, c.residualSd, m_i), term(Quantity::Theta, c.theta, m_i),
                       term(Quantity::DiscrepancySe, c.s, m_i),
                       term(Quantity::DegreesOfFreedom, c.df, m_i)};
            return done(e, Quantity::T, r.t);
        case Item::ChangeP:
            if (!r.p.known())
                return std::nullopt;
            e.formula = Formula::OneTailedP;
            if (cg)
                e.inputs = {term(Quantity::T, c.t, m_i), term(Quantity::DegreesOfFreedom, c.df, m_i)};
            else
                e.inputs = {term(Quantity::ChangeZ, c.srbZ, m_i)};
            return done(e, Quantity::OneTailedP, r.p);
        case Item::ChangePercent:
            if (!r.percent.known())
                return std::nullopt;
            e.formula = Formula::AbnormalityPercent;
            e.inputs = {term(Quantity::OneTailedP, c.p, m_i)};
            return done(e, Quantity::Percent, r.percent);
        case Item::ChangePercentLow:
        case Item::ChangePercentHigh: {
            const Figure &figure = item == Item::ChangePercentLow ? r.percentLow : r.percentHigh;
            if (!figure.known())
                return std::nullopt;
            e.formula = Formula::RegressionPercentInterval;
            const double root = std::sqrt(c.theta);
            const double observed = (m_kept.retest - c.predicted) / c.residualSd / root;
            e.inputs = {retest(), term(Quantity::PredictedRetest, c.predicted, m_i),
                        term(Quantity::ResidualSd, c.residualSd, m_i), term(Quantity::Theta, c.theta, m_i),
                        term(Quantity::DegreesOfFreedom, c.df, m_i),
                        term(Quantity::Confidence, small_sample::kIntervalConfidence)};
            const small_sample::NoncentralityInterval delta =
                small_sample::noncentralityInterval(observed, c.df);
            e.steps = {term(Quantity::T, observed, m_i), term(Quantity::Noncentrality, delta.low, m_i),
                       term(Quantity::Noncentrality, delta.high, m_i)};
            return done(e, Quantity::Percent, figure);
        }
        case Item::Change: {
            e.formula = cg ? Formula::RegressionTDecision : Formula::SrbDecision;
            const Figure &figure = cg ? r.t : r.z;
            e.inputs = {term(cg ? Quantity::T : Quantity::ChangeZ, figure.value, m_i),
                        term(Quantity::Alpha, m_a.settings.alpha)};
            if (cg)
                e.inputs.push_back(term(Quantity::DegreesOfFreedom, c.df, m_i));
            e.steps = {term(Quantity::ShownValue, shown(figure), m_i),
                       cg ? term(Quantity::CriticalT, tCritical(m_a.settings.alpha, c.df))
                          : term(Quantity::CriticalZ, formula::criticalZ(m_a.settings.alpha))};
            e.result = term(Quantity::Decision,
                            m_s.change == Change::Gain ? 1 : m_s.change == Change::Loss ? -1 : 0, m_i);
            e.shown = std::string(changeText(m_s.change));
            return e;
        }
        default:
            break;
        }
        return std::nullopt;
    }

    std::optional<Explanation> controls(Item item) const
    {
        const CaseFigures &c = m_s.controls;
        const ControlSample &sample = m_kept.controls;
        if (!c.t.known() || !sample.any())
            return std::nullopt;
        Explanation e;
        const Term mean = term(Quantity::ControlsMean, *sample.mean, m_i);
        const Term sd = term(Quantity::ControlsSd, *sample.sd, m_i);
        const Term n = term(Quantity::ControlsN, *sample.n, m_i);
        switch (item) {
        case Item::CaseT:
            e.formula = Formula::CaseT;
            e.source = Source::CrawfordHowell1998;
            e.inputs = {score(), mean, sd, n};
            e.steps = {term(Quantity::DegreesOfFreedom, c.df.value, m_i)};
            return done(e, Quantity::T, c.t);
        case Item::CaseP:
            e.formula = Formula::OneTailedP;
            e.source = Source::CrawfordHowell1998;
            e.inputs = {term(Quantity::T, c.t.value, m_i), term(Quantity::DegreesOfFreedom, c.df.value, m_i)};
            return done(e, Quantity::OneTailedP, c.p);
        case Item::CaseZcc:
            e.formula = Formula::CaseZcc;
            e.source = Source::CrawfordGarthwaite2002;
            e.inputs = {score(), mean, sd};
            return done(e, Quantity::Zcc, c.zcc);
        case Item::CaseZccLow:
        case Item::CaseZccHigh: {
            const bool low = item == Item::CaseZccLow;
            const Figure &figure = low ? c.zccLow : c.zccHigh;
            if (!figure.known())
                return std::nullopt;
            e.formula = Formula::CaseZccInterval;
            e.source = Source::CrawfordGarthwaite2002;
            e.inputs = {term(Quantity::Zcc, c.zcc.value, m_i), n,
                        term(Quantity::Confidence, small_sample::kIntervalConfidence)};
            const double root = std::sqrt(*sample.n);
            e.steps = {term(Quantity::DegreesOfFreedom, c.df.value, m_i),
                       term(Quantity::T, c.zcc.value * root, m_i),
                       term(Quantity::Noncentrality, figure.value * root, m_i)};
            return done(e, low ? Quantity::Low : Quantity::High, figure);
        }
        case Item::CasePercent:
            e.formula = Formula::AbnormalityPercent;
            e.source = Source::CrawfordGarthwaite2002;
            e.inputs = {term(Quantity::OneTailedP, c.p.value, m_i)};
            return done(e, Quantity::Percent, c.percent);
        case Item::CasePercentLow:
        case Item::CasePercentHigh: {
            const Figure &figure = item == Item::CasePercentLow ? c.percentLow : c.percentHigh;
            if (!figure.known())
                return std::nullopt;
            e.formula = Formula::CasePercentInterval;
            e.source = Source::CrawfordGarthwaite2002;
            e.inputs = {term(Quantity::Zcc, c.zcc.value, m_i), term(Quantity::Low, c.zccLow.value, m_i),
                        term(Quantity::High, c.zccHigh.value, m_i)};
            return done(e, Quantity::Percent, figure);
        }
        default:
            break;
        }
        return std::nullopt;
    }

private:
    Term score() const { return term(Quantity::Score, m_kept.score, m_i); }
    Term retest() const { return term(Quantity::Retest, m_kept.retest, m_i); }

    static double shown(const Figure &figure)
    {
        double value = std::nan("");
        const std::string &t = figure.text;
        std::from_chars(t.data(), t.data() + t.size(), value);
        return value;
    }

    Explanation done(Explanation &e, Quantity quantity, const Figure &figure) const
    {
        e.result = term(quantity, figure.value, m_i);
        e.shown = figure.text;
        return e;
    }

    const Analysis &m_a;
    int m_i;
    const ScoreResult &m_s;
    const Analysis::Kept &m_kept;
};

} // namespace

void clearSmallSampleFigures(ScoreResult &result, Missing why)
{
    result.regression.method = ChangeMethod::JacobsonTruax;
    clearRegression(result.regression, why);
    clearCase(result.controls, why);
}

void smallSampleFigures(const ScoreEntry &entry, const Settings &settings, ScoreResult &result)
{
    regression(entry, settings, result);
    againstControls(entry, result.controls);
}

std::optional<Explanation> explainSmallSample(const Analysis &analysis, Item item, int index)
{
    if (index < 0 || size_t(index) >= analysis.scores.size() || analysis.scores[size_t(index)].problem)
        return std::nullopt;
    const Explainer explainer(analysis, index);
    switch (item) {
    case Item::CaseT:
    case Item::CaseP:
    case Item::CaseZcc:
    case Item::CaseZccLow:
    case Item::CaseZccHigh:
    case Item::CasePercent:
    case Item::CasePercentLow:
    case Item::CasePercentHigh:
        return explainer.controls(item);
    default:
        return explainer.regression(item);
    }
}

} // namespace profile
