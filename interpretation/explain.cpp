// The steps behind each figure, worked with the interpretation's own
// functions so that an explanation never disagrees with the figure.
#include "interpretation/explain.h"

#include <cmath>
#include <limits>

namespace interpretation {

namespace {

using conversion::Display;
using conversion::Scale;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

const Scale &positionRow(int position)
{
    return conversion::kScales[position >= 0 && position < conversion::kScaleCount ? position : 0];
}

const Scale &wechslerRow()
{
    return scaleRow(ScaleId::Wechsler);
}

// How z came from the score given.
Step zStep(const Given &given, double z)
{
    if (given.position == conversion::Percentile)
        return {Formula::ZFromPercentile, Source::AbramowitzStegun1964, &positionRow(given.position),
                {{Symbol::Percentile, given.value}}, z};
    const Scale &row = positionRow(given.position);
    const bool raw = given.position == conversion::Raw;
    return {Formula::ZFromScore, Source::None, &row,
            {{Symbol::Score, given.value},
             {Symbol::Mean, raw ? given.rawMean : row.mean},
             {Symbol::Sd, raw ? given.rawSd : row.sd}},
            z};
}

bool isGivenScale(ScaleId scale, const Given &given)
{
    return given.position != conversion::Raw && scaleRow(scale).position == given.position;
}

Step scoreStep(ScaleId scale, double z, const ShownScore &shown)
{
    const Scale &row = scaleRow(scale);
    switch (row.display) {
    case Display::PercentileRank:
        return {Formula::PercentileRank, Source::None, &row, {{Symbol::Z, z}}, percentileRank(z),
                shown.text};
    case Display::Band:
        return {Formula::BandScore, Source::None, &row,
                {{Symbol::Mean, row.mean}, {Symbol::Sd, row.sd}, {Symbol::Z, z}},
                z * row.sd + row.mean, shown.text};
    default:
        return {Formula::LinearScore, Source::None, &row,
                {{Symbol::Mean, row.mean}, {Symbol::Sd, row.sd}, {Symbol::Z, z}},
                z * row.sd + row.mean, shown.text, shown.marked};
    }
}

// The interval worked on one linear scale (the z scale for the percentile
// rank, whose bounds are then turned into ranks).
void intervalSteps(const Scale &row, double z, const IntervalSettings &settings,
                   const Interval &interval, const ShownScore &low, const ShownScore &high,
                   Explanation &out)
{
    const double r = settings.reliability;
    const double score = z * row.sd + row.mean;
    const bool trueScore = settings.method == Method::TrueScore;
    const double centre = interval.centre * row.sd + row.mean;
    if (trueScore)
        out.steps.push_back({Formula::EstimatedTrueScore, Source::Kelley1927, &row,
                             {{Symbol::Mean, row.mean}, {Symbol::Reliability, r}, {Symbol::Score, score}},
                             centre});
    const double critical = criticalZ(settings.confidence);
    const double error = interval.half / critical * row.sd;
    out.steps.push_back({trueScore ? Formula::StandardErrorOfEstimation : Formula::StandardErrorOfMeasurement,
                         trueScore ? Source::Dudek1979 : Source::Gulliksen1950, &row,
                         {{Symbol::Sd, row.sd}, {Symbol::Reliability, r}}, error});
    out.steps.push_back({Formula::CriticalValue, Source::Wichura1988, nullptr,
                         {{Symbol::Confidence, settings.confidence}}, critical});
    const std::vector<Term> bound{{Symbol::Centre, centre}, {Symbol::Critical, critical},
                                  {Symbol::StandardError, error}};
    out.steps.push_back({Formula::LowerBound, Source::None, &row, bound,
                         interval.low * row.sd + row.mean, low.text, low.marked});
    out.steps.push_back({Formula::UpperBound, Source::None, &row, bound,
                         interval.high * row.sd + row.mean, high.text, high.marked});
}

} // namespace

Explanation explainScale(ScaleId scale, const Given &given, const conversion::Outcome &outcome,
                         const Interpretation &reading, const IntervalSettings *settings)
{
    Explanation out;
    const int at = int(scale);
    const double z = reading.z;
    if (isGivenScale(scale, given)) {
        out.steps.push_back({Formula::GivenScore, Source::None, &scaleRow(scale),
                             {{Symbol::Score, given.value}}, given.value, reading.score[at].text,
                             reading.score[at].marked});
    } else {
        out.steps.push_back(zStep(given, z));
        if (scale != ScaleId::Z)
            out.steps.push_back(scoreStep(scale, z, reading.score[at]));
        else
            out.steps.back().shown = reading.score[at].text;
    }
    if (scale == ScaleId::PercentileRank && given.position != conversion::Percentile && !outcome.refused)
        out.steps.push_back({Formula::ConverterPercentile, Source::AbramowitzStegun1964,
                             &positionRow(conversion::Percentile), {{Symbol::Z, z}},
                             conversion::PercentileFromZ(z), outcome.results[conversion::Percentile],
                             outcome.marked[conversion::Percentile]});
    if (!settings || !reading.hasInterval)
        return out;

    const Scale &row = scaleRow(scale);
    if (row.display != Display::PercentileRank) {
        intervalSteps(row, z, *settings, reading.interval, reading.lower[at], reading.upper[at], out);
        return out;
    }
    const int zAt = int(ScaleId::Z);
    intervalSteps(scaleRow(ScaleId::Z), z, *settings, reading.interval, reading.lower[zAt],
                  reading.upper[zAt], out);
    for (const double bound : {reading.interval.low, reading.interval.high})
        out.steps.push_back({Formula::PercentileRank, Source::None, &row, {{Symbol::Z, bound}},
                             percentileRank(bound), percentileRankText(bound)});
    return out;
}

Explanation explainDescriptor(const Given &given, const conversion::Outcome &outcome,
                              const DescriptorSystem &system)
{
    Explanation out;
    const double z = outcome.z;
    out.steps.push_back(zStep(given, z));
    const double s = standardScore(z);
    out.steps.push_back({Formula::StandardScore, Source::None, &wechslerRow(), {{Symbol::Z, z}}, s,
                         std::isnan(s) ? std::string() : std::to_string(static_cast<long long>(s))});
    // The band holding s: the last whose from is at or below it, else the lowest.
    std::size_t band = 0;
    for (std::size_t i = 0; i < system.bands.size(); ++i)
        if (system.bands[i].from <= s)
            band = i;
    Step step{Formula::Descriptor, systemSource(system), nullptr, {{Symbol::StandardScore, s}}, s};
    if (!system.bands.empty()) {
        const double from = band == 0 ? -kInfinity : system.bands[band].from;
        const double to = band + 1 < system.bands.size() ? system.bands[band + 1].from - 1 : kInfinity;
        step.inputs.push_back({Symbol::BandFrom, from});
        step.inputs.push_back({Symbol::BandTo, to});
    }
    step.shown = describe(z, system);
    step.system = system.name;
    out.steps.push_back(step);
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
    return Source::UserFile;
}

double bandStartZ(const DescriptorBand &band)
{
    return (band.from - 0.5 - wechslerRow().mean) / wechslerRow().sd;
}

} // namespace interpretation
