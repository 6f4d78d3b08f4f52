// The explanations behind each figure, worked with the interpretation's own
// functions so that an explanation never disagrees with the figure.
#include "interpretation/explain.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace interpretation {

namespace {

using conversion::Display;
using conversion::Scale;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

Term term(Quantity quantity, double value, int score = -1)
{
    return {quantity, score, -1, value};
}

const Scale &positionRow(int position)
{
    return conversion::kScales[position >= 0 && position < conversion::kScaleCount ? position : 0];
}

// How z came from the score given.
Explanation zFromGiven(const Given &given, double z)
{
    Explanation e;
    if (given.position == conversion::Percentile) {
        e.formula = Formula::ZFromPercentileApproximate;
        e.source = Source::AbramowitzStegun1964;
        e.inputs = {term(Quantity::Percentile, given.value, given.position)};
    } else {
        const Scale &row = positionRow(given.position);
        const bool raw = given.position == conversion::Raw;
        e.formula = Formula::ZFromScore;
        e.inputs = {term(Quantity::Score, given.value, given.position),
                    term(Quantity::ScaleMean, raw ? given.rawMean : row.mean, given.position),
                    term(Quantity::ScaleSd, raw ? given.rawSd : row.sd, given.position)};
    }
    e.result = term(Quantity::Z, z);
    return e;
}

bool isGivenScale(ScaleId scale, const Given &given)
{
    return given.position != conversion::Raw && scaleRow(scale).position == given.position;
}

Explanation onScale(ScaleId scale, double z, const ShownScore &shown)
{
    const Scale &row = scaleRow(scale);
    Explanation e;
    e.shown = shown.text;
    if (row.display == Display::PercentileRank) {
        e.formula = Formula::PercentileRank;
        e.inputs = {term(Quantity::Z, z)};
        e.result = term(Quantity::PercentileRank, percentileRank(z), int(scale));
        return e;
    }
    e.formula = row.display == Display::Band ? Formula::BandOnMetric : Formula::ScoreOnMetric;
    e.inputs = {term(Quantity::Z, z), term(Quantity::MetricMean, row.mean, int(scale)),
                term(Quantity::MetricSd, row.sd, int(scale))};
    e.result = term(Quantity::MetricScore, z * row.sd + row.mean, int(scale));
    return e;
}

// One bound of the interval, in z units with the scale's mean and sd to
// put it on the scale, as a profile's intervals are explained.
Explanation bound(ScaleId scale, double z, const IntervalSettings &settings, const Interval &interval,
                  bool low, const ShownScore &shown)
{
    const Scale &row = scaleRow(scale);
    const bool trueScore = settings.method == Method::TrueScore;
    const double r = settings.reliability;
    Explanation e;
    e.formula = trueScore ? Formula::IntervalTrueScore : Formula::IntervalObtained;
    e.source = trueScore ? Source::Dudek1979 : Source::Gulliksen1950;
    e.inputs = {term(Quantity::Z, z), term(Quantity::Reliability, r), term(Quantity::Confidence, settings.confidence),
                term(Quantity::MetricMean, row.mean, int(scale)), term(Quantity::MetricSd, row.sd, int(scale))};
    e.steps.push_back(term(Quantity::CriticalZ, criticalZ(settings.confidence)));
    if (trueScore)
        e.steps.push_back(term(Quantity::TrueScore, interval.centre));
    e.steps.push_back(term(Quantity::StandardError, trueScore ? std::sqrt(r * (1 - r)) : std::sqrt(1 - r)));
    e.steps.push_back(term(Quantity::HalfWidth, interval.half));
    const double at = low ? interval.low : interval.high;
    e.steps.push_back(term(low ? Quantity::Low : Quantity::High, at));
    e.result = term(low ? Quantity::Low : Quantity::High, at * row.sd + row.mean, int(scale));
    e.shown = shown.text;
    return e;
}

} // namespace

Explanations explainScale(ScaleId scale, const Given &given, const conversion::Outcome &outcome,
                          const Interpretation &reading, const IntervalSettings *settings)
{
    Explanations out;
    const int at = int(scale);
    const double z = reading.z;
    if (isGivenScale(scale, given)) {
        Explanation e;
        e.formula = Formula::GivenScore;
        e.inputs = {term(Quantity::Score, given.value, given.position)};
        e.result = term(Quantity::Score, given.value, at);
        e.shown = reading.score[at].text;
        out.push_back(e);
    } else {
        out.push_back(zFromGiven(given, z));
        if (scale == ScaleId::Z)
            out.back().shown = reading.score[at].text;
        else
            out.push_back(onScale(scale, z, reading.score[at]));
    }
    if (scale == ScaleId::PercentileRank && given.position != conversion::Percentile && !outcome.refused) {
        Explanation e;
        e.formula = Formula::ApproximatePercentile;
        e.source = Source::AbramowitzStegun1964;
        e.inputs = {term(Quantity::Z, z)};
        e.result = term(Quantity::ApproximatePercentile, conversion::PercentileFromZ(z), conversion::Percentile);
        e.shown = outcome.results[conversion::Percentile];
        out.push_back(e);
    }
    if (!settings || !reading.hasInterval)
        return out;
    // Percentile ranks are not linear: their bounds are worked on z.
    const bool ranks = scaleRow(scale).display == Display::PercentileRank;
    const ScaleId worked = ranks ? ScaleId::Z : scale;
    for (const bool low : {true, false}) {
        const ShownScore &shown = low ? reading.lower[int(worked)] : reading.upper[int(worked)];
        out.push_back(bound(worked, z, *settings, reading.interval, low, shown));
    }
    if (ranks)
        for (const bool low : {true, false}) {
            const double boundZ = low ? reading.interval.low : reading.interval.high;
            out.push_back(onScale(scale, boundZ, low ? reading.lower[at] : reading.upper[at]));
        }
    return out;
}

Explanations explainDescriptor(const Given &given, const conversion::Outcome &outcome,
                               const DescriptorSystem &system)
{
    const double z = outcome.z;
    Explanations out{zFromGiven(given, z)};
    Explanation e;
    e.formula = Formula::Descriptor;
    e.source = systemSource(system);
    e.inputs = {term(Quantity::Z, z)};
    const double s = standardScore(z);
    // The band holding s: the last whose from is at or below it, else the lowest.
    std::size_t band = 0;
    for (std::size_t i = 0; i < system.bands.size(); ++i)
        if (system.bands[i].from <= s)
            band = i;
    const bool any = !system.bands.empty();
    const double from = band == 0 ? -kInfinity : system.bands[band].from;
    const double to = any && band + 1 < system.bands.size() ? system.bands[band + 1].from - 1 : kInfinity;
    e.steps = {term(Quantity::StandardScore, s), term(Quantity::BandTo, any ? to : std::nan(""))};
    e.result = term(Quantity::BandFrom, any ? from : std::nan(""));
    e.shown = describe(z, system);
    out.push_back(e);
    return out;
}

Source systemSource(const DescriptorSystem &system)
{
    if (system.key == "aacn")
        return Source::Guilmette2020;
    if (system.key == "wechsler")
        return Source::Wechsler2014;
    if (system.key == "wechsler-classic")
        return Source::Wechsler2008;
    if (system.key == "woodcock-johnson")
        return Source::Schrank2014;
    return Source::None;
}

std::vector<Source> sourcesOf(const Explanations &explanations)
{
    std::vector<Source> sources;
    auto add = [&sources](Source source) {
        if (source != Source::None && std::find(sources.begin(), sources.end(), source) == sources.end())
            sources.push_back(source);
    };
    for (const Explanation &e : explanations) {
        if (e.formula == Formula::IntervalTrueScore)
            add(Source::Kelley1927);
        add(e.source);
        if (e.formula == Formula::IntervalTrueScore || e.formula == Formula::IntervalObtained)
            add(Source::Wichura1988);
    }
    return sources;
}

double bandStartZ(const DescriptorBand &band)
{
    const Scale &wechsler = scaleRow(ScaleId::Wechsler);
    return (band.from - 0.5 - wechsler.mean) / wechsler.sd;
}

} // namespace interpretation
