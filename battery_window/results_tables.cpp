#include "battery_window/results_tables.h"

#include "battery_window/numbers.h"
#include "battery_window/words.h"

#include <QCoreApplication>

namespace battery {

namespace {

struct Captions {
    Q_DECLARE_TR_FUNCTIONS(battery::ResultsTables)
};

FigureCell plain(const QString &text)
{
    return {text, {}, std::nullopt, -1};
}

FigureCell figure(const profile::Figure &figure, profile::Item item, int index)
{
    return {numbers::screen(figure.text), Words::missing(figure.missing), item, index};
}

QString nameOf(const SheetResults &results, int entry)
{
    return QString::fromStdString(results.nameOf(entry));
}

} // namespace

TableText pairTable(const SheetResults &results, bool significantOnly)
{
    using profile::Item;
    TableText table;
    const QString correction = correctionName(results.analysis.settings.pairsCorrection);
    table.captions = {Captions::tr("Score 1"), Captions::tr("Score 2"), Captions::tr("Difference"), Captions::tr("SE"), Captions::tr("Critical"),
                      Captions::tr("Significant"), Captions::tr("Base rate %"), Captions::tr("Either way %"),
                      Captions::tr("p"), Captions::tr("p adj.")};
    table.tips = {QString(), QString(), Captions::tr("Score 1 minus score 2, on the common metric"),
                  Captions::tr("Standard error of the difference"), Captions::tr("The difference significance needs"),
                  Captions::tr("Whether the difference is larger than measurement error; pairs tested with %1").arg(correction),
                  Captions::tr("Percent of people with a difference at least this large in this direction"),
                  Captions::tr("Percent of people with a difference at least this large in either direction"),
                  Captions::tr("Two-tailed p of the difference, rounded up"),
                  Captions::tr("p adjusted for all the pairs tested: %1").arg(correction)};
    table.rightAligned = {false, false, true, true, true, false, true, true, true, true};
    const std::vector<profile::PairResult> &pairs = results.analysis.pairs;
    for (int i = 0; i < int(pairs.size()); ++i) {
        const profile::PairResult &pair = pairs[std::size_t(i)];
        if (significantOnly && pair.significant != profile::Significance::Yes)
            continue;
        FigureCell significant{Words::significance(pair.significant), Words::missing(pair.critical.missing),
                               Item::PairSignificance, i};
        table.rows.push_back({plain(nameOf(results, pair.first)), plain(nameOf(results, pair.second)),
                              figure(pair.difference, Item::PairDifference, i), figure(pair.se, Item::PairSe, i),
                              figure(pair.critical, Item::PairCritical, i), significant,
                              figure(pair.baseRate, Item::PairBaseRate, i),
                              figure(pair.baseRateEither, Item::PairBaseRateEither, i),
                              figure(pair.p, Item::PairP, i), figure(pair.pAdjusted, Item::PairPAdjusted, i)});
    }
    return table;
}

TableText compositeTable(const SheetResults &results, const QString &metric, double confidence)
{
    using profile::Item;
    TableText table;
    const QString level = numbers::plain(confidence);
    table.captions = {Captions::tr("Group"), Captions::tr("Members"), metric, Captions::tr("PR"), Captions::tr("Descriptor"), Captions::tr("Reliability"),
                      Captions::tr("%1% low").arg(level),
                      Captions::tr("%1% high").arg(level)};
    table.tips = {QString(), QString(), Captions::tr("The composite on the common metric"),
                  Captions::tr("Percentile rank on the normal curve"), QString(), Captions::tr("Reliability of the composite"),
                  Captions::tr("Lower bound of the confidence interval"), Captions::tr("Upper bound of the confidence interval")};
    table.rightAligned = {false, false, true, true, false, true, true, true};
    const std::vector<profile::CompositeResult> &composites = results.analysis.composites;
    for (int i = 0; i < int(composites.size()); ++i) {
        const profile::CompositeResult &composite = composites[std::size_t(i)];
        QStringList members;
        for (int member : composite.members)
            members << nameOf(results, member);
        const QString why = Words::missing(composite.missing);
        // Not a row of blanks: what keeps it from being worked out.
        const bool noCorrelations = composite.missing == profile::Missing::NoCorrelation;
        FigureCell descriptor{noCorrelations ? Captions::tr("not computed: correlations unknown")
                                             : results.label(composite.descriptor),
                              why,
                              composite.missing == profile::Missing::None
                                  ? std::optional<Item>(Item::CompositeDescriptor) : std::nullopt, i};
        FigureCell memberCell = plain(members.join(QStringLiteral(" + ")));
        memberCell.tip = memberCell.text;
        table.rows.push_back({plain(QString::fromStdString(composite.group)), memberCell,
                              figure(composite.metric, Item::CompositeMetric, i),
                              figure(composite.percentileRank, Item::CompositePercentileRank, i), descriptor,
                              figure(composite.reliability, Item::CompositeReliability, i),
                              figure(composite.ciLow, Item::CompositeCiLow, i),
                              figure(composite.ciHigh, Item::CompositeCiHigh, i)});
        if (!why.isEmpty())
            for (FigureCell &cell : table.rows.back())
                if (cell.tip.isEmpty())
                    cell.tip = why;
    }
    return table;
}

TableText caseTable(const SheetResults &results)
{
    using profile::Item;
    TableText table;
    table.captions = {Captions::tr("Score"), Captions::tr("t"), Captions::tr("df"), Captions::tr("p"),
                      Captions::tr("z_CC"), Captions::tr("95% low"), Captions::tr("95% high"),
                      Captions::tr("Controls"), Captions::tr("%"), Captions::tr("95% low"), Captions::tr("95% high")};
    table.tips = {QString(), Captions::tr("The score against the controls' mean, as a t (Crawford and Howell)"),
                  Captions::tr("Degrees of freedom: controls less one"),
                  Captions::tr("One-tailed p, in the direction of the score"),
                  Captions::tr("The score's z against the controls"),
                  Captions::tr("Lower bound of the z's 95% interval"), Captions::tr("Upper bound of the z's 95% interval"),
                  Captions::tr("Whether the percent counts the controls below the score or above it"),
                  Captions::tr("Estimated percent of the control population beyond the score"),
                  Captions::tr("Lower bound of the percent's 95% interval"),
                  Captions::tr("Upper bound of the percent's 95% interval")};
    table.rightAligned = {false, true, true, true, true, true, true, false, true, true, true};
    const std::vector<profile::ScoreEntry> &entries = results.sheetProfile.profile.entries;
    for (int i = 0; i < int(entries.size()) && i < int(results.analysis.scores.size()); ++i) {
        const profile::ScoreResult &s = results.analysis.scores[std::size_t(i)];
        if (!entries[std::size_t(i)].controls.any() || s.problem)
            continue;
        const profile::CaseFigures &c = s.controls;
        table.rows.push_back({plain(nameOf(results, i)), figure(c.t, Item::CaseT, i), figure(c.df, Item::CaseT, i),
                              figure(c.p, Item::CaseP, i), figure(c.zcc, Item::CaseZcc, i),
                              figure(c.zccLow, Item::CaseZccLow, i), figure(c.zccHigh, Item::CaseZccHigh, i),
                              plain(c.above ? Captions::tr("above") : Captions::tr("below")),
                              figure(c.percent, Item::CasePercent, i), figure(c.percentLow, Item::CasePercentLow, i),
                              figure(c.percentHigh, Item::CasePercentHigh, i)});
    }
    return table;
}

QString correctionName(profile::PairsCorrection correction)
{
    switch (correction) {
    case profile::PairsCorrection::Bonferroni:
        return Captions::tr("Bonferroni's correction");
    case profile::PairsCorrection::Holm:
        return Captions::tr("Holm's correction");
    case profile::PairsCorrection::None:
        break;
    }
    return Captions::tr("no correction");
}

TableText unusualTable(const SheetResults &results)
{
    TableText table;
    table.captions = {Captions::tr("Set"), Captions::tr("Scores"), Captions::tr("Low"), Captions::tr("As many low %"),
                      Captions::tr("D\u00b2"), Captions::tr("df"), Captions::tr("As unusual %")};
    table.tips = {QString(), Captions::tr("Scores in the comparison set"),
                  Captions::tr("Scores below the cut-off percentile"),
                  Captions::tr("Percent of healthy people with as many low scores or more among these tests"),
                  Captions::tr("Mahalanobis distance squared: how unusual the pattern and level are together"),
                  Captions::tr("Degrees of freedom of the distance"),
                  Captions::tr("Percent of healthy people with a profile at least as unusual")};
    table.rightAligned = {false, true, true, true, true, true, true};
    // A distribution still being worked out shows that it is on its way.
    const auto cell = [](const profile::Figure &figure, int set) {
        const QString text = figure.missing == profile::Missing::Working ? QStringLiteral("\u2026")
                                                                         : numbers::screen(figure.text);
        return FigureCell{text, Words::missing(figure.missing), std::nullopt, set};
    };
    for (int s = 0; s < int(results.unusual.size()); ++s) {
        const profile::UnusualSet &u = results.unusual[std::size_t(s)];
        const QString name = u.name.empty() ? Captions::tr("(no set)") : QString::fromStdString(u.name);
        table.rows.push_back({plain(name), plain(numbers::plain(u.k())),
                              cell(u.lowCount, s), cell(u.lowBaseRate, s), cell(u.mahalanobis, s),
                              plain(u.mahalanobis.known() ? numbers::plain(u.df) : QString()),
                              cell(u.mahalanobisRate, s)});
    }
    return table;
}

std::optional<profile::UnusualItem> unusualItemOfColumn(int column)
{
    using profile::UnusualItem;
    switch (column) {
    case 2: return UnusualItem::LowCount;
    case 3: return UnusualItem::LowBaseRate;
    case 4: return UnusualItem::Mahalanobis;
    case 6: return UnusualItem::MahalanobisRate;
    default: return std::nullopt;
    }
}

void fill(FigureTable &table, TableText text)
{
    table.setHeader(text.captions, text.tips, std::move(text.rightAligned));
    table.setRows(std::move(text.rows));
}

} // namespace battery
