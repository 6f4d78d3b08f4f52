// The profile core: published worked examples, each formula at its edges,
// refusals, correlation files, and explanations that agree with the tables.
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

#include <boost/math/distributions/normal.hpp>

#include "profile/analysis.h"
#include "profile/formulas.h"
#include "profile/unusual.h"
#include "interpretation/interpretation.h"
#include "text/fixed_number.h"
#include "text/text_routines.h"

using namespace profile;

namespace {

// "name,scale,score,mean,sd,reliability,retest,practice,group,set" per entry,
// entries separated by "|"; trailing cells may be left off.
Profile profileOf(const QString &entries)
{
    Profile p;
    for (const QString &written : entries.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        QStringList cells = written.split(QLatin1Char(','));
        while (cells.size() < 10)
            cells << QString();
        std::vector<std::string> c;
        for (const QString &cell : cells)
            c.push_back(cell.toStdString());
        p.entries.emplace_back();
        readEntry({c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8], c[9]}, '.',
                  p.entries.back());
    }
    return p;
}

// "metric=z alpha=.15 bonferroni confidence=90 obtained"
Settings settingsOf(const QString &written)
{
    Settings s;
    for (const QString &word : written.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString value = word.section(QLatin1Char('='), 1);
        if (word.startsWith("metric="))
            s.metric = *findMetric(value.toStdString());
        else if (word.startsWith("alpha="))
            s.alpha = value.toDouble();
        else if (word.startsWith("confidence="))
            s.confidence = value.toDouble();
        else if (word == "bonferroni")
            s.bonferroni = true;
        else if (word == "obtained")
            s.method = interpretation::Method::Obtained;
        else
            qFatal("unknown setting %s", qPrintable(word));
    }
    return s;
}

Correlations correlationsOf(const QString &csv)
{
    Correlations c;
    CorrelationError error;
    if (!csv.isEmpty() && !Correlations::parse(csv.toStdString(), c, error))
        qFatal("bad correlations: %s", errorMessage(error).c_str());
    return c;
}

// "score 0 deviation", "pair 2 base_rate", "composite 0 reliability".
QString figureText(const Analysis &a, const QString &path)
{
    const QStringList words = path.split(QLatin1Char(' '));
    const size_t i = words[1].toUInt();
    const QString &what = words[2];
    const auto text = [](const auto &s) { return QString::fromStdString(std::string(s)); };
    if (words[0] == "score") {
        const ScoreResult &s = a.scores.at(i);
        const std::map<QString, const Figure *> figures = {
            {"metric", &s.metric}, {"percentile_rank", &s.percentileRank},
            {"ci_low", &s.ciLow}, {"ci_high", &s.ciHigh}, {"deviation", &s.deviation},
            {"deviation_critical", &s.deviationCritical},
            {"deviation_base_rate", &s.deviationBaseRate}, {"retest", &s.retest}, {"rci", &s.rci}};
        if (figures.count(what))
            return text(figures.at(what)->text);
        if (what == "descriptor")
            return text(s.descriptor);
        if (what == "mark")
            return text(markText(s.mark));
        if (what == "change")
            return text(changeText(s.change));
    } else if (words[0] == "pair") {
        const PairResult &p = a.pairs.at(i);
        const std::map<QString, const Figure *> figures = {
            {"difference", &p.difference}, {"se", &p.se}, {"critical", &p.critical},
            {"base_rate", &p.baseRate}};
        if (figures.count(what))
            return text(figures.at(what)->text);
        if (what == "significant")
            return text(significanceText(p.significant));
        if (what == "names")
            return QString::number(p.first) + "-" + QString::number(p.second);
    } else if (words[0] == "composite") {
        const CompositeResult &c = a.composites.at(i);
        const std::map<QString, const Figure *> figures = {
            {"metric", &c.metric}, {"percentile_rank", &c.percentileRank},
            {"reliability", &c.reliability}, {"ci_low", &c.ciLow}, {"ci_high", &c.ciHigh}};
        if (figures.count(what))
            return text(figures.at(what)->text);
        if (what == "descriptor")
            return text(c.descriptor);
        if (what == "members") {
            QStringList members;
            for (int m : c.members)
                members << QString::number(m);
            return c.group.c_str() + QStringLiteral(":") + members.join(QLatin1Char('+'));
        }
    }
    qFatal("unknown figure %s", qPrintable(path));
    return {};
}

const QString kThree = "A,wechsler,115,,,.9|B,wechsler,100,,,.8|C,wechsler,85,,,.7";

} // namespace

class ProfileTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamples();
    void criticalValuesOfManyComparisons_data();
    void criticalValuesOfManyComparisons();
    void fixedNumbersAsFormatWritesThem();
    void figures_data();
    void figures();
    void refusals_data();
    void refusals();
    void refusedEntriesAreLeftOut();
    void comparisonSets_data();
    void comparisonSets();
    void labelsFollowTheFiguresShown();
    void impossibleCorrelationsAreNamed();
    void correlationFiles_data();
    void correlationFiles();
    void correlationLookUp();
    void explanationsAgreeWithTheTables();
    void explanationsOfTheWorkedExamples();
};

// The published figures, to the digits they are published with.
void ProfileTest::workedExamples()
{
    const double se = formula::pairStandardError(.90, .90, 15);
    QVERIFY(std::fabs(se - 6.708204) < 5e-7);
    QVERIFY(std::fabs(formula::pairStandardError(.90, .80, 15) - 8.215838) < 5e-7);
    QVERIFY(std::fabs(formula::pairStandardError(.80, .90, 15) - 8.215838) < 5e-7);
    QVERIFY(std::fabs(formula::criticalZ(.05) * se - 13.14784) < 5e-6);
    const double rate = formula::baseRate(16.10, formula::pairSpread(.85, 15));
    QVERIFY(std::fabs(rate - 2.5) < 0.005);
    const double rci = formula::changeIndex(-2.6, -1.5, 0, .9058);
    QVERIFY(std::fabs(rci - 2.53) < 0.005);
    QVERIFY(std::fabs(formula::compositeReliability(2, 1.6, .4) - 0.857) < 0.0005);
}

// The tables' fast writer against text::Format: halves on either side of
// their exact binary values, signs, zeros and long numbers.
// The largest battery's pairs at a small alpha: the tail is far below the
// spacing of doubles near 1, and the critical value must still be finite
// and right.
void ProfileTest::criticalValuesOfManyComparisons_data()
{
    QTest::addColumn<double>("alpha");
    QTest::addColumn<double>("comparisons");
    QTest::newRow(".05, one") << .05 << 1.0;
    QTest::newRow(".05, 45 pairs") << .05 << 45.0;
    QTest::newRow(".01, 499,500 pairs") << .01 << 499500.0;
    QTest::newRow("1e-12, 1,000 scores") << 1e-12 << 1000.0;
    QTest::newRow("1e-12, 499,500 pairs") << 1e-12 << 499500.0;
    QTest::newRow("1e-15, 499,500 pairs") << 1e-15 << 499500.0;
}

void ProfileTest::criticalValuesOfManyComparisons()
{
    QFETCH(double, alpha);
    QFETCH(double, comparisons);
    const double z = formula::criticalZ(alpha, comparisons);
    QVERIFY(std::isfinite(z));
    const double expected =
        boost::math::quantile(boost::math::complement(boost::math::normal(), alpha / (2 * comparisons)));
    QVERIFY2(std::fabs(z - expected) <= 1e-9 * expected, qPrintable(QStringLiteral("%1 against %2").arg(z, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

void ProfileTest::fixedNumbersAsFormatWritesThem()
{
    static const char *const kMasks[] = {"0", "0.0", "0.00", "0.000"};
    std::vector<double> values = {0.0, -0.0, 0.5, -0.5, 1.5, 2.5, 0.125, -0.125, 0.0005, -0.0005,
                                  0.045, 1.005, 13.14784, -13.5, 99.95, 1e14 + 0.5, -123456789.0625,
                                  std::nan(""), INFINITY, -INFINITY, 1e300};
    for (int n = -20000; n <= 20000; n += 7)
        for (double scale : {1.0, 10.0, 100.0, 1000.0}) {
            values.push_back(n / scale + 0.5 / scale); // a decimal half, seldom exact
            values.push_back(std::nextafter(n / (2 * scale), 0.0));
        }
    for (const double value : values) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            std::string text;
            const double shown = text::fixedNumber(value, decimals, text);
            const std::string expected = text::Format(value, kMasks[decimals]);
            QVERIFY2(text == expected, qPrintable(QString("%1 with %2 decimals: %3, not %4")
                                                      .arg(value, 0, 'g', 17).arg(decimals)
                                                      .arg(text.c_str(), expected.c_str())));
            if (std::isfinite(value))
                QCOMPARE(shown, std::stod(expected));
        }
    }
}

void ProfileTest::figures_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("correlations");
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("figure");
    QTest::addColumn<QString>("expected");

    const QString pair90 = "A,wechsler,120,,,.9|B,wechsler,100,,,.9";
    QTest::newRow("pair SE, r .90 and .90") << pair90 << "" << "" << "pair 0 se" << "6.71";
    QTest::newRow("pair critical 13.15") << pair90 << "" << "" << "pair 0 critical" << "13.15";
    // Unequal reliabilities: each score's own goes into the SE, whichever comes first.
    QTest::newRow("pair SE, r .90 and .80") << "A,wechsler,120,,,.9|B,wechsler,100,,,.8" << "" << ""
                                            << "pair 0 se" << "8.22";
    QTest::newRow("pair SE, r .80 and .90") << "A,wechsler,120,,,.8|B,wechsler,100,,,.9" << "" << ""
                                            << "pair 0 se" << "8.22";
    QTest::newRow("pair critical, r .95 and .70") << "A,wechsler,120,,,.95|B,wechsler,100,,,.7" << "" << ""
                                                  << "pair 0 critical" << "17.40"; // 1.96 × 8.874 = 17.393…, shown rounded up
    QTest::newRow("20 beyond 13.15") << pair90 << "" << "" << "pair 0 significant" << "yes";
    QTest::newRow("difference first minus second")
        << "A,wechsler,87,,,.9|B,wechsler,100,,,.9" << "" << "" << "pair 0 difference" << "-13";
    QTest::newRow("13 short of 13.15") << "A,wechsler,87,,,.9|B,wechsler,100,,,.9" << ""
                                       << "" << "pair 0 significant" << "no";
    // 13.149 is above 13.14784 but shown as 13: the table decides.
    QTest::newRow("decided on the difference shown")
        << "A,z,1.10099,,,.9|B,z,.2244,,,.9" << "" << "" << "pair 0 significant" << "no";
    QTest::newRow("alpha .01") << pair90 << "" << "alpha=.01" << "pair 0 critical" << "17.28";
    QTest::newRow("alpha .15") << pair90 << "" << "alpha=.15" << "pair 0 critical" << "9.66";
    QTest::newRow("r near 0") << "A,t,60,,,.01|B,t,50,,,.01" << "" << "metric=t"
                              << "pair 0 se" << "14.07";
    QTest::newRow("r near 1") << "A,t,60,,,.999|B,t,50,,,.999" << "" << "metric=t"
                              << "pair 0 critical" << "0.88";
    QTest::newRow("no reliability, no SE") << "A,t,60,,,.9|B,t,50" << "" << "" << "pair 0 se" << "";
    QTest::newRow("no reliability, no decision")
        << "A,t,60,,,.9|B,t,50" << "" << "" << "pair 0 significant" << "";

    const QString r85 = "name,A,B\nA,1,.85\nB,.85,1\n";
    // 16.10 and more in 2.5 % of people: on the z metric the difference
    // can be shown as 1.07 (16.05 on Wechsler, one direction).
    QTest::newRow("base rate .85") << "A,z,1.07,,,.9|B,z,0" << r85 << "metric=z"
                                   << "pair 0 base_rate" << "2.5";
    QTest::newRow("base rate needs the correlation")
        << "A,z,1.07|B,z,0" << "name,A,B\nA,1,\nB,,1\n" << "" << "pair 0 base_rate" << "";
    QTest::newRow("base rate below 0.1") << "A,z,3|B,z,0" << r85 << "" << "pair 0 base_rate"
                                         << "<0.1";
    QTest::newRow("base rate of no difference") << "A,z,0|B,z,0" << r85 << ""
                                                << "pair 0 base_rate" << "50.0";
    QTest::newRow("base rate of perfectly correlated scores")
        << "A,z,1|B,z,0" << "name,A,B\nA,1,1\nB,1,1\n" << "" << "pair 0 base_rate" << "<0.1";
    QTest::newRow("pairs in input order")
        << "A,z,1|B,z,0|C,z,0" << "" << "" << "pair 2 names" << "1-2";
    QTest::newRow("z metric difference") << "A,z,1.5|B,z,-.25" << "" << "metric=z"
                                         << "pair 0 difference" << "1.75";

    // Davis: reliabilities .9, .8, .7 with Wechsler 115, 100, 85.
    QTest::newRow("k 3: deviation") << kThree << "" << "" << "score 0 deviation" << "15.0";
    QTest::newRow("k 3: critical") << kThree << "" << "" << "score 0 deviation_critical"
                                   << "9.30";
    QTest::newRow("k 3: strength") << kThree << "" << "" << "score 0 mark" << "S";
    QTest::newRow("k 3: neither") << kThree << "" << "" << "score 1 mark" << "";
    QTest::newRow("k 3: weakness") << kThree << "" << "" << "score 2 mark" << "W";
    QTest::newRow("Bonferroni") << kThree << "" << "bonferroni" << "score 2 deviation_critical"
                                << "14.67";
    QTest::newRow("Bonferroni, no longer a weakness")
        << kThree << "" << "bonferroni alpha=.01" << "score 2 mark" << "";
    QTest::newRow("alpha .15 critical") << kThree << "" << "alpha=.15"
                                        << "score 1 deviation_critical" << "7.89";
    // A retest beyond its scale costs the score its change alone.
    QTest::newRow("retest beyond the scale: the score") << "A,scaled,12,,,.9,20" << "" << ""
                                                        << "score 0 metric" << "110";
    QTest::newRow("retest beyond the scale: no change") << "A,scaled,12,,,.9,20" << "" << ""
                                                        << "score 0 rci" << "";
    QTest::newRow("raw retest beyond the z scale") << "A,raw,55,50,10,.9,950" << "" << ""
                                                   << "score 0 change" << "";
    // A percentile is its own rank, not the rank of its z.
    QTest::newRow("percentile 69.5 is its own rank") << "A,percentile,69.5" << "" << ""
                                                     << "score 0 percentile_rank" << "70";
    QTest::newRow("percentile 9.5 is its own rank") << "A,percentile,9.5" << "" << ""
                                                    << "score 0 percentile_rank" << "10";
    // Correlations no scores could have leave what uses them empty.
    const QString twoInAGroup = "A,wechsler,100,,,.5,,,G|B,wechsler,100,,,.5,,,G";
    QTest::newRow("composite reliability below 0 is never shown")
        << twoInAGroup << "name,A,B\nA,1\nB,-.9,1\n" << "" << "composite 0 reliability" << "";
    const QString threeInAGroup = "A,wechsler,110,,,.9,,,G|B,wechsler,100,,,.9,,,G|C,wechsler,90,,,.9,,,G";
    const QString impossible = "name,A,B,C\nA,1\nB,.9,1\nC,.9,-.9,1\n";
    QTest::newRow("an impossible matrix: no composite") << threeInAGroup << impossible << ""
                                                        << "composite 0 metric" << "";
    QTest::newRow("an impossible matrix: no deviation base rate")
        << threeInAGroup << impossible << "" << "score 0 deviation_base_rate" << "";
    QTest::newRow("a possible matrix: a composite") << threeInAGroup << "name,A,B,C\nA,1\nB,.6,1\nC,.5,.4,1\n"
                                                    << "" << "composite 0 metric" << "100";
    QTest::newRow("alpha .01 critical") << kThree << "" << "alpha=.01"
                                        << "score 1 deviation_critical" << "14.11";
    QTest::newRow("k 2 is too few") << "A,t,60,,,.9|B,t,50,,,.9|C,t,50" << "" << ""
                                    << "score 0 deviation" << "";
    QTest::newRow("a score without reliability is no member")
        << kThree + "|D,wechsler,145" << "" << "" << "score 0 deviation" << "15.0";
    // Decided as shown: 9.26 is below the critical 9.2969 but shown as 9.3,
    // above it; 10.74 is above the critical 10.7352 but shown as 10.7.
    QTest::newRow("deviation shown above the critical value")
        << "A,wechsler,113.89,,,.9|B,wechsler,100,,,.8|C,wechsler,100,,,.7" << "" << ""
        << "score 0 mark" << "S";
    QTest::newRow("deviation shown below the critical value")
        << "A,wechsler,100,,,.9|B,wechsler,116.11,,,.8|C,wechsler,100,,,.7" << "" << ""
        << "score 1 mark" << "";
    // On the z metric the critical value 0.61980 is shown with the
    // deviation's three decimals, 0.620, and so is the deviation 0.6196.
    QTest::newRow("z deviation at the critical value as shown")
        << "A,z,.9294,,,.9|B,z,0,,,.8|C,z,0,,,.7" << "" << "metric=z" << "score 0 mark" << "S";
    QTest::newRow("z deviation critical with the deviation's decimals")
        << "A,z,.9294,,,.9|B,z,0,,,.8|C,z,0,,,.7" << "" << "metric=z"
        << "score 0 deviation_critical" << "0.620";
    QTest::newRow("deviation base rate") << kThree << "name,A,B,C\nA,1\nB,.6,1\nC,.6,.6,1\n" << ""
                                         << "score 0 deviation_base_rate" << "2.6";
    QTest::newRow("deviation base rate needs every correlation")
        << kThree << "name,A,B,C\nA,1\nB,.6,1\nC,,.6,1\n" << "" << "score 0 deviation_base_rate"
        << "";

    QTest::newRow("RCI T 24 then 35") << "A,t,24,,,.9058,35" << "" << "" << "score 0 rci" << "2.53";
    QTest::newRow("reliable gain") << "A,t,24,,,.9058,35" << "" << "" << "score 0 change"
                                   << "reliable gain";
    QTest::newRow("reliable loss") << "A,t,35,,,.9058,24" << "" << "" << "score 0 change"
                                   << "reliable loss";
    QTest::newRow("practice change taken off")
        << "A,t,24,,,.9058,35,3" << "" << "" << "score 0 change" << "no reliable change";
    QTest::newRow("practice on a raw score's own sd")
        << "A,raw,24,50,5,.9058,35,3" << "" << "" << "score 0 rci" << "3.69";
    QTest::newRow("RCI of a percentile in z") << "A,percentile,16,,,.8,50" << "" << ""
                                              << "score 0 rci" << "1.57";
    QTest::newRow("retest on the metric") << "A,t,24,,,.9058,35" << "" << "" << "score 0 retest"
                                          << "78";
    QTest::newRow("no reliability, no RCI") << "A,t,24,,,,35" << "" << "" << "score 0 rci" << "";

    const QString composite = "A,scaled,13,,,.8,,,V|B,scaled,7,,,.8,,,V";
    const QString r40 = "name,A,B\nA,1,.4\nB,.4,1\n";
    QTest::newRow("composite reliability .857")
        << composite << r40 << "" << "composite 0 reliability" << ".857";
    QTest::newRow("composite of 13 and 7") << composite << r40 << "" << "composite 0 metric"
                                           << "100";
    QTest::newRow("composite sum over its sd")
        << "A,scaled,13,,,.8,,,V|B,scaled,13,,,.8,,,V" << r40 << "" << "composite 0 metric"
        << "118";
    QTest::newRow("composite interval") << "A,scaled,13,,,.8,,,V|B,scaled,13,,,.8,,,V" << r40 << ""
                                        << "composite 0 ci_low" << "105";
    QTest::newRow("composite with a correlation missing")
        << composite << "name,A,B\nA,1,\nB,,1\n" << "" << "composite 0 metric" << "";
    QTest::newRow("composite members")
        << "A,z,1,,,,,,V|B,z,1,,,,,,W|C,z,1,,,,,,v" << "" << "" << "composite 0 members"
        << "V:0+2";
    QTest::newRow("composite without every reliability")
        << "A,scaled,13,,,.8,,,V|B,scaled,7,,,,,,V" << r40 << "" << "composite 0 reliability"
        << "";
    QTest::newRow("composite of opposed scores has no spread")
        << "A,z,1,,,,,,V|B,z,1,,,,,,V" << "name,A,B\nA,1,-1\nB,-1,1\n" << ""
        << "composite 0 metric" << "";

    QTest::newRow("percentile by the exact inverse normal")
        << "A,percentile,2.275" << "" << "" << "score 0 metric" << "70";
    QTest::newRow("metric held at its bound") << "A,z,6.8" << "" << "" << "score 0 metric"
                                              << "199*";
    QTest::newRow("z metric") << "A,t,65" << "" << "metric=z" << "score 0 metric" << "+1.5";
    QTest::newRow("scaled metric") << "A,t,65" << "" << "metric=scaled" << "score 0 metric" << "15";
    QTest::newRow("percentile rank") << "A,t,65" << "" << "" << "score 0 percentile_rank" << "93";
    QTest::newRow("descriptor") << "A,t,65" << "" << "" << "score 0 descriptor" << "Above Average";
    QTest::newRow("true-score interval") << "A,wechsler,115,,,.9" << "" << ""
                                         << "score 0 ci_low" << "105";
    QTest::newRow("obtained interval") << "A,wechsler,115,,,.9" << "" << "obtained"
                                       << "score 0 ci_high" << "124";
}

void ProfileTest::figures()
{
    QFETCH(QString, entries);
    QFETCH(QString, correlations);
    QFETCH(QString, settings);
    QFETCH(QString, figure);
    QFETCH(QString, expected);
    const Profile p = profileOf(entries);
    const Correlations c = correlationsOf(correlations);
    const Analysis a = analyse(p, c, settingsOf(settings));
    QCOMPARE(figureText(a, figure), expected);
}

void ProfileTest::refusals_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<int>("problem");
    QTest::addColumn<int>("field");
    const auto row = [](const char *name, const QString &entries, Problem problem, Field field) {
        QTest::newRow(name) << entries << int(problem) << int(field);
    };
    row("no name", ",t,50", Problem::Missing, Field::Name);
    row("no scale", "A,,50", Problem::Missing, Field::Scale);
    row("unknown scale", "A,iq,50", Problem::UnknownScale, Field::Scale);
    row("no score", "A,t,", Problem::Missing, Field::Score);
    row("score not a number", "A,t,n/a", Problem::NotANumber, Field::Score);
    row("exponent", "A,t,5e1", Problem::NotANumber, Field::Score);
    row("plus on T", "A,t,+50", Problem::NotANumber, Field::Score);
    row("stanine is a band", "A,stanine,5", Problem::BandScale, Field::Scale);
    row("sten is a band", "A,Sten,5", Problem::BandScale, Field::Scale);
    row("percentile 0", "A,percentile,0", Problem::OutOfRange, Field::Score);
    row("percentile 100", "A,percentile,100", Problem::OutOfRange, Field::Score);
    row("Wechsler beyond its scale", "A,wechsler,250", Problem::OutOfRange, Field::Score);
    row("huge raw score", "A,raw," + QString(400, '9') + ",10,2", Problem::OutOfRange, Field::Score);
    row("raw without sd", "A,raw,12,10", Problem::Missing, Field::Sd);
    row("raw sd 0", "A,raw,12,10,0", Problem::SdNotPositive, Field::Sd);
    row("reliability 1", "A,t,50,,,1", Problem::ReliabilityOutOfRange, Field::Reliability);
    row("reliability 0", "A,t,50,,,0", Problem::ReliabilityOutOfRange, Field::Reliability);
    row("reliability not a number", "A,t,50,,,high", Problem::NotANumber, Field::Reliability);
    row("raw score whose z is beyond the z scale", "A,raw,950,50,10", Problem::ZBeyondLimits, Field::Score);
    row("percentile whose z is beyond the z scale", "A,percentile,.0000000000001", Problem::ZBeyondLimits,
        Field::Score);
    row("practice on a percentile", "A,percentile,50,,,.9,60,2", Problem::PracticeOnPercentile,
        Field::Practice);
    row("same name again", "Vocabulary,t,50|vocabulary ,t,60", Problem::DuplicateName, Field::Name);
}

void ProfileTest::refusals()
{
    QFETCH(QString, entries);
    QFETCH(int, problem);
    QFETCH(int, field);
    const Profile p = profileOf(entries);
    const Analysis a = analyse(p, {}, {});
    const ScoreResult &last = a.scores.back();
    QCOMPARE(int(last.problem.problem), problem);
    QCOMPARE(int(last.problem.field), field);
    QVERIFY(last.metric.text.empty());
    QCOMPARE(last.metric.missing, Missing::Refused);
    QCOMPARE(a.refused.back(), int(p.entries.size()) - 1);
}

// Random batteries on every metric: each pair's and each deviation's label
// follows from the two numbers printed beside it, and a critical value is
// never printed below the one worked out.
void ProfileTest::labelsFollowTheFiguresShown()
{
    QRandomGenerator random(2323);
    const QStringList scales = {"wechsler", "t", "scaled", "z", "ceeb", "percentile", "raw"};
    int decided = 0;
    for (int battery = 0; battery < 400; ++battery) {
        Profile p;
        const int n = 3 + random.bounded(10);
        for (int i = 0; i < n; ++i) {
            const QString scale = scales[random.bounded(scales.size())];
            QString score;
            if (scale == "z")
                score = QString::number(random.bounded(-300, 301) / 100.0, 'f', 2);
            else if (scale == "percentile")
                score = QString::number(random.bounded(1, 1000) / 10.0, 'f', 1);
            else if (scale == "raw")
                score = QString::number(random.bounded(0, 800) / 10.0, 'f', 1) + ",40,"
                        + QString::number(random.bounded(30, 150) / 10.0, 'f', 1);
            else {
                const conversion::Scale &row = conversion::kScales[findScale(scale.toStdString())];
                score = QString::number(random.bounded(int(row.lowest), int(row.highest) + 1));
            }
            if (scale != "raw")
                score += ",,";
            const QString reliability = QString::number(0.5 + random.bounded(4700) / 10000.0, 'f', 2 + random.bounded(3));
            p.entries.push_back(profileOf(QStringLiteral("S%1,%2,%3,%4").arg(i).arg(scale, score, reliability)).entries[0]);
        }
        Settings settings;
        settings.metric = kMetrics[battery % 4];
        settings.alpha = 0.001 + random.bounded(2000) / 10000.0;
        settings.bonferroni = random.bounded(2) == 1;
        const Analysis a = analyse(p, {}, settings);
        const auto shown = [](const Figure &f) { return text::Val(f.text); };
        for (const PairResult &pair : a.pairs) {
            if (!pair.critical.known())
                continue;
            QVERIFY(shown(pair.critical) >= pair.critical.value);
            // The p shown must agree too: a difference just past the exact
            // critical value but short of it as shown has p = alpha.
            const bool significant = std::fabs(shown(pair.difference)) >= shown(pair.critical)
                                     && pShownAtMost(pair.p, settings.alpha);
            QVERIFY2(significant == (pair.significant == Significance::Yes),
                     qPrintable(QString::fromStdString(pair.difference.text + " against " + pair.critical.text)));
            ++decided;
        }
        for (const ScoreResult &score : a.scores) {
            if (!score.deviationCritical.known())
                continue;
            QVERIFY(shown(score.deviationCritical) >= score.deviationCritical.value);
            const double deviation = shown(score.deviation), critical = shown(score.deviationCritical);
            const Mark expected = deviation >= critical ? Mark::Strength
                                  : deviation <= -critical ? Mark::Weakness : Mark::None;
            QVERIFY2(score.mark == expected,
                     qPrintable(QString::fromStdString(score.deviation.text + " against " + score.deviationCritical.text)));
            ++decided;
        }
    }
    QVERIFY(decided > 10000);
}

// Correlations that contradict each other or the reliabilities are named,
// the set of them or the pair.
void ProfileTest::impossibleCorrelationsAreNamed()
{
    const Profile three = profileOf("A,wechsler,110,,,.9,,,G|B,wechsler,100,,,.9,,,G|C,wechsler,90,,,.6");
    const Analysis impossible =
        analyse(three, correlationsOf("name,A,B,C\nA,1\nB,.9,1\nC,.9,-.9,1\n"), {});
    QCOMPARE(impossible.impossibleMatrices.size(), size_t(1)); // the deviations' A, B, C
    QCOMPARE(impossible.impossibleMatrices[0], (std::vector<int>{0, 1, 2}));
    QCOMPARE(impossible.composites[0].missing, Missing::None); // A and B alone can be
    const Profile p = profileOf("A,wechsler,110,,,.9,,,G|B,wechsler,100,,,.9,,,G|C,wechsler,90,,,.6|D,t,50,,,.5");
    const Analysis above = analyse(p, correlationsOf("name,A,B,C,D\nA,1\nB,.5,1\nC,.8,.4,1\nD,.1,.2,.3,1\n"), {});
    QVERIFY(above.impossibleMatrices.empty());
    QCOMPARE(above.correlationsAboveReliabilities, (std::vector<std::pair<int, int>>{{0, 2}}));
    const Analysis negative = analyse(profileOf("A,t,50,,,.5|B,t,50,,,.5"), correlationsOf("name,A,B\nA,1\nB,-.9,1\n"), {});
    QCOMPARE(negative.correlationsAboveReliabilities, (std::vector<std::pair<int, int>>{{0, 1}}));
}

// A refused score takes no part in pairs, deviations or composites.
void ProfileTest::refusedEntriesAreLeftOut()
{
    const Profile p = profileOf(kThree + "|D,wechsler,x,,,.9,,,G|E,wechsler,100,,,.9,,,G");
    const Analysis a = analyse(p, {}, {});
    QCOMPARE(a.refused, std::vector<int>{3});
    QCOMPARE(a.deviationCount, 4);
    QCOMPARE(a.pairs.size(), size_t(6));
    for (const PairResult &pair : a.pairs)
        QVERIFY(pair.first != 3 && pair.second != 3);
    QVERIFY(a.composites.empty()); // one member left
    QCOMPARE(a.scores[3].problem.other, -1);
    QCOMPARE(analyse(profileOf("A,t,1|a,t,2"), {}, {}).scores[1].problem.other, 0);
}

void ProfileTest::comparisonSets_data()
{
    QTest::addColumn<QString>("settings");
    QTest::newRow("default") << "";
    QTest::newRow("Bonferroni, z, alpha .15") << "metric=z bonferroni alpha=.15";
}

// Ten subtests, two indexes and two achievement T scores, the sets
// interleaved: each set's figures are those of the set analysed alone,
// pairs run across all scores, and sets of one or two say why they have none.
void ProfileTest::comparisonSets()
{
    QFETCH(QString, settings);
    const QStringList battery = {
        "Similarities,scaled,13,,,.86,,,,subtests", "Vocabulary,scaled,14,,,.89,,,,subtests",
        "Verbal Index,wechsler,108,,,.92,,,,indexes", "Information,scaled,12,,,.87,,,,Subtests",
        "Block Design,scaled,7,,,.84,,,,subtests", "Reading,t,42,,,.9,,,,achievement",
        "Matrix Reasoning,scaled,9,,,.88,,,,subtests", "Digit Span,scaled,10,,,.9,,,,subtests",
        "Coding,scaled,6,,,.82,,,,subtests", "Perceptual Index,wechsler,91,,,.91,,,,indexes",
        "Picture Concepts,scaled,11,,,.83,,,,subtests", "Symbol Search,scaled,8,,,.8,,,,subtests",
        "Comprehension,scaled,12,,,.81,,,,subtests", "Mathematics,t,55,,,.9,,,,achievement",
        "Retest note,scaled,10,,,,,,,achievement"};
    std::string header = "name", rows;
    for (const QString &row : battery)
        header += "," + row.section(QLatin1Char(','), 0, 0).toStdString();
    for (const QString &row : battery) {
        rows += "\n" + row.section(QLatin1Char(','), 0, 0).toStdString();
        for (int j = 0; j < battery.size(); ++j)
            rows += row == battery[j] ? ",1" : ",.5";
    }
    const Correlations c = correlationsOf(QString::fromStdString(header + rows + "\n"));
    const Settings s = settingsOf(settings);
    const Analysis a = analyse(profileOf(battery.join(QLatin1Char('|'))), c, s);
    QCOMPARE(a.sets.size(), size_t(3)); // "Subtests" is "subtests"
    QCOMPARE(a.sets[0].name, std::string("subtests"));
    QCOMPARE(a.sets[0].count(), 10);
    QCOMPARE(a.pairs.size(), size_t(15 * 14 / 2));
    for (const QString set : {"subtests", "indexes", "achievement"}) {
        QStringList alone;
        std::vector<int> at;
        for (int i = 0; i < battery.size(); ++i) {
            if (battery[i].section(QLatin1Char(','), 9).compare(set, Qt::CaseInsensitive) == 0) {
                alone << battery[i].section(QLatin1Char(','), 0, 8);
                at.push_back(i);
            }
        }
        const Analysis b = analyse(profileOf(alone.join(QLatin1Char('|'))), c, s);
        for (size_t j = 0; j < at.size(); ++j) {
            const ScoreResult &inSet = a.scores[size_t(at[j])], &byItself = b.scores[j];
            QCOMPARE(inSet.deviation.text, byItself.deviation.text);
            QCOMPARE(inSet.deviation.missing, byItself.deviation.missing);
            QCOMPARE(inSet.deviationCritical.text, byItself.deviationCritical.text);
            QCOMPARE(inSet.deviationBaseRate.text, byItself.deviationBaseRate.text);
            QCOMPARE(inSet.mark, byItself.mark);
            QCOMPARE(a.sets[size_t(inSet.set)].meanZ, b.sets[0].meanZ);
            if (set != "subtests")
                QCOMPARE(inSet.deviation.missing, at[j] == 14 ? Missing::NoReliability
                                                              : Missing::TooFewScores);
        }
    }
    // Against the mean of all twelve, the Verbal Index would be a strength.
    QCOMPARE(a.scores[2].mark, Mark::None);
    QVERIFY(a.scores[4].deviation.known() && a.scores[4].mark != Mark::None);
    const auto deviation = explain(a, Item::Deviation, 4);
    QVERIFY(deviation.has_value());
    QCOMPARE(deviation->set, std::string("subtests"));
    QCOMPARE(deviation->steps.front().value, 10.0);
    QCOMPARE(explain(a, Item::DeviationCritical, 4)->set, std::string("subtests"));
    // One named set for all is the profile without sets.
    const Analysis one = analyse(profileOf(kThree + "|D,t,60,,,.9"), {}, s);
    const Analysis named =
        analyse(profileOf("A,wechsler,115,,,.9,,,,x|B,wechsler,100,,,.8,,,,X|"
                          "C,wechsler,85,,,.7,,,,x|D,t,60,,,.9,,,,x"), {}, s);
    for (size_t i = 0; i < 4; ++i) {
        QCOMPARE(named.scores[i].deviation.text, one.scores[i].deviation.text);
        QCOMPARE(named.scores[i].deviationCritical.text, one.scores[i].deviationCritical.text);
    }
    QVERIFY(explain(one, Item::Deviation, 0)->set.empty());
}

void ProfileTest::correlationFiles_data()
{
    QTest::addColumn<QString>("csv");
    QTest::addColumn<QString>("error");
    QTest::newRow("lower triangle, ragged") << "name,A,B,C\nA,1\nB,.5,1\nC,.4,.3,1\n" << "";
    QTest::newRow("upper triangle") << "name,A,B,C\nA,,.5,.4\nB,,,.3\nC\n" << "";
    QTest::newRow("both, agreeing") << "name,A,B\nA,1,.50\nB,.5,1\n" << "";
    QTest::newRow("semicolons, decimal comma") << "name;A;B\r\nA;1;0,5\r\nB;;1\r\n" << "";
    QTest::newRow("rows in any order, blank lines") << "name,A,B\n\nB,.5\nA\n" << "";
    QTest::newRow("not symmetric") << "name,A,B\nA,1,.5\nB,.45,1\n"
                                   << "line 3, cell 2: \".45\" disagrees with \"0.5\" on line 2, cell 3";
    QTest::newRow("above 1") << "name,A,B\nA,1\nB,1.2,1\n"
                             << "line 3, cell 2: \"1.2\" is not a correlation from -1 to 1";
    QTest::newRow("below -1") << "name,A,B\nA,1\nB,-1.01\n"
                              << "line 3, cell 2: \"-1.01\" is not a correlation from -1 to 1";
    QTest::newRow("diagonal not 1") << "name,A,B\nA,.9\nB,.5\n"
                                    << "line 2, cell 2: \".9\" is on the diagonal, which must be 1 or empty";
    QTest::newRow("not a number") << "name,A,B\nA\nB,n/a\n"
                                  << "line 3, cell 2: \"n/a\" is not a number";
    QTest::newRow("decimal comma with commas") << "name,A,B\nA\nB,\"0,5\"\n"
                                               << "line 3, cell 2: \"0,5\" is not a number";
    QTest::newRow("unknown row") << "name,A,B\nA\nC,.5\n"
                                 << "line 3, cell 1: \"C\" is not named in the header";
    QTest::newRow("row twice") << "name,A,B\nA\nB\na,1\n"
                               << "line 4, cell 1: \"a\" has a row already on line 2";
    QTest::newRow("name twice") << "name,A,B,a\n"
                                << "line 1, cell 4: \"a\" is named already in cell 2";
    QTest::newRow("missing row") << "name,A,B\nA,1,.5\n" << "line 1, cell 3: \"B\" has no row";
    QTest::newRow("too many cells") << "name,A,B\nA,1,.5,.3\nB\n"
                                    << "line 2, cell 4: the row has more cells than the header";
    QTest::newRow("header") << "score,A,B\n"
                            << "line 1, cell 1: the header must be \"name\" followed by the names of the scores";
    QTest::newRow("empty") << "\n\n"
                           << "line 1: the file is empty; it needs the header \"name,<name>,...\" and one row per name";
    QTest::newRow("broken quote, line counted") << "name,A\n\n\"A,1\n"
                                                << "line 3: a quoted cell is not closed properly";
    QTest::newRow("UTF-16") << QString::fromLatin1("\xff\xfen\0a\0")
                            << "line 1: the file is UTF-16; it must be UTF-8 (save it as CSV UTF-8)";
}

void ProfileTest::correlationFiles()
{
    QFETCH(QString, csv);
    QFETCH(QString, error);
    Correlations c = correlationsOf("name,X\nX\n");
    CorrelationError why;
    const std::string text = csv.startsWith(QChar(0xff)) ? std::string("\xff\xfen\0a\0", 6)
                                                         : csv.toStdString();
    const bool read = Correlations::parse(text, c, why);
    QCOMPARE(read ? QString() : QString::fromStdString(errorMessage(why)), error);
    if (!read) {
        QCOMPARE(c.names(), std::vector<std::string>{"X"}); // left as it was
        return;
    }
    QCOMPARE(c.at(c.indexOf("A"), c.indexOf("B")), 0.5);
    QCOMPARE(c.at(c.indexOf("B"), c.indexOf("A")), 0.5);
    QCOMPARE(c.at(c.indexOf("A"), c.indexOf("A")), 1.0);
}

void ProfileTest::correlationLookUp()
{
    const Correlations c = correlationsOf("name,Vocabulary,Similarities,Coding\n"
                                          "Vocabulary,1\nSimilarities,.7,1\nCoding,,.3,1\n");
    QCOMPARE(c.knownPairs(), size_t(2));
    QCOMPARE(c.between(" vocabulary", "SIMILARITIES"), 0.7);
    QVERIFY(std::isnan(c.between("Vocabulary", "Coding")));
    QVERIFY(std::isnan(c.between("Vocabulary", "Matrices")));
    QCOMPARE(c.indexOf("Coding"), 2);
}

// Each explanation ends in the figure the table shows, exact and as text:
// every item of every score, pair and composite.
void ProfileTest::explanationsAgreeWithTheTables()
{
    const Profile p = profileOf("A,wechsler,120,,,.9,110,,V|B,scaled,8,,,.8,,,V|"
                                "C,percentile,30,,,.85,,,V|D,raw,31,25,6,.7,28,2");
    const Correlations c = correlationsOf("name,A,B,C,D\nA\nB,.6\nC,.5,.4\nD,.3,.2,.1\n");
    for (const char *written : {"", "metric=z obtained bonferroni alpha=.15"}) {
        const Analysis a = analyse(p, c, settingsOf(written));
        const auto check = [&](Item item, int index, const std::string &shown, double value) {
            const auto e = explain(a, item, index);
            QVERIFY2(e.has_value(), qPrintable(QString("item %1 of %2").arg(int(item)).arg(index)));
            QCOMPARE(e->shown, shown);
            if (!std::isnan(value))
                QCOMPARE(e->result.value, value);
        };
        for (int i = 0; i < 4; ++i) {
            const ScoreResult &s = a.scores[size_t(i)];
            // The score as given becomes a z written as a z row writes it, not every digit.
            check(Item::Z, i, interpretation::showScore(interpretation::ScaleId::Z, s.z).text, s.z);
            check(Item::Metric, i, s.metric.text, s.metric.value);
            check(Item::PercentileRank, i, s.percentileRank.text, s.percentileRank.value);
            check(Item::Descriptor, i, s.descriptor, std::nan(""));
            check(Item::CiLow, i, s.ciLow.text, s.ciLow.value);
            check(Item::CiHigh, i, s.ciHigh.text, s.ciHigh.value);
            check(Item::Deviation, i, s.deviation.text, s.deviation.value);
            check(Item::DeviationCritical, i, s.deviationCritical.text, s.deviationCritical.value);
            check(Item::StrengthWeakness, i, std::string(markText(s.mark)), std::nan(""));
            check(Item::DeviationBaseRate, i, s.deviationBaseRate.text, s.deviationBaseRate.value);
        }
        for (int i : {0, 3}) {
            const ScoreResult &s = a.scores[size_t(i)];
            check(Item::Retest, i, s.retest.text, s.retest.value);
            check(Item::Rci, i, s.rci.text, s.rci.value);
            check(Item::Change, i, std::string(changeText(s.change)), std::nan(""));
        }
        QVERIFY(!explain(a, Item::Rci, 1));
        for (int i = 0; i < int(a.pairs.size()); ++i) {
            const PairResult &pair = a.pairs[size_t(i)];
            check(Item::PairDifference, i, pair.difference.text, pair.difference.value);
            check(Item::PairSe, i, pair.se.text, pair.se.value);
            check(Item::PairCritical, i, pair.critical.text, pair.critical.value);
            check(Item::PairSignificance, i, std::string(significanceText(pair.significant)),
                  std::nan(""));
            check(Item::PairBaseRate, i, pair.baseRate.text, pair.baseRate.value);
        }
        const CompositeResult &comp = a.composites.at(0);
        check(Item::CompositeMetric, 0, comp.metric.text, comp.metric.value);
        check(Item::CompositePercentileRank, 0, comp.percentileRank.text, comp.percentileRank.value);
        check(Item::CompositeDescriptor, 0, comp.descriptor, std::nan(""));
        check(Item::CompositeReliability, 0, comp.reliability.text, comp.reliability.value);
        check(Item::CompositeCiLow, 0, comp.ciLow.text, comp.ciLow.value);
        check(Item::CompositeCiHigh, 0, comp.ciHigh.text, comp.ciHigh.value);
    }
}

// The numbers a reader would check by hand, with their sources.
void ProfileTest::explanationsOfTheWorkedExamples()
{
    using interpretation::Quantity;
    using interpretation::Source;
    const auto stepOf = [](const interpretation::Explanation &e, Quantity q) {
        for (const interpretation::Term &t : e.steps)
            if (t.quantity == q)
                return t.value;
        return std::nan("");
    };
    Analysis a = analyse(profileOf("A,wechsler,120,,,.9|B,wechsler,100,,,.9"), {}, {});
    auto e = explain(a, Item::PairCritical, 0);
    QCOMPARE(e->source, Source::Gulliksen1950);
    QVERIFY(std::fabs(stepOf(*e, Quantity::CriticalZ) - 1.959964) < 5e-7);
    QCOMPARE(e->inputs[0].score, 0);
    QCOMPARE(e->inputs[0].other, 1);

    a = analyse(profileOf("A,t,24,,,.9058,35,1"), {}, {});
    e = explain(a, Item::Rci, 0);
    QCOMPARE(e->source, Source::CheluneEtAl1993);
    QCOMPARE(stepOf(*e, Quantity::Practice), 0.1); // 1 T point in z
    QCOMPARE(stepOf(*e, Quantity::RetestZ), -1.5);

    a = analyse(profileOf("A,t,24,,,.8,,,G|B,t,26,,,.8,,,G"),
                correlationsOf("name,A,B\nA\nB,.4\n"), {});
    e = explain(a, Item::CompositeReliability, 0);
    QCOMPARE(e->source, Source::Mosier1943);
    QCOMPARE(e->inputs.back().quantity, Quantity::Correlation);
    QCOMPARE(e->inputs.back().value, 0.4);
    QCOMPARE(e->shown, std::string(".857"));
    QVERIFY(!interpretation::reference(e->source).title.empty());
}

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_core_profile.moc"
