#include "battery_window/chart_data.h"

#include "battery_window/battery_settings.h"
#include "battery_window/numbers.h"
#include "battery_window/words.h"
#include "interpretation/interpretation.h"
#include "report_window/core_words.h"
#include "text/text_routines.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace battery {

namespace {

struct ChartWords {
    Q_DECLARE_TR_FUNCTIONS(battery::ChartData)
};

// The chart's columns: the scores used, in table order, except that a
// group's scores stand together where its first one stands, so that every
// group is joined and labelled as one.
std::vector<std::size_t> chartOrder(const SheetResults &results)
{
    const profile::Analysis &analysis = results.analysis;
    const std::vector<profile::ScoreEntry> &entries = results.sheetProfile.profile.entries;
    std::vector<std::size_t> order;
    std::vector<std::size_t> place; // where each column's group first stands
    for (std::size_t i = 0; i < entries.size() && i < analysis.scores.size(); ++i) {
        if (analysis.scores[i].problem)
            continue; // left out of the figures, and so of the chart
        std::size_t first = order.size();
        if (!entries[i].group.empty())
            for (std::size_t at = 0; at < order.size(); ++at)
                if (entries[order[at]].group == entries[i].group) {
                    first = place[at];
                    break;
                }
        order.push_back(i);
        place.push_back(first);
    }
    std::vector<std::size_t> columns(order.size());
    for (std::size_t at = 0; at < columns.size(); ++at)
        columns[at] = at;
    std::stable_sort(columns.begin(), columns.end(), [&](std::size_t a, std::size_t b) { return place[a] < place[b]; });
    for (std::size_t &column : columns)
        column = order[column];
    return columns;
}

} // namespace

ChartData chartData(const SheetResults &results, const profile::Settings &settings)
{
    ChartData data;
    const conversion::Scale &metric = interpretation::scaleRow(profile::metricScale(settings.metric));
    data.metricName = metricName(settings.metric);
    data.mean = metric.mean;
    data.sd = metric.sd;
    data.lowest = metric.lowest;
    data.highest = metric.highest;
    data.signedTicks = metric.mask.substr(0, 1) == "+";
    data.confidence = settings.confidence;
    // A band holds every z whose standard score, rounded, reaches its from.
    const conversion::Scale &standard = interpretation::scaleRow(interpretation::ScaleId::Wechsler);
    for (const interpretation::DescriptorBand &band : settings.descriptors.bands)
        data.bands.push_back({(band.from - 0.5 - standard.mean) / standard.sd,
                              report::descriptorLabel(settings.descriptors, band.label)});

    const profile::Analysis &analysis = results.analysis;
    const std::vector<profile::ScoreEntry> &entries = results.sheetProfile.profile.entries;
    for (const std::size_t i : chartOrder(results)) {
        const profile::ScoreResult &score = analysis.scores[i];
        ChartScore column;
        column.name = QString::fromStdString(entries[i].name);
        column.group = QString::fromStdString(entries[i].group);
        column.z = score.z;
        if (score.ciLow.known() && score.ciHigh.known()) {
            column.low = score.zLow;
            column.high = score.zHigh;
        }
        column.retestZ = score.retestZ;
        column.mark = score.mark;
        if (analysis.sets.size() > 1 && score.set >= 0) {
            const profile::Analysis::ComparisonSet &set = analysis.sets[std::size_t(score.set)];
            column.setMeanZ = set.meanZ;
            column.set = QString::fromStdString(set.name);
        }
        data.scores.push_back(column);
    }
    if (analysis.sets.size() == 1 && analysis.deviationCount >= 3 && !std::isnan(analysis.deviationMeanZ)) {
        data.meanZ = analysis.deviationMeanZ;
        data.meanText = numbers::screen(text::Format(metric.mean + analysis.deviationMeanZ * metric.sd, metric.mask));
    }
    return data;
}

QString chartDescription(const SheetResults &results, const profile::Settings &settings)
{
    QStringList parts;
    parts << ChartWords::tr("The profile chart: each score on the %1 scale, in the order of the scores table, "
                            "the scores of a group together.")
                 .arg(metricName(settings.metric));
    const profile::Analysis &analysis = results.analysis;
    const std::vector<profile::ScoreEntry> &entries = results.sheetProfile.profile.entries;
    for (const std::size_t i : chartOrder(results)) {
        const profile::ScoreResult &score = analysis.scores[i];
        QString part = QStringLiteral("%1 %2").arg(QString::fromStdString(entries[i].name),
                                                   numbers::screen(score.metric.text));
        if (score.ciLow.known())
            part += ChartWords::tr(", interval %1 to %2").arg(numbers::screen(score.ciLow.text),
                                                              numbers::screen(score.ciHigh.text));
        if (score.retest.known())
            part += ChartWords::tr(", retest %1").arg(numbers::screen(score.retest.text));
        if (score.mark == profile::Mark::Strength)
            part += ChartWords::tr(", a strength");
        else if (score.mark == profile::Mark::Weakness)
            part += ChartWords::tr(", a weakness");
        parts << part + QLatin1Char('.');
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace battery
