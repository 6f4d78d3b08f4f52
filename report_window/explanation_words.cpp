#include "report_window/explanation_words.h"

#include "interpretation/interpretation.h"
#include "report_window/report_numbers.h"
#include "text/text_routines.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace report {

namespace {

using interpretation::Explanation;
using interpretation::Formula;
using interpretation::Quantity;
using interpretation::Source;
using interpretation::Term;

struct ExplanationWords {
    Q_DECLARE_TR_FUNCTIONS(Explanation)
};

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
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

// Figures worked on a scale carry a decimal more than its whole scores, two
// on z's.
QString working(double value, double sd)
{
    return pageDecimal(value, sd < 2 ? 2 : 1);
}

const Term *find(const std::vector<Term> &terms, Quantity quantity)
{
    for (const Term &term : terms)
        if (term.quantity == quantity)
            return &term;
    return nullptr;
}

double value(const Explanation &e, Quantity quantity)
{
    if (e.result.quantity == quantity)
        return e.result.value;
    if (const Term *term = find(e.inputs, quantity))
        return term->value;
    if (const Term *term = find(e.steps, quantity))
        return term->value;
    return std::nan("");
}

int scoreOf(const Explanation &e, Quantity quantity)
{
    if (const Term *term = find(e.inputs, quantity))
        return term->score;
    return e.result.score;
}

bool isHeld(const Explanation &e)
{
    return !e.shown.empty() && e.shown.back() == '*';
}

QString shown(const Explanation &e)
{
    return QStringLiteral("<b>%1</b>").arg(pageNumber(e.shown).toHtmlEscaped());
}

QString shownAs(const Explanation &e)
{
    if (isHeld(e))
        return ExplanationWords::tr("held at the limit of the scale and shown as %1; the * marks that").arg(shown(e));
    return ExplanationWords::tr("shown as %1").arg(shown(e));
}

QString cited(const QString &words, Source source, const QString &where = QString())
{
    if (source == Source::None)
        return words;
    return ExplanationWords::tr("%1 (%2)").arg(words, where.isEmpty() ? citation(source) : citation(source) + QStringLiteral(", ") + where);
}

const char *const kCritical = "z<sub>c</sub>";

QString givenScore(const Explanation &e, const Naming &n)
{
    return ExplanationWords::tr("%1 %2: the score as given.").arg(n.metric(e.result.score).toHtmlEscaped(), shown(e));
}

QString zFromScore(const Explanation &e, const Naming &n)
{
    QString words = ExplanationWords::tr("From the %1 given: z = (X \u2212 M) / SD = (%2 \u2212 %3) / %4 = %5")
                        .arg(n.given(scoreOf(e, Quantity::ScaleMean)).toHtmlEscaped(),
                             loose(value(e, Quantity::Score)), term(loose(value(e, Quantity::ScaleMean))),
                             loose(value(e, Quantity::ScaleSd)), zText(e.result.value));
    if (!e.shown.empty())
        words += QStringLiteral(", ") + shownAs(e);
    return words + QLatin1Char('.');
}

QString zFromPercentile(const Explanation &e)
{
    const bool approximate = e.formula == Formula::ZFromPercentileApproximate;
    QString words = approximate ? ExplanationWords::tr("From the percentile given, P = %1: z = %2, by a rational approximation of "
                                     "the inverse normal curve")
                                : ExplanationWords::tr("From the percentile given, P = %1: z = %2, from the inverse normal curve");
    words = cited(words.arg(loose(value(e, Quantity::Percentile)), zText(e.result.value)), e.source,
                  approximate ? QStringLiteral("26.2.23") : QString());
    if (!e.shown.empty())
        words += QStringLiteral(", ") + shownAs(e);
    return words + QLatin1Char('.');
}

QString onMetric(const Explanation &e, const Naming &n)
{
    const double sd = value(e, Quantity::MetricSd);
    const QString words = e.formula == Formula::BandOnMetric
        ? ExplanationWords::tr("%1: the band that holds M + SD \u00d7 z = %2 + %3 \u00d7 %4 = %5 (halves go up), %6.")
        : ExplanationWords::tr("%1 = M + SD \u00d7 z = %2 + %3 \u00d7 %4 = %5, %6.");
    return words.arg(n.metric(scoreOf(e, Quantity::MetricMean)).toHtmlEscaped(), loose(value(e, Quantity::MetricMean)),
                     loose(sd), term(zText(value(e, Quantity::Z))), working(e.result.value, sd), shownAs(e));
}

QString percentileRank(const Explanation &e)
{
    return ExplanationWords::tr("Percentile rank: the share of the normal curve below z, 100 \u03a6(z) = 100 \u03a6(%1) = "
                                "%2, %3; ranks below %4 and above %5 are shown as &lt;%4 and &gt;%5.")
        .arg(zText(value(e, Quantity::Z)), percent(e.result.value), shownAs(e), pageNumber(QStringLiteral("0.1")),
             pageNumber(QStringLiteral("99.9")));
}

QString boundRanks(const Explanation &low, const Explanation &high)
{
    return ExplanationWords::tr("Percentile ranks of the bounds: 100 \u03a6(%1) = %2 and 100 \u03a6(%3) = %4, shown as %5 and %6.")
        .arg(zText(value(low, Quantity::Z)), percent(low.result.value), zText(value(high, Quantity::Z)),
             percent(high.result.value), shown(low), shown(high));
}

QString approximatePercentile(const Explanation &e, const Explanation *rank)
{
    QString words = cited(ExplanationWords::tr("The converter window's percentile comes from a polynomial approximation of the "
                             "normal curve"),
                          e.source, QStringLiteral("7.1.28"));
    words += ExplanationWords::tr(": 100 \u03a6(%1) \u2248 %2, written as a whole percentile from 1 to 99, %3.")
                 .arg(zText(value(e, Quantity::Z)), percent(e.result.value), shownAs(e));
    if (rank && pageNumber(rank->shown) != pageNumber(e.shown))
        words += QLatin1Char(' ')
            + ExplanationWords::tr("It differs from the exact percentile rank, %1, because it is whole and held to 1 to 99, and "
                 "its approximation may round the other way near a half.")
                  .arg(shown(*rank));
    return words;
}

QString bandRange(double from, double to)
{
    if (std::isinf(from) && (std::isinf(to) || std::isnan(to)))
        return ExplanationWords::tr("every standard score");
    if (std::isinf(from))
        return ExplanationWords::tr("standard scores of %1 and below").arg(loose(to));
    if (std::isinf(to))
        return ExplanationWords::tr("standard scores of %1 and above").arg(loose(from));
    if (std::isnan(to))
        return ExplanationWords::tr("standard scores from %1 up").arg(loose(from));
    return ExplanationWords::tr("standard scores from %1 to %2").arg(loose(from), loose(to));
}

QStringList descriptor(const Explanation &e, const Naming &n)
{
    const conversion::Scale &standard = interpretation::scaleRow(interpretation::ScaleId::Wechsler);
    const double s = value(e, Quantity::StandardScore);
    QString words = ExplanationWords::tr("Standard score S = %1 + %2 \u00d7 z = %1 + %2 \u00d7 %3, rounded: %4, not held at a limit.")
                        .arg(loose(standard.mean), loose(standard.sd), term(zText(value(e, Quantity::Z))), loose(s));
    const double from = value(e, Quantity::BandFrom);
    if (std::isnan(from))
        return {words, ExplanationWords::tr("The %1 system has no bands.").arg(n.system.toHtmlEscaped())};
    const QString label = n.label ? n.label(e.shown) : QString::fromStdString(e.shown);
    return {words,
            cited(ExplanationWords::tr("Descriptor: in the %1 system, %2 covers %3, and %4 lies among them")
                    .arg(n.system.toHtmlEscaped(), QStringLiteral("<b>%1</b>").arg(label.toHtmlEscaped()),
                         bandRange(from, value(e, Quantity::BandTo)), loose(s)),
                  e.source)
                + QLatin1Char('.')};
}

// An interval's bounds: the estimated true score (true-score method), the
// standard error, the critical value and the bounds, on the figure's scale.
QStringList interval(const Explanation &low, const Explanation *high)
{
    const bool trueScore = low.formula == Formula::IntervalTrueScore;
    const double m = value(low, Quantity::MetricMean);
    const double sd = value(low, Quantity::MetricSd);
    const double r = value(low, Quantity::Reliability);
    const double critical = value(low, Quantity::CriticalZ);
    const double centreZ = trueScore ? value(low, Quantity::TrueScore) : value(low, Quantity::Z);
    const QString centre = working(m + sd * centreZ, sd);
    const QString error = pageDecimal(sd * value(low, Quantity::StandardError), 2);
    QStringList sentences;
    if (trueScore)
        sentences << cited(ExplanationWords::tr("Estimated true score T\u2032 = M + r (X \u2212 M) = %1 + %2 \u00d7 %3 = %4")
                               .arg(loose(m), proportion(r), term(loose(sd * value(low, Quantity::Z))), centre),
                           Source::Kelley1927)
                + QLatin1Char('.');
    sentences << cited(trueScore ? ExplanationWords::tr("Standard error of estimation SEE = SD \u221a(r (1 \u2212 r)) = %1 \u00d7 "
                                      "\u221a(%2 \u00d7 %3) = %4")
                                       .arg(loose(sd), proportion(r), proportion(1 - r), error)
                                 : ExplanationWords::tr("Standard error of measurement SEM = SD \u221a(1 \u2212 r) = %1 \u00d7 \u221a%2 = %3")
                                       .arg(loose(sd), proportion(1 - r), error),
                       low.source)
            + QLatin1Char('.');
    sentences << cited(ExplanationWords::tr("Critical value for %1 %: %2 = %3, from the inverse normal curve")
                           .arg(loose(value(low, Quantity::Confidence)), QLatin1String(kCritical),
                                pageDecimal(critical, 2)),
                       Source::Wichura1988)
            + QLatin1Char('.');
    const QString name = trueScore ? QStringLiteral("T\u2032") : QStringLiteral("X");
    const QString se = trueScore ? QStringLiteral("SEE") : QStringLiteral("SEM");
    const QString criticalText = pageDecimal(critical, 2);
    const bool lowFirst = low.result.quantity == Quantity::Low;
    auto one = [&](const Explanation &e) {
        const bool isLow = e.result.quantity == Quantity::Low;
        return ExplanationWords::tr("%1 %2 %3 \u00d7 %4 = %5").arg(centre, isLow ? QStringLiteral("\u2212") : QStringLiteral("+"),
                                                 criticalText, error, working(e.result.value, sd));
    };
    if (high)
        sentences << ExplanationWords::tr("Bounds: %1 \u00b1 %2 \u00d7 %3 = %4 and %5, shown as %6 and %7.")
                         .arg(name, QLatin1String(kCritical), se, one(low), one(*high), shown(low), shown(*high));
    else
        sentences << (lowFirst ? ExplanationWords::tr("Lower bound: %1 \u2212 %2 \u00d7 %3 = %4, %5.")
                               : ExplanationWords::tr("Upper bound: %1 + %2 \u00d7 %3 = %4, %5."))
                         .arg(name, QLatin1String(kCritical), se, one(low), shownAs(low));
    return sentences;
}

QString surnames(std::string_view authors)
{
    QStringList names;
    for (QString part : qs(authors).split(QStringLiteral(", "))) {
        if (part.startsWith(QLatin1String("& ")))
            part.remove(0, 2);
        const QStringList words = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const bool initials = std::all_of(words.begin(), words.end(), [](const QString &w) {
            return w.endsWith(QLatin1Char('.')) || w.startsWith(QLatin1Char('('));
        });
        if (!initials)
            names << part;
    }
    if (names.size() > 2)
        return ExplanationWords::tr("%1 et al.").arg(names.first());
    return names.join(QStringLiteral(" & "));
}

} // namespace

QStringList explanationParagraphs(const std::vector<Explanation> &explanations, const Naming &naming)
{
    const Explanation *rank = nullptr;
    for (const Explanation &e : explanations)
        if (e.formula == Formula::PercentileRank && !rank)
            rank = &e;
    bool afterInterval = false;
    QStringList paragraphs;
    for (std::size_t i = 0; i < explanations.size(); ++i) {
        const Explanation &e = explanations[i];
        const Explanation *next = i + 1 < explanations.size() ? &explanations[i + 1] : nullptr;
        switch (e.formula) {
        case Formula::GivenScore: paragraphs << givenScore(e, naming); break;
        case Formula::ZFromScore: paragraphs << zFromScore(e, naming); break;
        case Formula::ZFromPercentile:
        case Formula::ZFromPercentileApproximate: paragraphs << zFromPercentile(e); break;
        case Formula::ScoreOnMetric:
        case Formula::BandOnMetric: paragraphs << onMetric(e, naming); break;
        case Formula::PercentileRank:
            if (afterInterval && next && next->formula == Formula::PercentileRank) {
                paragraphs << boundRanks(e, *next);
                ++i;
            } else {
                paragraphs << percentileRank(e);
            }
            break;
        case Formula::ApproximatePercentile: paragraphs << approximatePercentile(e, rank); break;
        case Formula::Descriptor: paragraphs << descriptor(e, naming); break;
        case Formula::IntervalTrueScore:
        case Formula::IntervalObtained: {
            const bool pair = next && next->formula == e.formula && next->result.quantity != e.result.quantity;
            paragraphs << interval(e, pair ? next : nullptr);
            afterInterval = true;
            i += pair ? 1 : 0;
            break;
        }
        default:
            break; // a profile's own formulas: worded by the Battery Sheet
        }
    }
    return paragraphs;
}

QString explanationHtml(const QString &heading, const std::vector<Explanation> &explanations, const Naming &naming)
{
    QString html = QStringLiteral("<p><b>%1</b></p>").arg(heading.toHtmlEscaped());
    for (const QString &paragraph : explanationParagraphs(explanations, naming))
        html += QStringLiteral("<p>%1</p>").arg(paragraph);
    return html;
}

QString citation(Source source)
{
    if (source == Source::None)
        return QString();
    const interpretation::Reference &r = interpretation::reference(source);
    return QStringLiteral("%1, %2").arg(surnames(r.authors)).arg(r.year);
}

QString referenceText(Source source)
{
    if (source == Source::None)
        return QString();
    const interpretation::Reference &r = interpretation::reference(source);
    return QStringLiteral("%1 (%2). %3. %4.").arg(qs(r.authors)).arg(r.year).arg(qs(r.title), qs(r.published));
}

QStringList referenceList(std::vector<Source> sources)
{
    QStringList list;
    for (const Source source : sources)
        if (source != Source::None)
            list << referenceText(source);
    list.removeDuplicates();
    list.sort();
    return list;
}

} // namespace report
