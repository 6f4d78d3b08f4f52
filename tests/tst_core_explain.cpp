// How figures were reached, and the age at testing: the Qt-free cores the
// report's explanations and identification stand on.
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <string>

#include "conversion/calculate.h"
#include "interpretation/age.h"
#include "interpretation/explain.h"
#include "tests/field_texts.h"
#include "text/text_routines.h"

using namespace interpretation;

namespace {

QString formulaName(Formula formula)
{
    switch (formula) {
    case Formula::GivenScore: return "given";
    case Formula::ZFromScore: return "z";
    case Formula::ZFromPercentileApproximate: return "zP";
    case Formula::ScoreOnMetric: return "metric";
    case Formula::BandOnMetric: return "band";
    case Formula::PercentileRank: return "rank";
    case Formula::ApproximatePercentile: return "approximate";
    case Formula::Descriptor: return "label";
    case Formula::IntervalTrueScore: return "true-score";
    case Formula::IntervalObtained: return "obtained";
    default: return "?";
    }
}

QString number(double value)
{
    return QString::number(value, 'f', 2);
}

// "metric 57.50 58", "true-score 104.68 105 (1.96 0.90 0.30 0.59 0.31)":
// the result, the figure shown, then the values worked on the way.
QString explanationText(const Explanation &e)
{
    QString text = formulaName(e.formula) + ' ' + number(e.result.value);
    if (!e.shown.empty())
        text += ' ' + QString::fromStdString(e.shown);
    QStringList steps;
    for (const Term &step : e.steps)
        steps << number(step.value);
    if (!steps.isEmpty())
        text += " (" + steps.join(' ') + ')';
    return text;
}

QString explanationsText(const Explanations &explanations)
{
    QStringList texts;
    for (const Explanation &e : explanations)
        texts << explanationText(e);
    return texts.join('|');
}

struct Scored {
    conversion::Outcome outcome;
    Given given;
};

Scored scored(const QString &record)
{
    const QStringList texts = fieldList(record);
    Scored s{conversion::calculate(fieldsFrom(texts)), {}};
    s.given.position = s.outcome.source;
    const int at = s.outcome.source == conversion::Raw ? 0 : s.outcome.source + 2;
    s.given.value = texts[at].toDouble();
    s.given.rawMean = texts[1].toDouble();
    s.given.rawSd = texts[2].toDouble();
    return s;
}

} // namespace

class ExplainTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void scaleSteps_data();
    void scaleSteps();
    void descriptorSteps_data();
    void descriptorSteps();
    void boundsLeadToTheFiguresShown();
    void dates_data();
    void dates();
    void dottedDates_data();
    void dottedDates();
    void ages_data();
    void ages();
};

void ExplainTest::scaleSteps_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<double>("r"); // 0: no interval
    QTest::addColumn<bool>("obtained");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("steps");
    const int wechsler = int(ScaleId::Wechsler);
    QTest::newRow("worked example, true score")
        << "wechsler=115" << 0.9 << false << wechsler
        << "given 115.00 115|true-score 104.68 105 (1.96 0.90 0.30 0.59 0.31)"
           "|true-score 122.32 122 (1.96 0.90 0.30 0.59 1.49)";
    QTest::newRow("worked example, obtained score")
        << "wechsler=115" << 0.9 << true << wechsler
        << "given 115.00 115|obtained 105.70 106 (1.96 0.32 0.62 0.38)|obtained 124.30 124 (1.96 0.32 0.62 1.62)";
    QTest::newRow("raw score on T") << "raw=23;mean=20;sd=4" << 0.0 << false << int(ScaleId::T)
                                    << "z 0.75|metric 57.50 58";
    QTest::newRow("T 20: exact rank beside the converter's percentile")
        << "t=20" << 0.0 << false << int(ScaleId::PercentileRank) << "z -3.00|rank 0.13 0.1|approximate 0.13 1*";
    QTest::newRow("percentile given, on z") << "percentile=2" << 0.0 << false << int(ScaleId::Z)
                                            << "zP -2.05 -2.05";
    QTest::newRow("stanine band") << "wechsler=115" << 0.0 << false << int(ScaleId::Stanine)
                                  << "z 1.00|band 7.00 7";
    QTest::newRow("held at the limit") << "raw=250;mean=100;sd=15" << 0.0 << false << wechsler
                                       << "z 10.00|metric 250.00 199*";
    QTest::newRow("interval in ranks, worked on z")
        << "wechsler=115" << 0.9 << false << int(ScaleId::PercentileRank)
        << "z 1.00|rank 84.13 84|approximate 84.13 84|true-score 0.31 +.31 (1.96 0.90 0.30 0.59 0.31)"
           "|true-score 1.49 +1.49 (1.96 0.90 0.30 0.59 1.49)|rank 62.25 62|rank 93.16 93";
}

void ExplainTest::scaleSteps()
{
    QFETCH(QString, record);
    QFETCH(double, r);
    QFETCH(bool, obtained);
    QFETCH(int, scale);
    QFETCH(QString, steps);
    const Scored s = scored(record);
    const IntervalSettings settings{r, 95, obtained ? Method::Obtained : Method::TrueScore};
    const IntervalSettings *interval = r > 0 ? &settings : nullptr;
    const Interpretation reading = interpret(s.outcome, *findSystem("aacn"), interval);
    const Explanations explanations = explainScale(ScaleId(scale), s.given, s.outcome, reading, interval);
    QCOMPARE(explanationsText(explanations), steps);
    // An interval rests on the estimated true score, its standard error and
    // the critical value, each with its source.
    std::vector<Source> expected;
    if (r > 0)
        expected = obtained ? std::vector<Source>{Source::Gulliksen1950, Source::Wichura1988}
                            : std::vector<Source>{Source::Kelley1927, Source::Dudek1979, Source::Wichura1988};
    std::vector<Source> sources = sourcesOf(explanations);
    sources.erase(std::remove(sources.begin(), sources.end(), Source::AbramowitzStegun1964), sources.end());
    QVERIFY(sources == expected);
}

void ExplainTest::descriptorSteps_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("steps");
    QTest::newRow("Woodcock-Johnson Superior") << "wechsler=125" << "woodcock-johnson"
                                               << "z 1.67|label 121.00 Superior (125.00 130.00)";
    QTest::newRow("lowest band, open below") << "wechsler=60" << "aacn"
                                             << "z -2.67|label -inf Exceptionally Low (60.00 69.00)";
    QTest::newRow("highest band, open above") << "z=6" << "wechsler"
                                              << "z 6.00|label 130.00 Extremely High (190.00 inf)";
}

void ExplainTest::descriptorSteps()
{
    QFETCH(QString, record);
    QFETCH(QString, system);
    QFETCH(QString, steps);
    const Scored s = scored(record);
    const Explanations explanations = explainDescriptor(s.given, s.outcome, *findSystem(system.toStdString()));
    QCOMPARE(explanationsText(explanations), steps);
    QVERIFY(explanations.back().source != Source::None);
}

// Worked forward, every bound an explanation gives rounds to the figure
// shown, or lies beyond the limit it is held at.
void ExplainTest::boundsLeadToTheFiguresShown()
{
    int checked = 0;
    for (double z : {-4.7, -2.0, -0.35, 0.0, 0.8, 1.0, 2.6, 6.5})
        for (double r : {0.5, 0.8, 0.9, 0.97})
            for (double c : {68.0, 95.0, 99.0})
                for (Method method : {Method::TrueScore, Method::Obtained}) {
                    const IntervalSettings settings{r, c, method};
                    const Interpretation reading = interpret(z, *findSystem("aacn"), &settings);
                    const Given given{conversion::Z, z};
                    for (int scale = 0; scale < kScaleIdCount; ++scale) {
                        const conversion::Scale &row = scaleRow(ScaleId(scale));
                        if (row.display != conversion::Display::Linear)
                            continue;
                        for (const Explanation &e : explainScale(ScaleId(scale), given, {}, reading, &settings)) {
                            if (e.formula != Formula::IntervalTrueScore && e.formula != Formula::IntervalObtained)
                                continue;
                            const QString context = QString("z %1 r %2 C %3 scale %4").arg(z).arg(r).arg(c).arg(scale);
                            if (!e.shown.empty() && e.shown.back() == '*')
                                QVERIFY2(e.result.value < row.lowest || e.result.value > row.highest,
                                         qPrintable(context));
                            else
                                QCOMPARE(QString::fromStdString(text::Format(e.result.value, row.mask)),
                                         QString::fromStdString(e.shown));
                            ++checked;
                        }
                    }
                }
    QVERIFY(checked > 1000);
}

void ExplainTest::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("iso"); // empty: refused
    QTest::newRow("ISO") << "2026-11-02" << "2026-11-02";
    QTest::newRow("single digits") << "2026-1-2" << "2026-01-02";
    QTest::newRow("leap day") << "2024-02-29" << "2024-02-29";
    QTest::newRow("leap day of a century") << "2000-02-29" << "2000-02-29";
    QTest::newRow("no leap day in 1900") << "1900-02-29" << "";
    QTest::newRow("no 29 February in 2026") << "2026-02-29" << "";
    QTest::newRow("31 April") << "2026-04-31" << "";
    QTest::newRow("month 13") << "2026-13-01" << "";
    QTest::newRow("day 0") << "2026-01-00" << "";
    QTest::newRow("year 0") << "0000-01-01" << "";
    QTest::newRow("two-digit year") << "26-11-02" << "";
    QTest::newRow("slashes") << "2026/11/02" << "";
    QTest::newRow("trailing text") << "2026-11-02x" << "";
    QTest::newRow("day first") << "02-11-2026" << "";
    QTest::newRow("empty") << "" << "";
}

void ExplainTest::dates()
{
    QFETCH(QString, text);
    QFETCH(QString, iso);
    const auto date = parseIsoDate(text.toStdString());
    QCOMPARE(date.has_value(), !iso.isEmpty());
    if (date)
        QCOMPARE(QString::fromStdString(isoDate(*date)), iso);
}

// As German writes dates: the same days, the same refusals, and written
// back with two-digit days and months.
void ExplainTest::dottedDates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("iso"); // empty: refused
    QTest::newRow("German") << "02.11.2026" << "2026-11-02";
    QTest::newRow("single digits") << "2.1.2026" << "2026-01-02";
    QTest::newRow("leap day") << "29.02.2016" << "2016-02-29";
    QTest::newRow("no leap day in 1900") << "29.02.1900" << "";
    QTest::newRow("31 April") << "31.04.2026" << "";
    QTest::newRow("month 13") << "01.13.2026" << "";
    QTest::newRow("two-digit year") << "02.11.26" << "";
    QTest::newRow("ISO is not dotted") << "2026-11-02" << "";
    QTest::newRow("year first") << "2026.11.02" << "";
    QTest::newRow("trailing dot") << "02.11.2026." << "";
    QTest::newRow("empty") << "" << "";
}

void ExplainTest::dottedDates()
{
    QFETCH(QString, text);
    QFETCH(QString, iso);
    const auto date = parseDottedDate(text.toStdString());
    QCOMPARE(date.has_value(), !iso.isEmpty());
    if (!date)
        return;
    QCOMPARE(QString::fromStdString(isoDate(*date)), iso);
    QVERIFY(parseDottedDate(dottedDate(*date)) == date);
    QVERIFY(QString::fromStdString(dottedDate(*date)).contains(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"))));
}

void ExplainTest::ages_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("testing");
    QTest::addColumn<QString>("age"); // years;months.days, or "before"
    QTest::newRow("same day") << "2016-03-14" << "2016-03-14" << "0;0.0";
    QTest::newRow("days borrowed as 30") << "2016-03-14" << "2026-11-02" << "10;7.18";
    QTest::newRow("no borrowing") << "2016-03-14" << "2026-11-20" << "10;8.6";
    QTest::newRow("months borrowed as 12") << "2016-11-20" << "2026-03-14" << "9;3.24";
    QTest::newRow("a day before the birthday") << "2016-03-14" << "2026-03-13" << "9;11.29";
    QTest::newRow("birthday") << "2016-03-14" << "2026-03-14" << "10;0.0";
    QTest::newRow("month end to the next month's first") << "2020-01-31" << "2020-02-01" << "0;0.0";
    QTest::newRow("year end to New Year") << "2015-12-31" << "2016-01-01" << "0;0.0";
    QTest::newRow("leap-day birth, 28 February") << "2016-02-29" << "2025-02-28" << "8;11.29";
    QTest::newRow("leap-day birth, 1 March") << "2016-02-29" << "2025-03-01" << "9;0.2";
    QTest::newRow("leap-day birth, leap-day birthday") << "2016-02-29" << "2024-02-29" << "8;0.0";
    QTest::newRow("tested on a leap day") << "2017-03-30" << "2024-02-29" << "6;10.29";
    QTest::newRow("a day before birth") << "2016-03-14" << "2016-03-13" << "before";
    QTest::newRow("a year before birth") << "2016-03-14" << "2015-03-14" << "before";
}

void ExplainTest::ages()
{
    QFETCH(QString, birth);
    QFETCH(QString, testing);
    QFETCH(QString, age);
    const auto b = parseIsoDate(birth.toStdString());
    const auto t = parseIsoDate(testing.toStdString());
    QVERIFY(b && t);
    const auto got = ageAt(*b, *t);
    QCOMPARE(got ? QString("%1;%2.%3").arg(got->years).arg(got->months).arg(got->days) : QString("before"), age);
}

QTEST_GUILESS_MAIN(ExplainTest)
#include "tst_core_explain.moc"
