// How figures were reached, and the age at testing: the Qt-free cores the
// report's explanations and identification stand on.
#include <QtTest>

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
    case Formula::ZFromPercentile: return "zP";
    case Formula::LinearScore: return "linear";
    case Formula::BandScore: return "band";
    case Formula::PercentileRank: return "PR";
    case Formula::ConverterPercentile: return "converter";
    case Formula::StandardScore: return "S";
    case Formula::Descriptor: return "label";
    case Formula::EstimatedTrueScore: return "T'";
    case Formula::StandardErrorOfEstimation: return "SEE";
    case Formula::StandardErrorOfMeasurement: return "SEM";
    case Formula::CriticalValue: return "zc";
    case Formula::LowerBound: return "low";
    case Formula::UpperBound: return "high";
    }
    return "?";
}

// "T' 113.50", "low 104.68 105", "converter 0.13 1* held".
QString stepText(const Step &step)
{
    QString text = formulaName(step.formula) + ' ' + QString::number(step.value, 'f', 2);
    if (!step.shown.empty())
        text += ' ' + QString::fromStdString(step.shown);
    if (step.held)
        text += " held";
    if (step.formula == Formula::Descriptor)
        text += QString(" %1..%2").arg(step.input(Symbol::BandFrom)).arg(step.input(Symbol::BandTo));
    return text;
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
        << "given 115.00 115|T' 113.50|SEE 4.50|zc 1.96|low 104.68 105|high 122.32 122";
    QTest::newRow("worked example, obtained score")
        << "wechsler=115" << 0.9 << true << wechsler
        << "given 115.00 115|SEM 4.74|zc 1.96|low 105.70 106|high 124.30 124";
    QTest::newRow("raw score on T") << "raw=23;mean=20;sd=4" << 0.0 << false << int(ScaleId::T)
                                    << "z 0.75|linear 57.50 58";
    QTest::newRow("T 20: exact rank beside the converter's percentile")
        << "t=20" << 0.0 << false << int(ScaleId::PercentileRank)
        << "z -3.00|PR 0.13 0.1|converter 0.13 1* held";
    QTest::newRow("percentile given, on z") << "percentile=2" << 0.0 << false << int(ScaleId::Z)
                                            << "zP -2.05 -2.05";
    QTest::newRow("stanine band") << "wechsler=115" << 0.0 << false << int(ScaleId::Stanine)
                                  << "z 1.00|band 7.00 7";
    QTest::newRow("held at the limit") << "raw=250;mean=100;sd=15" << 0.0 << false << wechsler
                                       << "z 10.00|linear 250.00 199* held";
    QTest::newRow("interval in ranks, worked on z")
        << "wechsler=115" << 0.9 << false << int(ScaleId::PercentileRank)
        << "z 1.00|PR 84.13 84|converter 84.13 84|T' 0.90|SEE 0.30|zc 1.96|low 0.31 +.31|high 1.49 +1.49"
           "|PR 62.25 62|PR 93.16 93";
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
    QStringList got;
    for (const Step &step : explainScale(ScaleId(scale), s.given, s.outcome, reading, interval).steps)
        got << stepText(step);
    QCOMPARE(got.join('|'), steps);
}

void ExplainTest::descriptorSteps_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("steps");
    QTest::newRow("Woodcock-Johnson Superior") << "wechsler=125" << "woodcock-johnson"
                                               << "z 1.67|S 125.00 125|label 125.00 Superior 121..130";
    QTest::newRow("lowest band, open below") << "wechsler=60" << "aacn"
                                             << "z -2.67|S 60.00 60|label 60.00 Exceptionally Low -inf..69";
    QTest::newRow("highest band, open above") << "z=6" << "wechsler"
                                              << "z 6.00|S 190.00 190|label 190.00 Extremely High 130..inf";
}

void ExplainTest::descriptorSteps()
{
    QFETCH(QString, record);
    QFETCH(QString, system);
    QFETCH(QString, steps);
    const Scored s = scored(record);
    const Explanation explanation = explainDescriptor(s.given, s.outcome, *findSystem(system.toStdString()));
    QStringList got;
    for (const Step &step : explanation.steps)
        got << stepText(step);
    QCOMPARE(got.join('|'), steps);
    QVERIFY(explanation.steps.back().source != Source::None);
}

// Worked forward, every bound the explanation gives rounds to the figure
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
                        for (const Step &step : explainScale(ScaleId(scale), given, {}, reading, &settings).steps) {
                            if (step.formula != Formula::LowerBound && step.formula != Formula::UpperBound)
                                continue;
                            const QString context = QString("z %1 r %2 C %3 %4 %5").arg(z).arg(r).arg(c)
                                                        .arg(QString::fromUtf8(row.name.data(), int(row.name.size())))
                                                        .arg(formulaName(step.formula));
                            if (step.held) {
                                QVERIFY2(step.value < row.lowest || step.value > row.highest, qPrintable(context));
                            } else {
                                QCOMPARE(QString::fromStdString(text::Format(step.value, row.mask)),
                                         QString::fromStdString(step.shown));
                            }
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
