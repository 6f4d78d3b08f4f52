#include <QtTest>

#include <cmath>
#include <cstdio>
#include <string>

#include "conversion/calculate.h"
#include "conversion/scales.h"
#include "tests/field_texts.h"

using namespace conversion;

namespace {

// A double in hexadecimal notation, which shows every bit: QCOMPARE on
// doubles would forgive the last few, and QString::asprintf rounds %a.
QString bits(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return QString::fromLatin1(text);
}

QString joinedResults(const Outcome &o)
{
    QStringList parts;
    for (int i = Z; i <= Percentile; ++i)
        parts << QString::fromStdString(o.results[i]);
    return parts.join('|');
}

} // namespace

class CalculateTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void percentileFromZIsPinned_data();
    void percentileFromZIsPinned();
    void zFromPercentileIsPinned_data();
    void zFromPercentileIsPinned();
    void nceEndPointsRoundTripExactly();
    void percentilesOfOppositeZsAddToHundred();
    void results_data();
    void results();
    void refusals_data();
    void refusals();
    void agreement_data();
    void agreement();
    void everyConversionAgreesWithItself();
};

// Both approximations to the last bit, which pins their accuracy too: a
// changed digit in one of their constants, or a reordered operation, moves
// some of these points.
void CalculateTest::percentileFromZIsPinned_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("percentile");
    QTest::newRow("-6.99") << -6.99 << 0x1.41d38p-32; // 2.9269919821217627e-10
    QTest::newRow("-3.5") << -3.5 << 0x1.7d4bc97d6f7p-6; // 0.023272463576851088
    QTest::newRow("-2.33") << -2.33 << 0x1.fb09d57d55ecp-1; // 0.9903094020364378
    QTest::newRow("-1.96") << -1.96 << 0x1.3ff984fbf0cfcp+1; // 2.4998022298983624
    QTest::newRow("-1.0") << -1.0 << 0x1.fbb26ffcc92f8p+3; // 15.865531915399956
    QTest::newRow("-0.5") << -0.5 << 0x1.eda8f0ee68f83p+4; // 30.853745394982536
    QTest::newRow("-0.01") << -0.01 << 0x1.8ccefc867abb1p+5; // 49.601067591305203
    QTest::newRow("0.01") << 0.01 << 0x1.933103798544fp+5; // 50.398932408694797
    QTest::newRow("0.25") << 0.25 << 0x1.def71056b91b2p+5; // 59.870636632465349
    QTest::newRow("1.0") << 1.0 << 0x1.5089b20066da1p+6; // 84.134468084600044
    QTest::newRow("1.5") << 1.5 << 0x1.7546f3f52bfbap+6; // 93.319289999780182
    QTest::newRow("1.96") << 1.96 << 0x1.860033d820798p+6; // 97.500197770101636
    QTest::newRow("2.33") << 2.33 << 0x1.8c09ec5505542p+6; // 99.009690597963555
    QTest::newRow("3.0") << 3.0 << 0x1.8f75c778674c7p+6; // 99.865018731407972
    QTest::newRow("4.5") << 4.5 << 0x1.8fffa58b39289p+6; // 99.999654937137294
    QTest::newRow("6.99") << 6.99 << 0x1.8ffffffffaf8bp+6; // 99.999999999707299
}

void CalculateTest::percentileFromZIsPinned()
{
    QFETCH(double, z);
    QFETCH(double, percentile);
    QCOMPARE(bits(PercentileFromZ(z)), bits(percentile));
}

void CalculateTest::zFromPercentileIsPinned_data()
{
    QTest::addColumn<double>("percentile");
    QTest::addColumn<double>("z");
    QTest::newRow("0.5") << 0.5 << -0x1.49c21a99fff98p+1; // -2.5762360813095704
    QTest::newRow("1.0") << 1.0 << -0x1.29d41a0e139d7p+1; // -2.3267853325589658
    QTest::newRow("2.5") << 2.5 << -0x1.f5dc70f770606p+0; // -1.9603949169253396
    QTest::newRow("5.0") << 5.0 << -0x1.a52c93b26c396p+0; // -1.6452114401438158
    QTest::newRow("10.0") << 10.0 << -0x1.481f6033859a1p+0; // -1.2817287565027089
    QTest::newRow("25.0") << 25.0 << -0x1.592f51a79bdb4p-1; // -0.6741891400433162
    QTest::newRow("40.0") << 40.0 << -0x1.0300f0458ad5cp-2; // -0.25293326782658254
    QTest::newRow("49.0") << 49.0 << -0x1.9992aaf09de4p-6; // -0.024998347218995187
    QTest::newRow("51.0") << 51.0 << 0x1.9992aaf09de4p-6; // 0.024998347218995187
    QTest::newRow("84.0") << 84.0 << 0x1.fd24db26be673p-1; // 0.99442181442209543
    QTest::newRow("99.5") << 99.5 << 0x1.49c21a99fff98p+1; // 2.5762360813095704
}

void CalculateTest::zFromPercentileIsPinned()
{
    QFETCH(double, percentile);
    QFETCH(double, z);
    QCOMPARE(bits(ZFromPercentile(percentile)), bits(z));
}

void CalculateTest::nceEndPointsRoundTripExactly()
{
    WorkingSet set(0, 1);
    QCOMPARE(PercentileFromZ(0), 50.0);
    QCOMPARE(set.ConvertLinear(99, Nce, Nce), 99.0);
    QCOMPARE(set.ConvertLinear(1, Nce, Nce), 1.0);
    // At percentile 50 the magnitude is a tiny negative number; the sign
    // multiplies it away.
    QCOMPARE(ZFromPercentile(50), 0.0);
}

void CalculateTest::percentilesOfOppositeZsAddToHundred()
{
    for (double z = 0.05; z < 7; z += 0.37)
        QVERIFY(std::fabs(PercentileFromZ(z) + PercentileFromZ(-z) - 100) < 1e-9);
    for (double p = 1; p <= 49; p += 2.5)
        QCOMPARE(ZFromPercentile(p), -ZFromPercentile(100 - p));
}

void CalculateTest::results_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("expected"); // z|T|Wechsler|NCE|CEEB|AGCT|percentile
    QTest::addColumn<bool>("legend");

    QTest::newRow("raw 115/100/15") << "raw=115;mean=100;sd=15"
                                    << "+1.0|60|115|71|600|120|84" << false;
    QTest::newRow("raw 150 marks three") << "raw=150;mean=100;sd=15"
                                         << "+3.33|83|150|99*|800*|167|99*" << true;
    QTest::newRow("raw wins over z") << "raw=115;mean=100;sd=15;z=2"
                                     << "+1.0|60|115|71|600|120|84" << false;
    QTest::newRow("two raw fields and T") << "raw=1;mean=5;t=63"
                                          << "+1.3|63|120|77|630|126|90" << false;
    QTest::newRow("percentile beats T") << "t=63;percentile=40"
                                        << "-.25|47|96|45|475|95|40" << false;
    QTest::newRow("last filled field wins") << "z=1;wechsler=130"
                                            << "+2.0|70|130|92|700|140|98" << false;
    QTest::newRow("z at upper bound") << "z=6.99"
                                      << "+6.99|99*|199*|99*|800*|199*|99*" << true;
    QTest::newRow("NCE 99 end point") << "nce=99"
                                      << "+2.33|73|135|99|733|147|99" << false;
    QTest::newRow("percentile 99 end point") << "percentile=99"
                                             << "+2.33|73|135|99|733|147|99" << false;
    QTest::newRow("raw mode has no end point") << "raw=99;mean=50;sd=21.06"
                                               << "+2.33|73|135|99|733|147|99*" << true;
    QTest::newRow("percentile 50 writes +.0") << "percentile=50"
                                              << "+.0|50|100|50|500|100|50" << false;
    QTest::newRow("CEEB 800 at bound") << "ceeb=800"
                                       << "+3.0|80|145|99*|800|160|99*" << true;
    QTest::newRow("T 99: Wechsler half rounds up") << "t=99"
                                                   << "+4.9|99|174|99*|800*|198|99*" << true;
    QTest::newRow("AGCT decimal") << "agct=137.5"
                                  << "+1.88|69|128|89|688|138|97" << false;
    QTest::newRow("percentile 2.5 pasted") << "percentile=2.5"
                                           << "-1.96|30|71|9|304|61|3" << false;
    QTest::newRow("lone space counts as filled") << "z= "
                                                 << "+.0|50|100|50|500|100|50" << false;
    QTest::newRow("letters read as zero") << "raw=abc;mean=1;sd=1"
                                          << "-1.0|40|85|29|400|80|16" << false;
    QTest::newRow("unchosen fields not validated") << "z=99;t=x;percentile=50"
                                                   << "+.0|50|100|50|500|100|50" << false;
    QTest::newRow("huge raw difference clamps")
        << "raw=1" + QString(300, '0') + ";mean=-1" + QString(300, '0') + ";sd=1"
        << "+6.99*|99*|199*|99*|800*|199*|99*" << true;
}

void CalculateTest::results()
{
    QFETCH(QString, fields);
    QFETCH(QString, expected);
    QFETCH(bool, legend);
    const Outcome o = calculate(fieldsFrom(fields));
    QVERIFY2(!o.refused, o.message.c_str());
    QCOMPARE(joinedResults(o), expected);
    QCOMPARE(o.legendVisible, legend);
    for (int i = Z; i <= Percentile; ++i)
        QCOMPARE(o.marked[i], o.results[i].back() == '*');
}

void CalculateTest::refusals_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString nothing = QString::fromUtf8(kNothingToCalculateMessage);
    const QString huge(400, '9');

    QTest::newRow("empty") << "" << nothing << "";
    QTest::newRow("two raw fields only") << "raw=1;mean=2" << nothing << "";
    QTest::newRow("z 7") << "z=7" << "z scores must range from -6.99 to +6.99." << "zFld";
    QTest::newRow("T 0") << "t=0" << "T scores must range from 1 to 99." << "tFld";
    QTest::newRow("Wechsler 200") << "wechsler=200"
                                  << "Wechsler IQ scores must range from 1 to 199." << "wechslerFld";
    QTest::newRow("NCE 0") << "nce=0" << "NCE scores must range from 1 to 99." << "nceFld";
    QTest::newRow("CEEB 199") << "ceeb=199"
                              << "CEEB scores must range from 200 to 800." << "greFld";
    QTest::newRow("AGCT 199.5") << "agct=199.5"
                                << "AGCT scores must range from 1 to 199." << "agctFld";
    QTest::newRow("percentile 0") << "percentile=0"
                                  << "Percentile scores must range from 1 to 99." << "percentileFld";
    QTest::newRow("percentile 99.01") << "percentile=99.01"
                                      << "Percentile scores must range from 1 to 99." << "percentileFld";
    QTest::newRow("huge z") << "z=" + huge
                            << "z scores must range from -6.99 to +6.99." << "zFld";
    QTest::newRow("sd 0") << "raw=110;mean=100;sd=0"
                          << "The raw score sd must be greater than 0." << "rawsdFld";
    QTest::newRow("sd 0, raw at mean") << "raw=100;mean=100;sd=0"
                                       << "The raw score sd must be greater than 0." << "rawsdFld";
    QTest::newRow("negative sd") << "raw=110;mean=100;sd=-15"
                                 << "The raw score sd must be greater than 0." << "rawsdFld";
    QTest::newRow("sd text reads as 0") << "raw=110;mean=100;sd=x"
                                        << "The raw score sd must be greater than 0." << "rawsdFld";
    QTest::newRow("infinite raw") << "raw=" + huge + ";mean=100;sd=15"
                                  << "The raw score is too large a number to calculate with."
                                  << "rawFld";
    QTest::newRow("infinite mean") << "raw=1;mean=-" + huge + ";sd=15"
                                   << "The raw score mean is too large a number to calculate with."
                                   << "rawmeanFld";
    QTest::newRow("infinite sd") << "raw=1;mean=2;sd=" + huge
                                 << "The raw score sd is too large a number to calculate with."
                                 << "rawsdFld";
}

void CalculateTest::refusals()
{
    QFETCH(QString, fields);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const Outcome o = calculate(fieldsFrom(fields));
    QVERIFY(o.refused);
    QCOMPARE(QString::fromStdString(o.message), message);
    QCOMPARE(QString::fromStdString(o.focusField), focus);
    QVERIFY(!o.legendVisible);
}

QTEST_GUILESS_MAIN(CalculateTest)
#include "tst_core_calculate.moc"

// Scores typed by hand, or one result typed over in a converted file.
void CalculateTest::agreement_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("expected"); // "agree", "apart <field>" or "<field> <field>"

    QTest::newRow("one score") << "wechsler=70" << "agree";
    QTest::newRow("converted row") << "z=+1.0;t=60;wechsler=115;nce=71;ceeb=600;agct=120;percentile=84"
                                   << "agree";
    QTest::newRow("different precision") << "z=1;t=60;percentile=84" << "agree";
    QTest::newRow("z with two decimals and percentile") << "z=1.24;percentile=89" << "agree";
    QTest::newRow("rounding half way") << "z=1.5;wechsler=122.5" << "agree";
    QTest::newRow("Wechsler typed over") << "z=+1.0;t=60;wechsler=70;nce=71;ceeb=600;agct=120;percentile=84"
                                         << "apart wechsler";
    QTest::newRow("percentile typed over") << "z=+1.0;t=60;wechsler=115;percentile=16"
                                           << "apart percentile";
    QTest::newRow("two scores") << "t=60;wechsler=70" << "t wechsler";
    QTest::newRow("one decimal finer") << "z=1.2;wechsler=115" << "z wechsler";
    QTest::newRow("two against two") << "z=1;t=60;wechsler=70;agct=80" << "t wechsler";
}

void CalculateTest::agreement()
{
    QFETCH(QString, fields);
    QFETCH(QString, expected);
    const FieldTexts texts = fieldsFrom(fields);
    FieldTextViews views;
    for (int position = Z; position <= Percentile; ++position) {
        const std::string &text = texts.score[size_t(position)];
        views.score[size_t(position)] = std::string_view(text).substr(!text.empty() && text[0] == '+');
    }
    const std::optional<Disagreement> found = scoresDisagree(views);
    const auto name = [](int position) { return kFieldNames[position + 2]; };
    QString seen = QStringLiteral("agree");
    if (found && found->apart != kNoPosition)
        seen = "apart " + name(found->apart);
    else if (found)
        seen = name(found->first) + ' ' + name(found->second);
    QCOMPARE(seen, expected);
}

// Whatever a score converts to agrees with it, so that the tool's output
// converted again is never refused as edited.
void CalculateTest::everyConversionAgreesWithItself()
{
    for (int source = Z; source <= Percentile; ++source) {
        const Scale &scale = kScales[source];
        const double step = (scale.highest - scale.lowest) / 997;
        for (double value = scale.lowest; value <= scale.highest; value += step) {
            FieldTexts fields;
            fields.score[size_t(source)] = std::to_string(value);
            const Outcome o = calculate(fields);
            QVERIFY(!o.refused);
            QVERIFY2(!scoresDisagree(o.results), qPrintable(joinedResults(o)));
        }
    }
    for (double raw = -60; raw <= 60; raw += 0.0731) {
        const Outcome o = calculate(fieldsFrom(QStringLiteral("raw=%1;mean=3;sd=7.3").arg(raw, 0, 'f', 4)));
        QVERIFY2(!scoresDisagree(o.results), qPrintable(joinedResults(o)));
    }
}
