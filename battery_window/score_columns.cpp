#include "battery_window/score_columns.h"

#include "battery_window/numbers.h"
#include "battery_window/words.h"

#include <QCoreApplication>

namespace battery {

namespace {

using R = profile::ScoreResult;
using S = SheetResults;
using M = const QString &;

// The window's words keep the table's context, the page's the report's.
QString screenWords(const char *text)
{
    return QCoreApplication::translate("battery::ScoresModel", text);
}

QString pageWords(const char *text)
{
    return QCoreApplication::translate("battery::BatteryPage", text);
}

QString figure(const profile::Figure &figure, Writing writing)
{
    return writing == Writing::Page ? numbers::page(figure.text) : numbers::screen(figure.text);
}

} // namespace

const ScoreColumn kScoreColumns[kScoreColumnCount] = {
    {[](M metric, M) { return metric; }, [](M metric, M) { return metric; },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "The score on the common metric")); }, true,
     false, profile::Item::Metric, [](const R &r, const S &, Writing w) { return figure(r.metric, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "PR")); },
     [](M, M) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "PR")); },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Percentile rank on the normal curve")); },
     true, false, profile::Item::PercentileRank, [](const R &r, const S &, Writing w) { return figure(r.percentileRank, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Descriptor")); },
     [](M, M) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "Descriptor")); },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Descriptor")); }, false, false,
     profile::Item::Descriptor, [](const R &r, const S &s, Writing) { return s.label(r.descriptor); }},
    {[](M, M level) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "%1% low")).arg(level); },
     [](M, M level) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "%1% interval")).arg(level); },
     [](M, M level) {
         return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Lower bound of the %1% confidence interval")).arg(level);
     },
     true, false, profile::Item::CiLow, [](const R &r, const S &, Writing w) { return figure(r.ciLow, w); },
     [](const R &r) {
         return r.ciLow.known() ? pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "%1 to %2"))
                                      .arg(figure(r.ciLow, Writing::Page), figure(r.ciHigh, Writing::Page))
                                : QString();
     }},
    {[](M, M level) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "%1% high")).arg(level); }, nullptr,
     [](M, M level) {
         return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Upper bound of the %1% confidence interval")).arg(level);
     },
     true, false, profile::Item::CiHigh, [](const R &r, const S &, Writing w) { return figure(r.ciHigh, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Deviation")); },
     [](M, M) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "Dev.")); },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Difference from the mean of the score's set")); },
     true, false, profile::Item::Deviation, [](const R &r, const S &, Writing w) { return figure(r.deviation, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Critical")); },
     [](M, M) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "Crit.")); },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "The deviation a strength or weakness needs")); },
     true, false, profile::Item::DeviationCritical,
     [](const R &r, const S &, Writing w) { return figure(r.deviationCritical, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "S/W")); },
     [](M, M) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "S/W")); },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "S: a strength, W: a weakness")); }, false,
     true, profile::Item::StrengthWeakness, [](const R &r, const S &, Writing) { return Words::mark(r.mark); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Base rate %")); },
     [](M, M) { return pageWords(QT_TRANSLATE_NOOP("battery::BatteryPage", "BR %")); },
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Percent of people with a deviation this large in the same direction")); },
     true, false, profile::Item::DeviationBaseRate,
     [](const R &r, const S &, Writing w) { return figure(r.deviationBaseRate, w); }},
    // The page keeps to the same direction: its table has no room for both.
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Either way %")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Percent of people with a deviation this large in either direction")); },
     true, false, profile::Item::DeviationBaseRateEither,
     [](const R &r, const S &, Writing w) { return figure(r.deviationBaseRateEither, w); }},
    {[](M metric, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Retest %1")).arg(metric); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "The retest on the common metric")); }, true,
     false, profile::Item::Retest, [](const R &r, const S &, Writing w) { return figure(r.retest, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "RCI")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Reliable change index")); }, true, false,
     profile::Item::Rci, [](const R &r, const S &, Writing w) { return figure(r.rci, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Change")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Change")); }, false, false,
     profile::Item::Change, [](const R &r, const S &, Writing) { return Words::change(r.change); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Predicted")); }, nullptr,
     [](M, M) {
         return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "The retest predicted from the retest study, on the score's scale"));
     },
     true, false, profile::Item::PredictedRetest,
     [](const R &r, const S &, Writing w) { return figure(r.regression.predicted, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "SRB z")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Standardized regression-based change")); },
     true, false, profile::Item::SrbZ, [](const R &r, const S &, Writing w) { return figure(r.regression.z, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "CG t")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Crawford and Garthwaite's t of the change")); },
     true, false, profile::Item::ChangeT, [](const R &r, const S &, Writing w) { return figure(r.regression.t, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Change p")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "One-tailed p of the change")); }, true,
     false, profile::Item::ChangeP, [](const R &r, const S &, Writing w) { return figure(r.regression.p, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Change %")); }, nullptr,
     [](M, M) {
         return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Estimated percent of people with a larger change in this direction"));
     },
     true, false, profile::Item::ChangePercent, [](const R &r, const S &, Writing w) { return figure(r.regression.percent, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "95% low")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Lower bound of the percent's 95% interval")); },
     true, false, profile::Item::ChangePercentLow,
     [](const R &r, const S &, Writing w) { return figure(r.regression.percentLow, w); }},
    {[](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "95% high")); }, nullptr,
     [](M, M) { return screenWords(QT_TRANSLATE_NOOP("battery::ScoresModel", "Upper bound of the percent's 95% interval")); },
     true, false, profile::Item::ChangePercentHigh,
     [](const R &r, const S &, Writing w) { return figure(r.regression.percentHigh, w); }},
};

} // namespace battery
