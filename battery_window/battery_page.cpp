#include "battery_window/battery_page.h"

#include "battery_window/battery_settings.h"
#include "battery_window/chart_data.h"
#include "battery_window/explanation_text.h"
#include "battery_window/numbers.h"
#include "battery_window/results_tables.h"
#include "battery_window/score_columns.h"
#include "battery_window/words.h"
#include "framework/printed_document.h"
#include "report_window/core_words.h"
#include "report_window/explanation_words.h"
#include "report_window/report_document.h"
#include "interpretation/interpretation.h"
#include "text/ascii.h"
#include "text/text_routines.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <map>

namespace battery {

namespace {

struct PageWords {
    Q_DECLARE_TR_FUNCTIONS(battery::BatteryPage)
};

constexpr double kTitlePoints = 14;
constexpr double kSectionPoints = 11.5;
constexpr double kTextPoints = 9;
constexpr double kTablePoints = 8;
constexpr double kPairPoints = 7.5;
constexpr double kNotePoints = 8;
constexpr double kReferencePoints = 6.5;
constexpr double kChartPoints = 7.5;
constexpr double kChartAspect = 0.36;
constexpr double kSpace = 8;

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

QString page(const profile::Figure &figure)
{
    return numbers::page(figure.text);
}

void heading(fw::PrintedDocument &document, const QString &text, bool title = false)
{
    auto block = std::make_unique<fw::TextBlock>(QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped()),
                                                 title ? kTitlePoints : kSectionPoints);
    block->spaceBefore = title ? 0 : kSpace;
    block->keepWithNext = true;
    block->headingLevel = title ? 1 : 2;
    document.add(std::move(block));
}

void paragraph(fw::PrintedDocument &document, const QString &html, double points = kTextPoints)
{
    auto block = std::make_unique<fw::TextBlock>(html, points);
    block->spaceBefore = points * 0.5;
    document.add(std::move(block));
}

// The formulas of the Method section, by what they work out.
int topicOf(interpretation::Formula formula)
{
    using F = interpretation::Formula;
    switch (formula) {
    case F::PairDifference: case F::PairStandardError: case F::PairCritical: case F::PairSignificance:
    case F::PairBaseRate:
        return 2;
    case F::Deviation: case F::DeviationStandardError: case F::DeviationCritical: case F::StrengthWeakness:
    case F::DeviationBaseRate:
        return 1;
    case F::ReliableChange: case F::ReliableChangePractice: case F::ChangeDecision:
    case F::PredictedRetest: case F::SrbChange: case F::RegressionT: case F::RegressionPercentInterval:
    case F::SrbDecision: case F::RegressionTDecision: case F::OneTailedP: case F::AbnormalityPercent:
        return 4;
    case F::CaseT: case F::CaseZcc: case F::CaseZccInterval: case F::CasePercentInterval:
        return 5;
    case F::CompositeScore: case F::CompositeReliability:
        return 3;
    case F::PairP: case F::PairPBonferroni: case F::PairPHolm: case F::PairSignificanceAdjusted:
    case F::PairBaseRateEither:
        return 2;
    case F::DeviationBaseRateEither:
        return 1;
    case F::LowScoreCount: case F::LowScoreBinomial: case F::LowScoreMonteCarlo: case F::Mahalanobis:
    case F::MahalanobisRate:
        return 6;
    default:
        return 0;
    }
}

QString topicName(int topic)
{
    switch (topic) {
    case 1: return PageWords::tr("Strengths and weaknesses");
    case 2: return PageWords::tr("Differences");
    case 3: return PageWords::tr("Composites");
    case 4: return PageWords::tr("Change");
    case 5: return PageWords::tr("Case against controls");
    case 6: return PageWords::tr("How unusual the profile is");
    default: return PageWords::tr("Scores");
    }
}

// The chart's names in words where the chart numbers its columns, names
// too long to stand under them whole; nothing at a width where they fit.
class ChartKey : public fw::PageBlock {
public:
    ChartKey(ProfileChart chart, const QString &html)
        : m_chart(std::move(chart)), m_text(html, kNotePoints)
    {
    }
    double height(double width) const override { return numbered(width) ? m_text.height(width) : 0; }
    void paint(QPainter &painter, const QRectF &area) const override
    {
        if (numbered(area.width()))
            m_text.paint(painter, area);
    }
    void write(QTextCursor &cursor, double width) const override
    {
        if (numbered(width))
            m_text.write(cursor, width);
    }

private:
    bool numbered(double width) const
    {
        return m_chart.layout(QRectF(0, 0, width, width * kChartAspect), kChartPoints).numbered;
    }

    ProfileChart m_chart;
    fw::TextBlock m_text;
};

class Writer {
public:
    Writer(const BatteryReport &report, fw::PrintedDocument &document)
        : m_report(report), m_results(*report.results), m_document(document),
          m_metric(metricName(report.settings.metric))
    {
    }

    void write()
    {
        heading(m_document, PageWords::tr("Battery Report"), true);
        chart();
        scores();
        refused();
        unusual();
        composites();
        change();
        againstControls();
        differences();
        method();
    }

private:
    QString nameOf(int entry) const { return qs(m_results.nameOf(entry)); }
    static QString setName(const profile::Analysis::ComparisonSet &set)
    {
        return set.name.empty() ? PageWords::tr("no set") : qs(set.name);
    }
    QString level() const { return numbers::plain(m_report.settings.confidence); }

    void chart()
    {
        ProfileChart chart;
        chart.setData(chartData(m_results, m_report.settings));
        chart.setNumberNames(true);
        if (chart.data().scores.empty())
            return;
        QStringList names;
        for (const ChartScore &score : chart.data().scores)
            names << score.name;
        auto block = std::make_unique<fw::PictureBlock>(
            [chart](QPainter &painter, const QRectF &area) { chart.paint(painter, area, kChartPoints); }, kChartAspect,
            PageWords::tr("Profile chart of the scores on the %1 scale: %2.").arg(m_metric, names.join(QStringLiteral(", "))));
        block->spaceBefore = kSpace;
        m_document.add(std::move(block));
        QStringList key;
        for (std::size_t i = 0; i < chart.data().scores.size(); ++i)
            key << QStringLiteral("<b>%1</b>&nbsp;%2").arg(i + 1).arg(chart.data().scores[i].name.toHtmlEscaped());
        auto keyBlock = std::make_unique<ChartKey>(chart, key.join(QStringLiteral("; ")));
        keyBlock->spaceBefore = kSpace / 4;
        m_document.add(std::move(keyBlock));
    }

    // A column of the printed scores table: its head, whether it holds a
    // figure (never wrapped) and how it is aligned, and its cell. The
    // score's own columns, then the worked-out columns the window shows
    // too, read from the same records.
    struct PageColumn {
        QString head;
        bool figure;
        bool right;
        std::function<QString(const profile::ScoreResult &score, const SheetRow &row, int entry)> cell;
    };

    std::vector<PageColumn> scoreColumns() const
    {
        std::vector<PageColumn> columns{
            {PageWords::tr("Score"), false, false, [this](auto &, auto &, int entry) { return nameOf(entry); }},
            {PageWords::tr("As given"), true, true,
             [this](auto &, const SheetRow &row, int entry) {
                 const std::string_view scale =
                     conversion::kScales[m_results.sheetProfile.profile.entries[std::size_t(entry)].scale].column;
                 return PageWords::tr("%1 %2").arg(numbers::page(std::string(text::trimmed(row.cell(profile::Field::Score)))),
                                                   report::scaleKey(scale));
             }},
            {PageWords::tr("r"), true, true,
             [](auto &, const SheetRow &row, int) { return numbers::page(row.cell(profile::Field::Reliability)); }},
        };
        // Which set each deviation is taken in, once there is more than one.
        if (m_results.analysis.sets.size() > 1)
            columns.push_back({PageWords::tr("Set"), false, false, [this](const profile::ScoreResult &score, auto &, int) {
                                   return setName(m_results.analysis.sets[std::size_t(score.set)]);
                               }});
        for (const ScoreColumn &column : kScoreColumns) {
            if (!column.pageHead)
                continue;
            columns.push_back({column.pageHead(m_metric, level()), column.number || column.decision, column.number,
                               [this, &column](const profile::ScoreResult &score, auto &, int) {
                                   return column.pageCell ? column.pageCell(score)
                                                          : column.cell(score, m_results, Writing::Page);
                               }});
        }
        return columns;
    }

    void scores()
    {
        heading(m_document, PageWords::tr("Scores"));
        fw::PageTable table;
        table.points = kTablePoints;
        table.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("Scores"));
        table.headingPoints = kSectionPoints;
        const std::vector<PageColumn> columns = scoreColumns();
        for (const PageColumn &column : columns) {
            table.header << column.head;
            table.figures.push_back(column.figure);
            table.rightAligned.push_back(column.right);
        }
        const std::vector<profile::ScoreEntry> &entries = m_results.sheetProfile.profile.entries;
        QStringList strengths, weaknesses;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const profile::ScoreResult &score = m_results.analysis.scores[i];
            if (score.problem)
                continue;
            const SheetRow &row = m_report.sheet->rows[std::size_t(m_results.rowOfEntry(int(i)))];
            QStringList cells;
            for (const PageColumn &column : columns)
                cells << column.cell(score, row, int(i));
            table.rows.push_back(cells);
            if (score.mark == profile::Mark::Strength)
                strengths << nameOf(int(i));
            else if (score.mark == profile::Mark::Weakness)
                weaknesses << nameOf(int(i));
        }
        m_document.addTable(table, kSpace / 2);
        QStringList note;
        const profile::Analysis &analysis = m_results.analysis;
        const conversion::Scale &metric = interpretation::scaleRow(profile::metricScale(m_report.settings.metric));
        const bool anyMean = std::any_of(analysis.sets.begin(), analysis.sets.end(),
                                         [](const profile::Analysis::ComparisonSet &set) { return set.count() >= 3; });
        const QString alpha = numbers::proportion(m_report.settings.alpha, 2);
        if (anyMean) {
            const auto meanOf = [&](const profile::Analysis::ComparisonSet &set) {
                return numbers::fixed(metric.mean + set.meanZ * metric.sd, 1);
            };
            if (analysis.sets.size() > 1) {
                QStringList sets;
                for (const profile::Analysis::ComparisonSet &set : analysis.sets)
                    sets << (set.count() >= 3
                                 ? PageWords::tr("%1, %2 scores, mean %3")
                                       .arg(setName(set), QString::number(set.count()), meanOf(set))
                                 : PageWords::tr("%1, %2 scores, too few").arg(setName(set), QString::number(set.count())));
                note << PageWords::tr("Dev.: from the mean of the scores with a reliability in the score's set (%1); "
                                      "Crit.: what a strength (S) or weakness (W) needs at alpha %2; BR: percent of "
                                      "people deviating this far in the same direction.")
                            .arg(sets.join(QStringLiteral("; ")), alpha);
            } else if (!analysis.sets.front().name.empty()) {
                note << PageWords::tr("Dev.: from the mean of the %1 scores with a reliability in the set %2, %3; Crit.: "
                                      "what a strength (S) or weakness (W) needs at alpha %4; BR: percent of people "
                                      "deviating this far in the same direction.")
                            .arg(QString::number(analysis.deviationCount), setName(analysis.sets.front()),
                                 meanOf(analysis.sets.front()), alpha);
            } else {
                note << PageWords::tr("Dev.: from the mean of the %1 scores with a reliability, %2; Crit.: what a strength "
                                      "(S) or weakness (W) needs at alpha %3; BR: percent of people deviating this far in the same direction.")
                            .arg(analysis.deviationCount)
                            .arg(meanOf(analysis.sets.front()))
                            .arg(alpha);
            }
            note << (strengths.isEmpty() ? PageWords::tr("No strengths.")
                                         : PageWords::tr("Strengths: %1.").arg(strengths.join(QStringLiteral(", "))));
            note << (weaknesses.isEmpty() ? PageWords::tr("No weaknesses.")
                                          : PageWords::tr("Weaknesses: %1.").arg(weaknesses.join(QStringLiteral(", "))));
        } else if (analysis.sets.size() > 1) {
            note << PageWords::tr("Strengths and weaknesses need at least three scores with a reliability in a set.");
        } else {
            note << PageWords::tr("Strengths and weaknesses need at least three scores with a reliability.");
        }
        paragraph(m_document, note.join(QLatin1Char(' ')).toHtmlEscaped(), kNotePoints);
    }

    void refused()
    {
        QStringList lines;
        for (int entry : m_results.analysis.refused) {
            const int row = m_results.rowOfEntry(entry);
            const RowMarks &marks = m_results.marks[std::size_t(row)];
            QString why;
            for (const CellMark &mark : marks)
                if (mark.refused && why.isEmpty())
                    why = mark.reason;
            const QString name = nameOf(entry).isEmpty() ? PageWords::tr("Row %1").arg(row + 1) : nameOf(entry);
            lines << PageWords::tr("%1 is left out: %2").arg(name, why).toHtmlEscaped();
        }
        if (!lines.isEmpty())
            paragraph(m_document, lines.join(QStringLiteral("<br>")));
    }

    // Each set's low scores and distance, after the scores they are of. A
    // distribution the window is still working out is worked out here: a
    // page cannot wait.
    std::vector<profile::UnusualSet> unusualSets() const
    {
        std::vector<profile::UnusualSet> sets = m_results.unusual;
        for (profile::UnusualSet &set : sets)
            if (set.lowBaseRate.missing == profile::Missing::Working)
                profile::setLowBaseRate(set, sharedLowScores().get(set.matrix, set.k(), set.cutoff).get());
        return sets;
    }

    void unusual()
    {
        const std::vector<profile::UnusualSet> sets = unusualSets();
        if (sets.empty())
            return;
        heading(m_document, PageWords::tr("How unusual is this profile?"));
        fw::PageTable table;
        table.points = kTablePoints;
        table.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("How unusual is this profile?"));
        table.headingPoints = kSectionPoints;
        table.header = {PageWords::tr("Set"), PageWords::tr("Scores"), PageWords::tr("Low"),
                        PageWords::tr("As many low %"), PageWords::tr("D\u00b2"), PageWords::tr("df"),
                        PageWords::tr("As unusual %")};
        table.rightAligned = {false, true, true, true, true, true, true};
        for (const profile::UnusualSet &set : sets)
            table.rows.push_back({set.name.empty() ? PageWords::tr("no set") : qs(set.name), numbers::plain(set.k()),
                                  page(set.lowCount), page(set.lowBaseRate), page(set.mahalanobis),
                                  set.mahalanobis.known() ? numbers::plain(set.df) : QString(),
                                  page(set.mahalanobisRate)});
        m_document.addTable(table, kSpace / 2);
        paragraph(m_document,
                  PageWords::tr("Low: scores with a percentile rank below %1. As many low: the percent of healthy "
                                "people with as many low scores or more among the same tests. D\u00b2: the "
                                "Mahalanobis distance of the set's profile; as unusual: the percent of healthy "
                                "people whose profile is at least as unusual, in its pattern and level together. "
                                "Neither says which score is at fault.")
                      .arg(numbers::plain(m_report.settings.lowCutoff))
                      .toHtmlEscaped(),
                  kNotePoints);
        // An empty rate says why on paper too.
        QStringList why;
        for (const profile::UnusualSet &set : sets)
            for (const profile::Figure *figure : {&set.lowBaseRate, &set.mahalanobis})
                if (!figure->known() && figure->missing != profile::Missing::None) {
                    why << PageWords::tr("%1: %2")
                               .arg(set.name.empty() ? PageWords::tr("no set") : qs(set.name),
                                    Words::missing(figure->missing));
                    break;
                }
        if (!why.isEmpty())
            paragraph(m_document, why.join(QLatin1Char(' ')).toHtmlEscaped(), kNotePoints);
    }

    // Two pairs to a line, so that a battery's many differences take half
    // the length; the base rates only where correlations gave them.
    void differences()
    {
        heading(m_document, PageWords::tr("Significant differences"));
        std::vector<const profile::PairResult *> shown;
        int tested = 0;
        bool rates = false;
        for (const profile::PairResult &pair : m_results.analysis.pairs) {
            tested += pair.significant != profile::Significance::Unknown;
            if (pair.significant == profile::Significance::Yes) {
                shown.push_back(&pair);
                rates |= pair.baseRate.known();
            }
        }
        const QString alpha = numbers::proportion(m_report.settings.alpha, 2);
        if (shown.empty()) {
            paragraph(m_document, (tested > 0 ? PageWords::tr("No difference between two scores is significant at "
                                                              "alpha %1.").arg(alpha)
                                              : PageWords::tr("No two scores with a reliability to compare."))
                                      .toHtmlEscaped());
            return;
        }
        fw::PageTable table;
        table.points = kPairPoints;
        table.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("Significant differences"));
        table.headingPoints = kSectionPoints;
        // Under a correction the adjusted p decides, so it is printed; under
        // Holm's no single critical value does, so none is.
        const profile::PairsCorrection correction = m_report.settings.pairsCorrection;
        const bool critical = correction != profile::PairsCorrection::Holm;
        const bool adjusted = correction != profile::PairsCorrection::None;
        QStringList half{PageWords::tr("Score 1"), PageWords::tr("Score 2"), PageWords::tr("D")};
        std::vector<bool> right{false, false, true};
        if (critical) {
            half << PageWords::tr("Crit.");
            right.push_back(true);
        }
        if (adjusted) {
            half << PageWords::tr("p adj.");
            right.push_back(true);
        }
        if (rates) {
            half << PageWords::tr("BR %");
            right.push_back(true);
        }
        table.header = half + half;
        table.rightAligned = right;
        table.rightAligned.insert(table.rightAligned.end(), right.begin(), right.end());
        auto cells = [&](const profile::PairResult *pair) {
            QStringList row{nameOf(pair->first), nameOf(pair->second), page(pair->difference)};
            if (critical)
                row << page(pair->critical);
            if (adjusted)
                row << page(pair->pAdjusted);
            if (rates)
                row << page(pair->baseRate);
            return row;
        };
        const std::size_t rows = (shown.size() + 1) / 2;
        for (std::size_t i = 0; i < rows; ++i) {
            QStringList row = cells(shown[i]);
            if (i + rows < shown.size())
                row << cells(shown[i + rows]);
            else
                for (int blank = 0; blank < half.size(); ++blank)
                    row << QString();
            table.rows.push_back(row);
        }
        m_document.addTable(table, kSpace / 2);
        QString note = PageWords::tr("%1 of %2 differences are significant at alpha %3, two-tailed. D: score 1 minus "
                                     "score 2 on the %4 scale.")
                           .arg(shown.size())
                           .arg(tested)
                           .arg(alpha)
                           .arg(m_metric);
        if (critical)
            note += QLatin1Char(' ') + PageWords::tr("Crit.: the difference significance needs.");
        if (adjusted)
            note += QLatin1Char(' ')
                + PageWords::tr("Tested as a family with %1; p adj.: the two-tailed p so adjusted, and a difference is "
                                "significant where it is at most alpha.")
                      .arg(correctionName(correction));
        if (rates)
            note += QLatin1Char(' ') + PageWords::tr("BR: base rate, the percent of people with a difference at least "
                                                     "as large in the same direction.");
        paragraph(m_document, note.toHtmlEscaped(), kNotePoints);
    }

    void change()
    {
        fw::PageTable table;
        table.points = kTablePoints;
        table.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("Change on retest"));
        table.headingPoints = kSectionPoints;
        table.header = {PageWords::tr("Score"), PageWords::tr("Given"), PageWords::tr("Retest"), PageWords::tr("Practice"), PageWords::tr("RCI"), PageWords::tr("Change")};
        table.rightAligned = {false, true, true, true, true, false};
        const std::vector<profile::ScoreResult> &scores = m_results.analysis.scores;
        // The regression's figures beside the RCI's, for the method chosen.
        bool srb = false, cg = false;
        for (const profile::ScoreResult &score : scores) {
            srb |= score.regression.z.known();
            cg |= score.regression.t.known();
        }
        if (srb || cg) {
            table.header << PageWords::tr("Pred.");
            if (srb)
                table.header << PageWords::tr("SRB z");
            if (cg)
                table.header << PageWords::tr("CG t");
            table.header << PageWords::tr("p");
            if (cg)
                table.header << PageWords::tr("%") << PageWords::tr("95% interval");
            table.rightAligned.resize(std::size_t(table.header.size()), true);
        }
        for (std::size_t i = 0; i < scores.size(); ++i) {
            if (scores[i].problem || !scores[i].retest.known())
                continue;
            const SheetRow &row = m_report.sheet->rows[std::size_t(m_results.rowOfEntry(int(i)))];
            const profile::RegressionFigures &r = scores[i].regression;
            QStringList cells{nameOf(int(i)), numbers::page(row.cell(profile::Field::Score)),
                              numbers::page(row.cell(profile::Field::Retest)),
                              numbers::page(row.cell(profile::Field::Practice)), page(scores[i].rci),
                              Words::change(scores[i].change)};
            if (srb || cg) {
                cells << page(r.predicted);
                if (srb)
                    cells << page(r.z);
                if (cg)
                    cells << page(r.t);
                cells << page(r.p);
                if (cg)
                    cells << page(r.percent) << interval(r.percentLow, r.percentHigh);
            }
            table.rows.push_back(cells);
        }
        if (table.rows.empty())
            return;
        heading(m_document, PageWords::tr("Change on retest"));
        m_document.addTable(table, kSpace / 2);
        if (!srb && !cg)
            return;
        QStringList note{PageWords::tr("Pred.: the retest predicted from the score by the retest study's regression.")};
        if (srb)
            note << PageWords::tr("SRB z: the retest's distance from the prediction in standard errors of estimate.");
        if (cg)
            note << PageWords::tr("CG t: the same distance as a t that allows for the study's size; %: the estimated "
                                  "percent of people with a larger change in the same direction.");
        note << PageWords::tr("p is one-tailed. The change is decided by %1 at alpha %2, two-tailed.")
                    .arg(srb ? PageWords::tr("the SRB z") : PageWords::tr("the CG t (the RCI for a score without a study)"),
                         numbers::proportion(m_report.settings.alpha, 2));
        paragraph(m_document, note.join(QLatin1Char(' ')).toHtmlEscaped(), kNotePoints);
    }

    static QString interval(const profile::Figure &low, const profile::Figure &high)
    {
        return low.known() && high.known() ? PageWords::tr("%1 to %2").arg(page(low), page(high)) : QString();
    }

    // Each score given with a control sample, against it.
    void againstControls()
    {
        fw::PageTable table;
        table.points = kTablePoints;
        table.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("Case against controls"));
        table.headingPoints = kSectionPoints;
        table.header = {PageWords::tr("Score"), PageWords::tr("Controls"), PageWords::tr("t"), PageWords::tr("df"),
                        PageWords::tr("p"), PageWords::tr("z_CC"), PageWords::tr("95% interval"), PageWords::tr("%"),
                        PageWords::tr("95% interval")};
        table.rightAligned = {false, true, true, true, true, true, true, true, true};
        const std::vector<profile::ScoreResult> &scores = m_results.analysis.scores;
        for (std::size_t i = 0; i < scores.size(); ++i) {
            const profile::CaseFigures &c = scores[i].controls;
            if (scores[i].problem || !c.t.known())
                continue;
            const SheetRow &row = m_report.sheet->rows[std::size_t(m_results.rowOfEntry(int(i)))];
            const QString percent = c.above ? PageWords::tr("%1 above") : PageWords::tr("%1 below");
            table.rows.push_back(
                {nameOf(int(i)),
                 PageWords::tr("M %1, SD %2, n %3")
                     .arg(numbers::page(row.cell(profile::Field::ControlsMean)),
                          numbers::page(row.cell(profile::Field::ControlsSd)),
                          numbers::page(row.cell(profile::Field::ControlsN))),
                 page(c.t), page(c.df), page(c.p), page(c.zcc), interval(c.zccLow, c.zccHigh),
                 percent.arg(page(c.percent)), interval(c.percentLow, c.percentHigh)});
        }
        if (table.rows.empty())
            return;
        heading(m_document, PageWords::tr("Case against controls"));
        m_document.addTable(table, kSpace / 2);
        paragraph(m_document,
                  PageWords::tr("t: the score against the controls' mean, allowing for their number, with n \u2212 1 "
                                "degrees of freedom; p is one-tailed, in the direction of the score. z_CC: the score's "
                                "z against the controls. %: the estimated percent of the control population below the "
                                "score, or above it for a score above their mean. The intervals are 95%.")
                      .toHtmlEscaped(),
                  kNotePoints);
    }

    void composites()
    {
        if (m_results.analysis.composites.empty())
            return;
        heading(m_document, PageWords::tr("Composites"));
        const bool none = std::all_of(m_results.analysis.composites.begin(), m_results.analysis.composites.end(),
                                      [](const profile::CompositeResult &c) { return c.missing != profile::Missing::None; });
        if (none) {
            paragraph(m_document, PageWords::tr("A composite needs the correlations of its members; none of the groups' "
                                                "correlations are known.").toHtmlEscaped());
            return;
        }
        fw::PageTable table;
        table.points = kTablePoints;
        table.continuedHeading = PageWords::tr("%1 (continued)").arg(PageWords::tr("Composites"));
        table.headingPoints = kSectionPoints;
        table.header = {PageWords::tr("Group"), m_metric, PageWords::tr("PR"), PageWords::tr("Descriptor"),
                        PageWords::tr("r"), PageWords::tr("%1% interval").arg(level())};
        table.rightAligned = {false, true, true, false, true, true};
        QStringList groups;
        for (const profile::CompositeResult &composite : m_results.analysis.composites) {
            QStringList members;
            for (int member : composite.members)
                members << nameOf(member);
            groups << PageWords::tr("%1: %2.").arg(qs(composite.group), members.join(QStringLiteral(", ")));
            QStringList cells{qs(composite.group)};
            if (composite.missing != profile::Missing::None) {
                cells << Words::missing(composite.missing); // spans the figures' columns
            } else {
                cells << page(composite.metric) << page(composite.percentileRank) << m_results.label(composite.descriptor)
                      << page(composite.reliability)
                      << (composite.ciLow.known()
                              ? PageWords::tr("%1 to %2").arg(page(composite.ciLow), page(composite.ciHigh))
                              : QString());
            }
            table.rows.push_back(cells);
        }
        m_document.addTable(table, kSpace / 2);
        paragraph(m_document, groups.join(QLatin1Char(' ')).toHtmlEscaped(), kNotePoints);
    }

    // Each formula whose figures the report shows, with its source, in the
    // order of the core's formulas.
    std::map<interpretation::Formula, interpretation::Source> formulasUsed() const
    {
        using profile::Item;
        std::map<interpretation::Formula, interpretation::Source> used;
        auto note = [&used](const std::optional<interpretation::Explanation> &explanation) {
            if (explanation)
                used.emplace(explanation->formula, explanation->source);
        };
        const profile::Analysis &analysis = m_results.analysis;
        for (int i = 0; i < int(analysis.scores.size()); ++i)
            for (Item item : {Item::Z, Item::Metric, Item::PercentileRank, Item::Descriptor, Item::CiLow,
                              Item::Deviation, Item::DeviationCritical, Item::StrengthWeakness,
                              Item::DeviationBaseRate, Item::Rci, Item::Change, Item::PredictedRetest,
                              Item::SrbZ, Item::ChangeT, Item::ChangeP, Item::ChangePercent, Item::ChangePercentLow,
                              Item::CaseT, Item::CaseZcc, Item::CaseZccLow, Item::CasePercentLow})
                note(profile::explain(analysis, item, i));
        for (int p = 0; p < int(analysis.pairs.size()); ++p)
            for (Item item : {Item::PairDifference, Item::PairSe, Item::PairCritical, Item::PairSignificance,
                              Item::PairBaseRate})
                note(profile::explain(analysis, item, p));
        for (int c = 0; c < int(analysis.composites.size()); ++c)
            for (Item item : {Item::CompositeMetric, Item::CompositeReliability})
                note(profile::explain(analysis, item, c));
        if (analysis.settings.pairsCorrection != profile::PairsCorrection::None)
            for (int p = 0; p < int(analysis.pairs.size()); ++p)
                note(profile::explain(analysis, Item::PairPAdjusted, p));
        for (const profile::UnusualSet &set : unusualSets())
            for (profile::UnusualItem item : {profile::UnusualItem::LowCount, profile::UnusualItem::LowBaseRate,
                                              profile::UnusualItem::Mahalanobis,
                                              profile::UnusualItem::MahalanobisRate})
                note(profile::explain(set, item));
        return used;
    }

    void method()
    {
        heading(m_document, PageWords::tr("Method"));
        const profile::Settings &settings = m_report.settings;
        const conversion::Scale &metric = interpretation::scaleRow(profile::metricScale(settings.metric));
        QStringList opening;
        opening << PageWords::tr("Every figure is worked out from unrounded z scores and shown on the %1 scale (mean %2, SD %3).")
                       .arg(m_metric, numbers::plain(metric.mean), numbers::plain(metric.sd));
        opening << (settings.method == interpretation::Method::TrueScore
                        ? PageWords::tr("Confidence intervals: %1%, centred on the estimated true score.")
                        : PageWords::tr("Confidence intervals: %1%, centred on the obtained score."))
                       .arg(level());
        const QString alpha = numbers::proportion(settings.alpha, 2);
        opening << (settings.bonferroni && m_results.analysis.sets.size() > 1
                        ? PageWords::tr("Differences, strengths and weaknesses and change are tested two-tailed at alpha %1; "
                             "strengths and weaknesses with a Bonferroni correction for the scores compared in each set.")
                              .arg(alpha)
                    : settings.bonferroni
                        ? PageWords::tr("Differences, strengths and weaknesses and change are tested two-tailed at alpha %1; "
                             "strengths and weaknesses with a Bonferroni correction for the %2 scores compared.")
                              .arg(alpha)
                              .arg(m_results.analysis.deviationCount)
                        : PageWords::tr("Differences, strengths and weaknesses and change are tested two-tailed at alpha %1, "
                             "without a Bonferroni correction.")
                              .arg(alpha));
        opening << (m_report.correlationsFile.isEmpty()
                        ? PageWords::tr("Correlations between the scores: none given, so there are no base rates and no "
                             "composites.")
                        : PageWords::tr("Correlations between the scores: from %1.").arg(m_report.correlationsFile));
        opening << PageWords::tr("Pairs of scores are tested as a family with %1.")
                       .arg(correctionName(settings.pairsCorrection));
        opening << PageWords::tr("Descriptors: %1.").arg(m_report.descriptorName);
        paragraph(m_document, opening.join(QLatin1Char(' ')).toHtmlEscaped(), kNotePoints);

        // By topic; a source is cited once after the run of formulas it gave.
        std::vector<interpretation::Source> sources;
        std::map<int, std::vector<std::pair<QString, interpretation::Source>>> topics;
        for (const auto &[formula, source] : formulasUsed()) {
            topics[topicOf(formula)].emplace_back(ExplanationText::formulaText(formula), source);
            if (source != interpretation::Source::None
                && std::find(sources.begin(), sources.end(), source) == sources.end())
                sources.push_back(source);
        }
        for (const auto &[topic, formulas] : topics) {
            QString text;
            for (std::size_t i = 0; i < formulas.size(); ++i) {
                const interpretation::Source source = formulas[i].second;
                text += formulas[i].first;
                const bool runEnds = i + 1 == formulas.size() || formulas[i + 1].second != source;
                if (runEnds && source != interpretation::Source::None)
                    text += QStringLiteral(" (%1)").arg(report::citation(source).toHtmlEscaped());
                text += i + 1 == formulas.size() ? QStringLiteral(".") : QStringLiteral("; ");
            }
            paragraph(m_document, QStringLiteral("<b>%1.</b> %2").arg(topicName(topic), text), kNotePoints);
        }
        if (sources.empty())
            return;
        const QStringList references = report::referenceList(sources);
        // In two columns: a reference list is many short entries.
        QStringList columns[2];
        for (qsizetype i = 0; i < references.size(); ++i)
            columns[i < (references.size() + 1) / 2 ? 0 : 1]
                << QStringLiteral("<p style=\"margin-bottom:3px\">%1</p>").arg(references[i].toHtmlEscaped());
        // A heading of its own, so that an edited document's outline lists it.
        auto heading = std::make_unique<fw::TextBlock>(
            QStringLiteral("<b>%1</b>").arg(PageWords::tr("References")), kReferencePoints);
        heading->spaceBefore = kSpace / 2;
        heading->keepWithNext = true;
        heading->headingLevel = 3;
        m_document.add(std::move(heading));
        m_document.add(std::make_unique<fw::TextBlock>(
            QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr>"
                           "<td width=\"50%\" style=\"padding-right:8px\">%1</td><td width=\"50%\">%2</td></tr></table>")
                .arg(columns[0].join(QString()), columns[1].join(QString())),
            kReferencePoints));
    }

    const BatteryReport &m_report;
    const SheetResults &m_results;
    fw::PrintedDocument &m_document;
    QString m_metric;
};

} // namespace

report::Identification identificationOf(const Sheet &sheet)
{
    const Identification &id = sheet.id;
    return {qs(id.person), qs(id.birthDate), qs(id.testDate), qs(id.battery), qs(id.examiner)};
}

Identification sheetIdentification(const report::Identification &id)
{
    return {id.person.toStdString(), id.birthDate.toStdString(), id.testDate.toStdString(), id.testName.toStdString(),
            id.examiner.toStdString()};
}

std::unique_ptr<fw::PrintedDocument> batteryDocument(const BatteryReport &report)
{
    std::unique_ptr<fw::PrintedDocument> document =
        report::identifiedDocument(PageWords::tr("Battery Report"), identificationOf(*report.sheet), PageWords::tr("Battery"));
    Writer(report, *document).write();
    return document;
}

bool printBattery(QPrinter &printer, const BatteryReport &report, int *pages)
{
    const std::unique_ptr<fw::PrintedDocument> document = batteryDocument(report);
    const bool printed = document->print(printer);
    if (pages)
        *pages = document->pageCount();
    return printed;
}

QString suggestedPdfName(const Sheet &sheet)
{
    return report::suggestedFileName(identificationOf(sheet), PageWords::tr("battery"), QStringLiteral("pdf"));
}

} // namespace battery
