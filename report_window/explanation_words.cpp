#include "report_window/explanation_words.h"

#include "conversion/scales.h"
#include "report_window/report_numbers.h"
#include "text/text_routines.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

using interpretation::Explanation;
using interpretation::Formula;
using interpretation::Source;
using interpretation::Step;
using interpretation::Symbol;

QString tr(const char *text)
{
    return QCoreApplication::translate("Explanation", text);
}

QString page(double value, std::string_view mask)
{
    return pageNumber(QString::fromStdString(text::Format(value, mask)));
}

// Inputs as they are: "15", "11.25", "0.3333".
QString loose(double value)
{
    return page(value, "0.####");
}

QString zText(double value)
{
    return page(value, "0.00##");
}

// Two decimals, or two significant digits in the far tails: "84.13",
// "0.00034".
QString percent(double value)
{
    if (!(value < 0.01 || value > 99.99))
        return page(value, "0.00");
    const double tail = value < 50 ? value : 100 - value;
    const int decimals = std::clamp(1 - int(std::floor(std::log10(tail))), 2, 12);
    return page(value, "0." + std::string(std::size_t(decimals), '0'));
}

// Figures worked on a scale carry one decimal more than its scores do.
int workingDecimals(const conversion::Scale *scale)
{
    if (!scale)
        return 2;
    const std::size_t point = scale->mask.find('.');
    const int decimals = point == std::string_view::npos ? 0 : int(scale->mask.size() - point - 1);
    return decimals == 0 ? 1 : decimals;
}

QString working(const Step &step, double value)
{
    return pageDecimal(value, workingDecimals(step.scale));
}

QString scaleName(const Step &step)
{
    if (!step.scale)
        return QString();
    return QString::fromUtf8(step.scale->name.data(), qsizetype(step.scale->name.size()));
}

QString shown(const Step &step)
{
    return QStringLiteral("<b>%1</b>").arg(pageNumber(step.shown).toHtmlEscaped());
}

QString cited(const QString &words, Source source, const QString &where = QString())
{
    if (source == Source::None)
        return words;
    const QString at = where.isEmpty() ? citation(source) : citation(source) + QStringLiteral(", ") + where;
    return tr("%1 (%2)").arg(words, at);
}

QString shownAs(const Step &step)
{
    if (step.held)
        return tr("held at the limit of the scale and shown as %1; the * marks that").arg(shown(step));
    return tr("shown as %1").arg(shown(step));
}

const char *const kCriticalSymbol = "z<sub>c</sub>";

QString givenScore(const Step &step)
{
    return tr("%1 %2: the score as given.").arg(scaleName(step), shown(step));
}

QString zFromScore(const Step &step)
{
    const bool raw = step.scale && step.scale->position == conversion::Raw;
    QString words = tr("From the %1 given: z = (X \u2212 M) / SD = (%2 \u2212 %3) / %4 = %5")
                        .arg(raw ? tr("raw score") : scaleName(step), loose(step.input(Symbol::Score)),
                             loose(step.input(Symbol::Mean)), loose(step.input(Symbol::Sd)), zText(step.value));
    if (!step.shown.empty())
        words += QStringLiteral(", ") + shownAs(step);
    return words + QLatin1Char('.');
}

QString zFromPercentile(const Step &step)
{
    QString words = tr("From the percentile given, P = %1: z = %2, by a rational approximation of the "
                       "inverse normal curve")
                        .arg(loose(step.input(Symbol::Percentile)), zText(step.value));
    words = cited(words, step.source, QStringLiteral("26.2.23"));
    if (!step.shown.empty())
        words += QStringLiteral(", ") + shownAs(step);
    return words + QLatin1Char('.');
}

QString linearScore(const Step &step)
{
    return tr("%1 = M + SD \u00d7 z = %2 + %3 \u00d7 %4 = %5, %6.")
        .arg(scaleName(step), loose(step.input(Symbol::Mean)), loose(step.input(Symbol::Sd)),
             zText(step.input(Symbol::Z)), working(step, step.value), shownAs(step));
}

QString bandScore(const Step &step)
{
    return tr("%1: the band that holds M + SD \u00d7 z = %2 + %3 \u00d7 %4 = %5 (halves go up), %6.")
        .arg(scaleName(step), loose(step.input(Symbol::Mean)), loose(step.input(Symbol::Sd)),
             zText(step.input(Symbol::Z)), working(step, step.value), shownAs(step));
}

QString percentileRank(const Step &step)
{
    return tr("Percentile rank: the share of the normal curve below z, 100 \u03a6(z) = 100 \u03a6(%1) = %2, "
              "%3; ranks below 0.1 and above 99.9 are shown as &lt;0.1 and &gt;99.9.")
        .arg(zText(step.input(Symbol::Z)), percent(step.value), shownAs(step));
}

QString converterPercentile(const Step &step, const Step *rank)
{
    QString words = cited(tr("The converter window's percentile comes from a polynomial approximation of "
                             "the normal curve"),
                          step.source, QStringLiteral("7.1.28"));
    words += tr(": 100 \u03a6(%1) \u2248 %2, written as a whole percentile from 1 to 99, %3.")
                 .arg(zText(step.input(Symbol::Z)), percent(step.value), shownAs(step));
    if (rank && pageNumber(rank->shown) != pageNumber(step.shown))
        words += QLatin1Char(' ')
            + tr("It differs from the exact percentile rank, %1, because it is whole and held to 1 to 99, "
                 "and its approximation may round the other way near a half.")
                  .arg(shown(*rank));
    return words;
}

QString bandRange(double from, double to)
{
    if (std::isinf(from) && std::isinf(to))
        return tr("every standard score");
    if (std::isinf(from))
        return tr("standard scores of %1 and below").arg(loose(to));
    if (std::isinf(to))
        return tr("standard scores of %1 and above").arg(loose(from));
    return tr("standard scores from %1 to %2").arg(loose(from), loose(to));
}

QString standardScore(const Step &step)
{
    return tr("Standard score S = M + SD \u00d7 z = %1 + %2 \u00d7 %3, rounded: %4, not held at a limit.")
        .arg(loose(step.scale ? step.scale->mean : 0), loose(step.scale ? step.scale->sd : 0),
             zText(step.input(Symbol::Z)), shown(step));
}

QString descriptor(const Step &step)
{
    const QString system = QString::fromStdString(step.system).toHtmlEscaped();
    if (std::isnan(step.input(Symbol::BandFrom)))
        return tr("The %1 system has no bands.").arg(system);
    return cited(tr("Descriptor: in the %1 system, %2 covers %3, and %4 lies among them")
                     .arg(system, shown(step),
                          bandRange(step.input(Symbol::BandFrom), step.input(Symbol::BandTo)),
                          loose(step.input(Symbol::StandardScore))),
                 step.source)
        + QLatin1Char('.');
}

QString trueScore(const Step &step)
{
    const double m = step.input(Symbol::Mean);
    return cited(tr("Estimated true score T\u2032 = M + r (X \u2212 M) = %1 + %2 \u00d7 %3 = %4")
                     .arg(loose(m), proportion(step.input(Symbol::Reliability)),
                          loose(step.input(Symbol::Score) - m), working(step, step.value)),
                 step.source)
        + QLatin1Char('.');
}

QString standardError(const Step &step)
{
    const double r = step.input(Symbol::Reliability);
    const QString sd = loose(step.input(Symbol::Sd));
    const QString se = pageDecimal(step.value, 2);
    const QString words = step.formula == Formula::StandardErrorOfEstimation
        ? tr("Standard error of estimation SEE = SD \u221a(r (1 \u2212 r)) = %1 \u00d7 \u221a(%2 \u00d7 %3) = %4")
              .arg(sd, proportion(r), proportion(1 - r), se)
        : tr("Standard error of measurement SEM = SD \u221a(1 \u2212 r) = %1 \u00d7 \u221a%2 = %3")
              .arg(sd, proportion(1 - r), se);
    return cited(words, step.source) + QLatin1Char('.');
}

QString criticalValue(const Step &step)
{
    return cited(tr("Critical value for %1 %: %2 = %3, from the inverse normal curve")
                     .arg(loose(step.input(Symbol::Confidence)), QLatin1String(kCriticalSymbol),
                          pageDecimal(step.value, 2)),
                 step.source)
        + QLatin1Char('.');
}

QString bounds(const Step &low, const Step &high, bool trueScore)
{
    const QString centre = working(low, low.input(Symbol::Centre));
    const QString critical = pageDecimal(low.input(Symbol::Critical), 2);
    const QString error = pageDecimal(low.input(Symbol::StandardError), 2);
    return tr("Bounds: %1 \u2213 %2 \u00d7 %3 = %4 \u2212 %5 \u00d7 %6 = %7 and %4 + %5 \u00d7 %6 = %8, shown as "
              "%9 and %10.")
        .arg(trueScore ? QStringLiteral("T\u2032") : QStringLiteral("X"), QLatin1String(kCriticalSymbol),
             trueScore ? QStringLiteral("SEE") : QStringLiteral("SEM"), centre, critical, error,
             working(low, low.value), working(high, high.value))
        .arg(shown(low), shown(high));
}

QString boundRanks(const Step &low, const Step &high)
{
    return tr("Percentile ranks of the bounds: 100 \u03a6(%1) = %2 and 100 \u03a6(%3) = %4, shown as %5 and %6.")
        .arg(zText(low.input(Symbol::Z)), percent(low.value), zText(high.input(Symbol::Z)),
             percent(high.value), shown(low), shown(high));
}

} // namespace

QStringList explanationParagraphs(const Explanation &explanation)
{
    const std::vector<Step> &steps = explanation.steps;
    const Step *rank = nullptr;
    bool trueScoreMethod = false;
    for (const Step &step : steps) {
        if (step.formula == Formula::PercentileRank && !rank)
            rank = &step;
        trueScoreMethod = trueScoreMethod || step.formula == Formula::EstimatedTrueScore;
    }
    QStringList paragraphs;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step &step = steps[i];
        const Step *next = i + 1 < steps.size() ? &steps[i + 1] : nullptr;
        switch (step.formula) {
        case Formula::GivenScore: paragraphs << givenScore(step); break;
        case Formula::ZFromScore: paragraphs << zFromScore(step); break;
        case Formula::ZFromPercentile: paragraphs << zFromPercentile(step); break;
        case Formula::LinearScore: paragraphs << linearScore(step); break;
        case Formula::BandScore: paragraphs << bandScore(step); break;
        case Formula::PercentileRank:
            if (next && next->formula == Formula::PercentileRank && &step != rank) {
                paragraphs << boundRanks(step, *next);
                ++i;
            } else {
                paragraphs << percentileRank(step);
            }
            break;
        case Formula::ConverterPercentile: paragraphs << converterPercentile(step, rank); break;
        case Formula::StandardScore: paragraphs << standardScore(step); break;
        case Formula::Descriptor: paragraphs << descriptor(step); break;
        case Formula::EstimatedTrueScore: paragraphs << trueScore(step); break;
        case Formula::StandardErrorOfEstimation:
        case Formula::StandardErrorOfMeasurement: paragraphs << standardError(step); break;
        case Formula::CriticalValue: paragraphs << criticalValue(step); break;
        case Formula::LowerBound:
            if (next && next->formula == Formula::UpperBound) {
                paragraphs << bounds(step, *next, trueScoreMethod);
                ++i;
            }
            break;
        case Formula::UpperBound: break;
        }
    }
    return paragraphs;
}

QString explanationHtml(const QString &heading, const Explanation &explanation)
{
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(heading.toHtmlEscaped());
    for (const QString &paragraph : explanationParagraphs(explanation))
        html += QStringLiteral("<p>%1</p>").arg(paragraph);
    return html;
}

QString citation(Source source)
{
    switch (source) {
    case Source::None: return QString();
    case Source::AbramowitzStegun1964: return tr("Abramowitz & Stegun, 1964");
    case Source::Kelley1927: return tr("Kelley, 1927");
    case Source::Dudek1979: return tr("Dudek, 1979");
    case Source::Gulliksen1950: return tr("Gulliksen, 1950");
    case Source::Wichura1988: return tr("Wichura, 1988");
    case Source::Guilmette2020: return tr("Guilmette et al., 2020");
    case Source::Wechsler2014: return tr("Wechsler, 2014");
    case Source::Wechsler2008: return tr("Wechsler, 2008");
    case Source::Schrank2014: return tr("Schrank et al., 2014");
    case Source::UserFile: return tr("a file of the user's");
    }
    return QString();
}

QString reference(Source source)
{
    switch (source) {
    case Source::None: return QString();
    case Source::AbramowitzStegun1964:
        return tr("Abramowitz, M., & Stegun, I. A. (Eds.). (1964). Handbook of mathematical functions with "
                  "formulas, graphs, and mathematical tables. National Bureau of Standards.");
    case Source::Kelley1927:
        return tr("Kelley, T. L. (1927). Interpretation of educational measurements. World Book.");
    case Source::Dudek1979:
        return tr("Dudek, F. J. (1979). The continuing misinterpretation of the standard error of "
                  "measurement. Psychological Bulletin, 86(2), 335\u2013337.");
    case Source::Gulliksen1950: return tr("Gulliksen, H. (1950). Theory of mental tests. Wiley.");
    case Source::Wichura1988:
        return tr("Wichura, M. J. (1988). Algorithm AS 241: The percentage points of the normal "
                  "distribution. Applied Statistics, 37(3), 477\u2013484.");
    case Source::Guilmette2020:
        return tr("Guilmette, T. J., Sweet, J. J., Hebben, N., Koltai, D., Mahone, E. M., Spiegler, B. J., "
                  "Stucky, K., Westerveld, M., & Conference Participants. (2020). American Academy of "
                  "Clinical Neuropsychology consensus conference statement on uniform labeling of "
                  "performance test scores. The Clinical Neuropsychologist, 34(3), 437\u2013453.");
    case Source::Wechsler2014:
        return tr("Wechsler, D. (2014). Wechsler Intelligence Scale for Children, fifth edition: "
                  "Technical and interpretive manual. Pearson.");
    case Source::Wechsler2008:
        return tr("Wechsler, D. (2008). Wechsler Adult Intelligence Scale, fourth edition: Technical and "
                  "interpretive manual. Pearson.");
    case Source::Schrank2014:
        return tr("Schrank, F. A., McGrew, K. S., & Mather, N. (2014). Woodcock-Johnson IV. Riverside.");
    case Source::UserFile:
        return tr("The descriptor system was read from a file the user chose.");
    }
    return QString();
}

std::vector<Source> sourcesOf(const std::vector<Explanation> &explanations)
{
    std::vector<Source> sources;
    for (const Explanation &explanation : explanations)
        for (const Step &step : explanation.steps)
            if (step.source != Source::None
                && std::find(sources.begin(), sources.end(), step.source) == sources.end())
                sources.push_back(step.source);
    // As a reference list orders them: by first author.
    std::sort(sources.begin(), sources.end(), [](Source a, Source b) { return reference(a) < reference(b); });
    return sources;
}

} // namespace report
