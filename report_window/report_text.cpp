#include "report_window/report_text.h"

#include "conversion/scales.h"
#include "framework/language.h"
#include "report_window/core_words.h"
#include "report_window/report_numbers.h"
#include "text/text_routines.h"

#include <QCoreApplication>
#include <QStringList>

namespace report {

using interpretation::ScaleId;
using interpretation::ShownScore;

namespace {

QString qs(const std::string &text)
{
    return QString::fromStdString(text);
}

struct TextWords {
    Q_DECLARE_TR_FUNCTIONS(ReportText)
};

QString tr(const char *text)
{
    return TextWords::tr(text);
}


struct SourceWords {
    const char *subject; // "A Wechsler IQ of", completed by the value
    const char *heading; // "Wechsler IQ", followed by the value
    const char *marker;  // "IQ"
};

// By conversion::Position.
const SourceWords kSourceWords[conversion::kScaleCount] = {
    {QT_TRANSLATE_NOOP("ReportText", "A raw score of"), QT_TRANSLATE_NOOP("ReportText", "raw score"), QT_TRANSLATE_NOOP("ReportText", "Raw")},
    {QT_TRANSLATE_NOOP("ReportText", "A z score of"), QT_TRANSLATE_NOOP("ReportText", "z score"), QT_TRANSLATE_NOOP("ReportText", "z")},
    {QT_TRANSLATE_NOOP("ReportText", "A T score of"), QT_TRANSLATE_NOOP("ReportText", "T score"), QT_TRANSLATE_NOOP("ReportText", "T")},
    {QT_TRANSLATE_NOOP("ReportText", "A Wechsler IQ of"), QT_TRANSLATE_NOOP("ReportText", "Wechsler IQ"), QT_TRANSLATE_NOOP("ReportText", "IQ")},
    {QT_TRANSLATE_NOOP("ReportText", "An NCE of"), QT_TRANSLATE_NOOP("ReportText", "NCE"), QT_TRANSLATE_NOOP("ReportText", "NCE")},
    {QT_TRANSLATE_NOOP("ReportText", "A CEEB score of"), QT_TRANSLATE_NOOP("ReportText", "CEEB score"), QT_TRANSLATE_NOOP("ReportText", "CEEB")},
    {QT_TRANSLATE_NOOP("ReportText", "An AGCT score of"), QT_TRANSLATE_NOOP("ReportText", "AGCT score"), QT_TRANSLATE_NOOP("ReportText", "AGCT")},
    {QT_TRANSLATE_NOOP("ReportText", "A score at the"), QT_TRANSLATE_NOOP("ReportText", "percentile"), QT_TRANSLATE_NOOP("ReportText", "PR")},
};

const SourceWords &wordsFor(const CalculatedScore &score)
{
    const int at = score.source() >= 0 && score.source() < conversion::kScaleCount ? score.source() : 0;
    return kSourceWords[at];
}

// A score held at its scale's bound lies beyond it: "more than 199".
QString stated(const ShownScore &shown, double z)
{
    QString text = pageNumber(shown.text);
    if (!shown.marked)
        return text;
    if (text.endsWith(QLatin1Char('*')))
        text.chop(1);
    return (z > 0 ? TextWords::tr("more than %1") : TextWords::tr("less than %1")).arg(text);
}

// Where a percentile rank stands in a sentence. English words the three
// alike but for "at"; languages with cases need each its own.
enum class Role {
    Place,    // after "is": "at the 84th percentile", "below the 0.1st percentile"
    RangeEnd, // an end of "from ... to ...": "the 62nd percentile"
    Aside,    // alone in parentheses: "(at the 84th percentile)"
};

QString percentilePlace(const std::string &rank, Role role = Role::Place)
{
    const QString text = qs(rank);
    const QString number = ordinal(text.startsWith(QLatin1Char('<')) || text.startsWith(QLatin1Char('>'))
                                       ? text.mid(1)
                                       : text);
    if (text.startsWith(QLatin1Char('<'))) {
        switch (role) {
        case Role::Place: return TextWords::tr("below the %1 percentile").arg(number);
        case Role::RangeEnd: return TextWords::tr("below the %1 percentile", "end of a range").arg(number);
        case Role::Aside: return TextWords::tr("below the %1 percentile", "in parentheses").arg(number);
        }
    }
    if (text.startsWith(QLatin1Char('>'))) {
        switch (role) {
        case Role::Place: return TextWords::tr("above the %1 percentile").arg(number);
        case Role::RangeEnd: return TextWords::tr("above the %1 percentile", "end of a range").arg(number);
        case Role::Aside: return TextWords::tr("above the %1 percentile", "in parentheses").arg(number);
        }
    }
    switch (role) {
    case Role::Place: return TextWords::tr("at the %1 percentile").arg(number);
    case Role::RangeEnd: return TextWords::tr("the %1 percentile").arg(number);
    case Role::Aside: break;
    }
    return TextWords::tr("at the %1 percentile", "in parentheses").arg(number);
}

bool isExtreme(const std::string &rank)
{
    return !rank.empty() && (rank.front() == '<' || rank.front() == '>');
}

QString intervalPercentiles(const std::string &low, const std::string &high)
{
    if (low == high)
        return percentilePlace(low, Role::Aside);
    if (!isExtreme(low) && !isExtreme(high))
        return TextWords::tr("%1 to %2 percentile").arg(ordinal(qs(low)), ordinal(qs(high)));
    return TextWords::tr("from %1 to %2").arg(percentilePlace(low, Role::RangeEnd), percentilePlace(high, Role::RangeEnd));
}

QString firstSentence(const ReportFacts &facts)
{
    const CalculatedScore &score = facts.score;
    const interpretation::Interpretation &reading = facts.reading;
    const int pr = static_cast<int>(ScaleId::PercentileRank);
    const QString range = TextWords::tr("in the %1 range (%2)")
                              .arg(descriptorLabel(facts.system, reading.descriptor), facts.systemName);
    const QString wechsler = TextWords::tr("a Wechsler-metric standard score of %1")
                                 .arg(stated(reading.score[static_cast<int>(ScaleId::Wechsler)],
                                             reading.z));
    if (score.source() == conversion::Percentile)
        return TextWords::tr("A score at the %1 percentile is %2 and %3.")
            .arg(ordinal(qs(score.value)), wechsler, range);
    const QString place = percentilePlace(reading.score[pr].text);
    if (score.source() == conversion::Raw)
        return TextWords::tr("A raw score of %1 (mean %2, sd %3) is %4, %5 and %6.")
            .arg(pageNumber(score.value), pageNumber(score.rawMean), pageNumber(score.rawSd), wechsler, place,
                 range);
    return TextWords::tr("%1 %2 is %3 and %4.")
        .arg(tr(wordsFor(score).subject), pageNumber(score.value), place, range);
}

QString intervalSentence(const ReportFacts &facts)
{
    const interpretation::Interpretation &reading = facts.reading;
    const int scale = static_cast<int>(statedScale(facts.score));
    const int pr = static_cast<int>(ScaleId::PercentileRank);
    const QString method = facts.method == interpretation::Method::TrueScore
        ? TextWords::tr("true-score method")
        : TextWords::tr("obtained-score method");
    const ShownScore &low = reading.lower[scale];
    const ShownScore &high = reading.upper[scale];
    const double lowZ = reading.interval.low;
    const double highZ = reading.interval.high;
    QString range;
    if (low.marked && high.marked && low.text == high.text) {
        // Both bounds beyond the same end of the scale.
        QString bound = pageNumber(low.text);
        bound.chop(1);
        range = TextWords::tr("lies entirely %1 %2").arg(lowZ > 0 ? TextWords::tr("above") : TextWords::tr("below"), bound);
    } else {
        range = TextWords::tr("is %1 to %2").arg(stated(low, lowZ), stated(high, highZ));
    }
    return TextWords::tr("With a reliability of %1, the %2% confidence interval (%3) %4 (%5).")
        .arg(facts.reliabilityText, QString::number(facts.confidence), method, range,
             intervalPercentiles(reading.lower[pr].text, reading.upper[pr].text));
}

} // namespace

const char *const kMarkLegend =
    QT_TRANSLATE_NOOP("ReportText", "* outside the possible range of the scale: held at its limit");

bool hasMarkedScore(const ReportFacts &facts)
{
    const interpretation::Interpretation &reading = facts.reading;
    const bool trueScore = reading.hasInterval && facts.interval
        && facts.interval->method == interpretation::Method::TrueScore;
    for (int i = 0; i < interpretation::kScaleIdCount; ++i)
        if (reading.score[i].marked
            || (reading.hasInterval && (reading.lower[i].marked || reading.upper[i].marked))
            || (trueScore && trueScoreShown(ScaleId(i), reading.interval.centre).marked))
            return true;
    return false;
}

TrueScoreText trueScoreShown(ScaleId id, double z)
{
    const conversion::Scale &scale = interpretation::scaleRow(id);
    if (scale.display == conversion::Display::Band)
        return {pageNumber(interpretation::showScore(id, z).text), false};
    if (scale.display != conversion::Display::Linear)
        return {};
    const int decimals = scale.sd < 2 ? 2 : 1;
    const bool plus = scale.mask.substr(0, 1) == "+";
    const double value = scale.mean + scale.sd * z;
    auto text = [&](double shown) { return pageDecimal(shown, decimals, plus); };
    if (value < scale.lowest)
        return {text(scale.lowest) + QLatin1Char('*'), true};
    if (value > scale.highest)
        return {text(scale.highest) + QLatin1Char('*'), true};
    return {text(value), false};
}

QString ordinal(const QString &number)
{
    // German words its percentiles without ordinals: "Prozentrang 84".
    if (number.isEmpty() || fw::currentLanguage() != fw::Language::English)
        return fw::writtenNumber(number);
    const int last = number.back().digitValue();
    const bool teen = !number.contains(QLatin1Char('.')) && number.size() >= 2
        && number.at(number.size() - 2) == QLatin1Char('1');
    const char *suffix = "th";
    if (!teen && last == 1)
        suffix = "st";
    else if (!teen && last == 2)
        suffix = "nd";
    else if (!teen && last == 3)
        suffix = "rd";
    return number + QLatin1String(suffix);
}

QString sourceText(const CalculatedScore &score)
{
    const QString heading = tr(wordsFor(score).heading);
    if (score.source() == conversion::Raw)
        return TextWords::tr("%1 %2 (mean %3, sd %4)")
            .arg(heading, pageNumber(score.value), pageNumber(score.rawMean), pageNumber(score.rawSd));
    return heading + QLatin1Char(' ') + pageNumber(score.value);
}

QString markerText(const CalculatedScore &score)
{
    if (score.source() == conversion::Z)
        return QString();
    return tr(wordsFor(score).marker) + QLatin1Char(' ') + pageNumber(score.value);
}

ScaleId statedScale(const CalculatedScore &score)
{
    switch (score.source()) {
    case conversion::Z: return ScaleId::Z;
    case conversion::T: return ScaleId::T;
    case conversion::Nce: return ScaleId::Nce;
    case conversion::Ceeb: return ScaleId::Ceeb;
    case conversion::Agct: return ScaleId::Agct;
    default: return ScaleId::Wechsler;
    }
}

QString sentence(const ReportFacts &facts)
{
    QString text = firstSentence(facts);
    if (facts.reading.hasInterval)
        text += QLatin1Char(' ') + intervalSentence(facts);
    return text;
}

interpretation::Given givenOf(const CalculatedScore &score)
{
    interpretation::Given given;
    given.position = score.source();
    given.value = text::Val(score.value);
    if (score.source() == conversion::Raw) {
        given.rawMean = text::Val(score.rawMean);
        given.rawSd = text::Val(score.rawSd);
    }
    return given;
}

interpretation::Explanations rowExplanation(const ReportFacts &facts, int row)
{
    const interpretation::Given given = givenOf(facts.score);
    if (row >= 0 && row < interpretation::kScaleIdCount)
        return interpretation::explainScale(ScaleId(row), given, facts.score.outcome, facts.reading,
                                            facts.interval ? &*facts.interval : nullptr);
    return interpretation::explainDescriptor(given, facts.score.outcome, facts.system);
}

// The given score's terms name its converter position; the figures' their
// ScaleId.
Naming naming(const ReportFacts &facts)
{
    Naming names;
    names.given = [](int position) { return positionTitle(position); };
    names.metric = [](int scale) {
        if (scale < 0 || scale >= interpretation::kScaleIdCount)
            return QString();
        return scaleTitle(ScaleId(scale));
    };
    names.system = facts.systemName;
    names.label = [system = facts.system](const std::string &label) { return descriptorLabel(system, label); };
    return names;
}

QString rowHeading(const ReportFacts &facts, int row)
{
    if (row >= 0 && row < interpretation::kScaleIdCount)
        return QStringLiteral("%1 %2").arg(scaleTitle(ScaleId(row)), pageNumber(facts.reading.score[row].text));
    return TextWords::tr("Descriptor: %1 (%2)")
        .arg(descriptorLabel(facts.system, facts.reading.descriptor), facts.systemName);
}

} // namespace report
