#include <QtTest>

#include <cmath>
#include <limits>
#include <string>

#include "conversion/calculate.h"
#include "interpretation/interpretation.h"
#include "tests/field_texts.h"

using namespace interpretation;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNan = std::numeric_limits<double>::quiet_NaN();

double below(double x) { return std::nextafter(x, -kInf); }
double above(double x) { return std::nextafter(x, kInf); }

QString shown(ScaleId scale, double z)
{
    return QString::fromStdString(showScore(scale, z).text);
}

// The smallest z whose percentile rank is at least p: P rises with z, so
// bisect on the doubles themselves.
double firstZAtRank(double p)
{
    double lo = -40, hi = 40;
    while (above(lo) < hi) {
        const double mid = lo / 2 + hi / 2;
        const double m = mid == lo ? above(lo) : (mid == hi ? below(hi) : mid);
        (percentileRank(m) < p ? lo : hi) = m;
    }
    return hi;
}

// A z whose z * 15 + 100 is exactly s.
double zOfStandardScore(double s)
{
    double z = (s - 100) / 15;
    for (int step = 0; step < 8 && z * 15 + 100 != s; ++step)
        z = z * 15 + 100 < s ? above(z) : below(z);
    return z;
}

} // namespace

class InterpretationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shownScores_data();
    void shownScores();
    void linearScalesMatchTheConverter();
    void calculateReportsItsZ_data();
    void calculateReportsItsZ();
    void reportKeepsTheConvertersEndPoints();
    void percentileRankText_data();
    void percentileRankText();
    void descriptors_data();
    void descriptors();
    void descriptorFile_data();
    void descriptorFile();
    void intervals_data();
    void intervals();
    void inverseNormal_data();
    void inverseNormal();
    void parameterChecks();
};

void InterpretationTest::shownScores_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<double>("z");
    QTest::addColumn<QString>("expected");
    // Stanine k starts at z = (k - 5.5) / 2, sten k at (k - 6) / 2.
    for (int k = 2; k <= 10; ++k) {
        const auto rows = [&](ScaleId scale, double edge, const char *name) {
            const QByteArray at = QByteArray(name) + " " + QByteArray::number(edge);
            QTest::newRow(at) << int(scale) << edge << QString::number(k);
            QTest::newRow(at + " -ulp") << int(scale) << below(edge) << QString::number(k - 1);
            QTest::newRow(at + " +ulp") << int(scale) << above(edge) << QString::number(k);
        };
        if (k <= 9)
            rows(ScaleId::Stanine, (k - 5.5) / 2, "stanine");
        rows(ScaleId::Sten, (k - 6.0) / 2, "sten");
    }
    const int stanine = int(ScaleId::Stanine), sten = int(ScaleId::Sten),
              scaled = int(ScaleId::Scaled);
    QTest::newRow("stanine +inf") << stanine << kInf << "9";
    QTest::newRow("sten -denormal") << sten << -std::numeric_limits<double>::denorm_min() << "5";
    QTest::newRow("sten NaN") << sten << kNan << "";
    QTest::newRow("scaled half, away from 0") << scaled << -0.5 << "9"; // 8.5
    QTest::newRow("scaled lowest") << scaled << -3.0 << "1";
    QTest::newRow("scaled held, not rounded up") << scaled << -3.1 << "1*"; // 0.7
    QTest::newRow("scaled above highest") << scaled << 3.000000000001 << "19*";
    QTest::newRow("scaled an ulp above 3 is 19") << scaled << above(3.0) << "19";
    QTest::newRow("z 1e308") << int(ScaleId::Z) << 1e308 << "+6.99*";
}

void InterpretationTest::shownScores()
{
    QFETCH(int, scale);
    QFETCH(double, z);
    QFETCH(QString, expected);
    const ShownScore s = showScore(ScaleId(scale), z);
    QCOMPARE(QString::fromStdString(s.text), expected);
    QCOMPARE(s.marked, expected.endsWith('*'));
}

// From a raw score the report and the converter's fields show the same text
// on all six linear scales, bounds and marks included.
void InterpretationTest::linearScalesMatchTheConverter()
{
    const ScaleId linear[] = {ScaleId::Z,    ScaleId::T,    ScaleId::Wechsler,
                              ScaleId::Nce,  ScaleId::Ceeb, ScaleId::Agct};
    for (int tenths = -1500; tenths <= 4500; tenths += 7) {
        conversion::FieldTexts fields;
        fields.raw = std::to_string(tenths / 10) + "." + std::to_string(std::abs(tenths % 10));
        fields.rawMean = "100";
        fields.rawSd = "15";
        const conversion::Outcome out = conversion::calculate(fields);
        QVERIFY(!out.refused);
        for (ScaleId scale : linear) {
            const int position = scaleRow(scale).position;
            const ShownScore s = showScore(scale, out.z);
            QCOMPARE(s.text, out.results[position]);
            QCOMPARE(s.marked, out.marked[position]);
        }
    }
}

void InterpretationTest::calculateReportsItsZ_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<double>("z");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("zField");
    QTest::newRow("raw beyond the z scale") << "raw=250;mean=100;sd=15" << 10.0
                                            << int(conversion::Raw) << "+6.99*";
    QTest::newRow("raw wins over z") << "raw=85;mean=100;sd=15;z=2" << -1.0
                                     << int(conversion::Raw) << "-1.0";
    QTest::newRow("percentile 50") << "percentile=50" << 0.0 << int(conversion::Percentile)
                                   << "+.0";
}

void InterpretationTest::calculateReportsItsZ()
{
    QFETCH(QString, record);
    QFETCH(double, z);
    QFETCH(int, source);
    QFETCH(QString, zField);
    const conversion::Outcome out = conversion::calculate(fieldsFrom(record));
    QVERIFY(!out.refused);
    QCOMPARE(out.z, z);
    QCOMPARE(out.source, source);
    QCOMPARE(QString::fromStdString(out.results[conversion::Z]), zField);
}

void InterpretationTest::reportKeepsTheConvertersEndPoints()
{
    // Percentile 99 is NCE 99 in the converter; its z alone gives a little
    // more, held at the bound.
    const conversion::Outcome out = conversion::calculate(fieldsFrom(QString("percentile=99")));
    QCOMPARE(showScore(ScaleId::Nce, out.z).text, std::string("99*"));
    const Interpretation report = interpret(out, builtInSystems().front(), nullptr);
    QCOMPARE(report.score[int(ScaleId::Nce)].text, std::string("99"));
    QVERIFY(!report.score[int(ScaleId::Nce)].marked);
    QCOMPARE(report.score[int(ScaleId::Stanine)].text, std::string("9"));
    QCOMPARE(report.score[int(ScaleId::PercentileRank)].text, std::string("99"));

    const IntervalSettings settings{0.9, 95, Method::TrueScore};
    const conversion::Outcome refused = conversion::calculate(fieldsFrom(QString("z=7")));
    QVERIFY(refused.refused);
    const Interpretation none = interpret(refused, builtInSystems().front(), &settings);
    QVERIFY(!none.hasInterval);
    QVERIFY(none.descriptor.empty() && none.score[int(ScaleId::Z)].text.empty());
}

void InterpretationTest::percentileRankText_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << 0.0 << "50";
    QTest::newRow("2.5") << 2.5 << "99";
    QTest::newRow("2.75") << 2.75 << "99.7";
    QTest::newRow("-2.6") << -2.6 << "0.5";
    QTest::newRow("-3") << -3.0 << "0.1";
    QTest::newRow("-3.2") << -3.2 << "<0.1";
    QTest::newRow("3") << 3.0 << "99.9";
    QTest::newRow("3.1") << 3.1 << ">99.9";
    QTest::newRow("+inf") << kInf << ">99.9";
    QTest::newRow("-inf") << -kInf << "<0.1";
    QTest::newRow("NaN") << kNan << "";
    // Either side of each point where the display changes.
    struct Switch { double p; const char *below, *at; };
    const Switch switches[] = {{0.1, "<0.1", "0.1"}, {0.5, "0.5", "1"}, {1, "1", "1"},
                               {99, "99", "99"}, {99.5, "99", "99.5"}, {99.9, "99.9", "99.9"}};
    for (const Switch &s : switches) {
        const double z = firstZAtRank(s.p);
        QTest::newRow(qPrintable(QString("P just below %1").arg(s.p))) << below(z) << s.below;
        QTest::newRow(qPrintable(QString("P at or just above %1").arg(s.p))) << z << s.at;
    }
    const double z = firstZAtRank(above(99.9));
    QTest::newRow("P at most 99.9") << below(z) << "99.9";
    QTest::newRow("P just above 99.9") << z << ">99.9";
}

void InterpretationTest::percentileRankText()
{
    QFETCH(double, z);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(interpretation::percentileRankText(z)), expected);
    QCOMPARE(shown(ScaleId::PercentileRank, z), expected);
}

// Every cut of every built-in system, as published, top down: the label
// from that whole standard score up, with the band below starting half a
// point lower (scores are rounded before they are labelled).
void InterpretationTest::descriptors_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<double>("z");
    QTest::addColumn<QString>("expected");
    const struct { const char *system; const char *bands; } systems[] = {
        {"aacn", "130 Exceptionally High|120 Above Average|110 High Average|90 Average|80 Low Average|"
                 "70 Below Average|- Exceptionally Low"},
        {"wechsler", "130 Extremely High|120 Very High|110 High Average|90 Average|80 Low Average|"
                     "70 Very Low|- Extremely Low"},
        {"wechsler-classic", "130 Very Superior|120 Superior|110 High Average|90 Average|80 Low Average|"
                             "70 Borderline|- Extremely Low"},
        {"woodcock-johnson", "131 Very Superior|121 Superior|111 High Average|90 Average|80 Low Average|"
                             "70 Low|- Very Low"},
    };
    for (const auto &system : systems) {
        const QStringList bands = QString::fromLatin1(system.bands).split('|');
        for (int i = 0; i + 1 < bands.size(); ++i) {
            const double from = bands[i].section(' ', 0, 0).toDouble();
            const QString label = bands[i].section(' ', 1);
            const QString below = bands[i + 1].section(' ', 1);
            QTest::newRow(qPrintable(QString("%1 %2 from %3").arg(system.system, label).arg(from)))
                << system.system << zOfStandardScore(from - 0.5) << label;
            QTest::newRow(qPrintable(QString("%1 %2 below %3").arg(system.system, below).arg(from)))
                << system.system << zOfStandardScore(from - 0.51) << below;
        }
        QTest::newRow(qPrintable(QString("%1 +inf").arg(system.system)))
            << system.system << kInf << bands.first().section(' ', 1);
        QTest::newRow(qPrintable(QString("%1 -inf").arg(system.system)))
            << system.system << -kInf << bands.last().section(' ', 1);
    }
    QTest::newRow("aacn NaN") << "aacn" << kNan << "";
}

void InterpretationTest::descriptors()
{
    QFETCH(QString, system);
    QFETCH(double, z);
    QFETCH(QString, expected);
    const DescriptorSystem *found = findSystem(system.toStdString());
    QVERIFY(found);
    QCOMPARE(QString::fromStdString(describe(z, *found)), expected);
}

void InterpretationTest::descriptorFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("labels"); // for S = 50, 85, 100, 130
    QTest::newRow("top down, CRLF, BOM, quoted")
        << QByteArray("\xEF\xBB\xBF" "From , Label\r\n120,\"High, very\"\r\n\r\n90,Mid\r\n70,Low") << ""
        << "Low|Low|Mid|High, very";
    QTest::newRow("unsorted, signed") << QByteArray("from,label\n90,Mid\n-5,Low\n120,High\n") << ""
                                      << "Low|Low|Mid|High";
    QTest::newRow("no header") << QByteArray("70,Low\n90,Mid\n")
                               << "line 1: the header must be \"from,label\"" << "";
    QTest::newRow("decimal from") << QByteArray("from,label\n70,Low\n89.5,Mid\n")
                               << "line 3: \"89.5\" is not a whole standard score" << "";
    QTest::newRow("third cell") << QByteArray("from,label\n70,Low\n\n90,Mid,x\n")
                               << "line 4: expected 2 cells, from and label, but found 3" << "";
    QTest::newRow("open quote") << QByteArray("from,label\n70,\"Low\n")
                               << "line 2: a quoted cell is not closed properly" << "";
    QTest::newRow("duplicate") << QByteArray("from,label\n120,High\n90,Mid\n120,Top\n")
                               << "line 4: from 120 is given already on line 2" << "";
    QTest::newRow("header only") << QByteArray("from,label\n\n")
                                 << "line 1: the header is followed by no bands" << "";
    QTest::newRow("blank lines first, spaces around cells")
        << QByteArray("\n\n from , label \n 70 , Low \n90,Mid") << "" << "Low|Low|Mid|Mid";
    QTest::newRow("NUL in a label") << QByteArray("from,label\n70,Lo\0w\n", 19)
                                    << "line 2: the label holds a NUL byte" << "";
    QTest::newRow("invalid UTF-8") << QByteArray("from,label\n70,Low\n90,Mi\xC3(d\n")
                                   << "line 3: the label is not valid UTF-8 text" << "";
    QTest::newRow("lone CR lines") << QByteArray("from,label\r70,Low\r90,\"Mid\r")
                                   << "line 3: a quoted cell is not closed properly" << "";
    QTest::newRow("empty") << QByteArray("")
                           << "line 1: the file is empty; it needs the header \"from,label\" "
                              "and one row per band"
                           << "";
}

void InterpretationTest::descriptorFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, error);
    QFETCH(QString, labels);
    DescriptorSystem s = *findSystem("aacn");
    const std::string why = parseDescriptorFile(std::string_view(text.constData(), size_t(text.size())), s);
    QCOMPARE(QString::fromStdString(why), error);
    if (!error.isEmpty()) {
        QCOMPARE(s.key, std::string("aacn")); // left as it was
        return;
    }
    QStringList got;
    for (double score : {50.0, 85.0, 100.0, 130.0})
        got << QString::fromStdString(describe(zOfStandardScore(score), s));
    QCOMPARE(got.join('|'), labels);
}

void InterpretationTest::intervals_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("c");
    QTest::addColumn<bool>("obtained");
    QTest::addColumn<QString>("wechsler");
    QTest::addColumn<QString>("ranks");
    QTest::newRow("worked example, true score") << 1.0 << 0.9 << 95.0 << false << "105 122" << "62 93";
    QTest::newRow("worked example, obtained") << 1.0 << 0.9 << 95.0 << true << "106 124" << "65 95";
    QTest::newRow("r near 0, true score") << 1.0 << 1e-9 << 95.0 << false << "100 100" << "50 50";
    QTest::newRow("r near 0, obtained") << 1.0 << 1e-9 << 95.0 << true << "86 144" << "17 99.8";
    QTest::newRow("r near 1, true score") << 1.0 << 1 - 1e-9 << 95.0 << false << "115 115" << "84 84";
    QTest::newRow("C 50") << 1.0 << 0.9 << 50.0 << false << "110 117" << "76 86";
    QTest::newRow("C 99.9, true score") << 1.0 << 0.9 << 99.9 << false << "99 128" << "47 97";
    QTest::newRow("low, obtained") << -2.0 << 0.8 << 90.0 << true << "59 81" << "0.3 10";
    QTest::newRow("beyond the scales") << 10.0 << 0.9 << 95.0 << true << "199* 199*"
                                       << ">99.9 >99.9";
}

void InterpretationTest::intervals()
{
    QFETCH(double, z);
    QFETCH(double, r);
    QFETCH(double, c);
    QFETCH(bool, obtained);
    QFETCH(QString, wechsler);
    QFETCH(QString, ranks);
    const IntervalSettings settings{r, c, obtained ? Method::Obtained : Method::TrueScore};
    QVERIFY(checkReliability(r).empty() && checkConfidence(c).empty());
    const Interpretation i = interpret(z, *findSystem("aacn"), &settings);
    QVERIFY(i.hasInterval);
    const auto pair = [&](ScaleId s) {
        return QString::fromStdString(i.lower[int(s)].text + " " + i.upper[int(s)].text);
    };
    QCOMPARE(pair(ScaleId::Wechsler), wechsler);
    QCOMPARE(pair(ScaleId::PercentileRank), ranks);
}

void InterpretationTest::inverseNormal_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.975") << 0.975 << 1.959963984540054;
    QTest::newRow("0.5") << 0.5 << 0.0;
    // The central region, |p - 0.5| <= 0.425: exact values to 17 digits.
    QTest::newRow("0.6") << 0.6 << 0.25334710313579974;
    QTest::newRow("0.75") << 0.75 << 0.67448975019608174;
    QTest::newRow("0.84") << 0.84 << 0.99445788320975304;
    QTest::newRow("0.9") << 0.9 << 1.2815515655446006;
    QTest::newRow("tail") << 0.001 << -3.090232306167813;
    QTest::newRow("far tail") << 1e-300 << -37.0470962993612;
    QTest::newRow("1e-10") << 1e-10 << -6.361340902404056;
}

void InterpretationTest::inverseNormal()
{
    QFETCH(double, p);
    QFETCH(double, expected);
    QVERIFY2(std::fabs(interpretation::inverseNormal(p) - expected) <= 1e-15 * std::fmax(1, std::fabs(expected)),
             qPrintable(QString::number(interpretation::inverseNormal(p), 'g', 17)));
    if (1 - (1 - p) == p) // the other tail is the same probability exactly
        QCOMPARE(interpretation::inverseNormal(1 - p), -interpretation::inverseNormal(p));
}

void InterpretationTest::parameterChecks()
{
    for (double r : {0.0, 1.0, -0.1, 1.5, kNan, kInf})
        QVERIFY2(!checkReliability(r).empty(), qPrintable(QString::number(r)));
    for (double r : {1e-300, 0.5, below(1.0)})
        QVERIFY(checkReliability(r).empty());
    for (double c : {below(50.0), 100.0, 0.0, kNan, kInf})
        QVERIFY2(!checkConfidence(c).empty(), qPrintable(QString::number(c)));
    for (double c : {50.0, 95.0, 99.9})
        QVERIFY(checkConfidence(c).empty());
    // Numbers as written are compared with the limits exactly.
    const std::string rounds1 = "The reliability is too close to 1 to calculate with: it rounds to 1.";
    const std::string rounds100 =
        "The confidence level is too close to 100 to calculate with: it rounds to 100.";
    const std::pair<std::string, std::string> texts[] = {
        {"0.9", ""}, {".5", ""}, {"0.0000001", ""}, {"-0.0", checkReliability(0.0)},
        {"0", checkReliability(0.0)}, {"1", checkReliability(0.0)}, {"01.0", checkReliability(0.0)},
        {"1.0000000000000000001", checkReliability(0.0)}, {"-0.5", checkReliability(0.0)},
        {"0.999999999999999999999", rounds1},
        {"0." + std::string(400, '0') + "1",
         "The reliability is too close to 0 to calculate with: it rounds to 0."}};
    for (const auto &[text, expected] : texts)
        QVERIFY2(checkReliability(std::string_view(text)) == expected, text.c_str());
    const std::pair<std::string, std::string> levels[] = {
        {"50", ""}, {"050.00", ""}, {"99.9", ""}, {"49.999999999999999999", checkConfidence(0.0)},
        {"100", checkConfidence(0.0)}, {"-60", checkConfidence(0.0)},
        {"99.99999999999999999999", rounds100}};
    for (const auto &[text, expected] : levels)
        QVERIFY2(checkConfidence(std::string_view(text)) == expected, text.c_str());
    QCOMPARE(interpretation::inverseNormal(0), -kInf);
    QCOMPARE(interpretation::inverseNormal(1), kInf);
    QVERIFY(std::isnan(interpretation::inverseNormal(kNan)));
    QVERIFY(std::fabs(criticalZ(95) - 1.959963984540054) <= 1e-15);
    QVERIFY(checkSystem("wechsler-classic").empty());
    QCOMPARE(checkSystem("WAIS"), std::string("Unknown descriptor system \"WAIS\"; the systems "
                                              "are aacn, wechsler, wechsler-classic, "
                                              "woodcock-johnson."));
}

QTEST_GUILESS_MAIN(InterpretationTest)
#include "tst_core_interpretation.moc"
