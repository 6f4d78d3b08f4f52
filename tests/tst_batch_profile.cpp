// quintaval-convert --profile, run through the command itself: the three
// tables, notes of refused rows and the figures computed without them,
// persons, cells of earlier runs, usage errors, and agreement with the core.
#include <QRandomGenerator>
#include <QtTest>

#include "batch/convert_command.h"
#include "profile/analysis.h"
#include "tests/command_run.h"
#include "tests/temp_file.h"
#include "text/csv_reader.h"

namespace {

// A battery of four subtests in two groups, as a manual prints it.
const QByteArray kCorrelations = "name,Vocabulary,Similarities,Block Design,Matrix Reasoning\n"
                                 "Vocabulary,1\n"
                                 "Similarities,.74,1\n"
                                 "Block Design,.45,.48,1\n"
                                 "Matrix Reasoning,.50,.51,.55,1\n";

// Runs the command on the input; "CORRELATIONS" among the options stands
// for a file holding kCorrelations.
Run convert(const QByteArray &input, QStringList options = {})
{
    const auto correlations = tempFile(kCorrelations);
    std::vector<std::string> arguments;
    for (const QString &option : options)
        arguments.push_back(option == "CORRELATIONS" ? correlations->fileName().toStdString()
                                                     : option.toStdString());
    return runCommand(arguments, input);
}

std::vector<std::vector<std::string>> parse(const QByteArray &csv)
{
    return parseCsv(csv);
}

QString cellOf(const Rows &rows, size_t row, const char *column)
{
    return QString::fromStdString(::cellOf(rows, row, column));
}

const QByteArray kBattery = "person,name,scale,score,reliability,retest,group\n"
                            "Ada,Vocabulary,scaled,13,.90,,Verbal\n"
                            "Ada,Similarities,scaled,12,.86,,Verbal\n"
                            "Ada,Block Design,scaled,7,.86,,Perceptual\n"
                            "Ada,Matrix Reasoning,scaled,8,.90,,Perceptual\n"
                            "Ada,Coding,scaled,6,.85,9,\n"
                            "Ben,Vocabulary,wechsler,100,.90,,Verbal\n"
                            "Ben,Similarities,t,n/a,.86,,Verbal\n"
                            "Ben,Block Design,scaled,11,.86,,Perceptual\n";

} // namespace

class TestBatchProfile : public QObject {
    Q_OBJECT

private slots:
    void scoreTable();
    void pairAndCompositeTables();
    void cells_data();
    void cells();
    void notes_data();
    void notes();
    void convertingAgainChangesNoAddedCell_data();
    void convertingAgainChangesNoAddedCell();
    void earlierRunsCellsNeverStay();
    void aPersonWithTooManyScores();
    void manyPairsAtATinyAlpha();
    void usageErrors_data();
    void usageErrors();
    void standardErrorSays_data();
    void standardErrorSays();
    void agreesWithTheCore();
    void comparisonSets();
    void wideTable();
    void wideTableAgreesWithTheLongOne();
    void summaryTable_data();
    void summaryTable();
};

// The whole table once, as the README shows it.
void TestBatchProfile::scoreTable()
{
    const Run run = convert(kBattery, {"--profile", "--correlations", "CORRELATIONS"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output,
             QByteArray("person,name,scale,score,reliability,retest,group,wechsler,percentile_rank,"
                        "descriptor,ci_low,ci_high,deviation,deviation_critical,strength_weakness,"
                        "deviation_base_rate,deviation_base_rate_either,rci,change,note\n"
                        "Ada,Vocabulary,scaled,13,.90,,Verbal,115,84,High Average,105,122,19.0,8.59,S,,,,,\n"
                        "Ada,Similarities,scaled,12,.86,,Verbal,110,75,High Average,98,119,14.0,9.72,S,,,,,\n"
                        "Ada,Block Design,scaled,7,.86,,Perceptual,85,16,Low Average,77,97,-11.0,9.72,W,,,,,\n"
                        "Ada,Matrix Reasoning,scaled,8,.90,,Perceptual,90,25,Average,82,100,-6.0,8.59,,,,,,\n"
                        "Ada,Coding,scaled,6,.85,9,,80,9,Low Average,73,93,-16.0,9.98,W,,,1.83,no reliable change,\n"
                        "Ben,Vocabulary,wechsler,100,.90,,Verbal,100,50,Average,91,109,,,,,,,,computed without line 8\n"
                        "Ben,Similarities,t,n/a,.86,,Verbal,,,,,,,,,,,,,\"score: \"\"n/a\"\" is not a number\"\n"
                        "Ben,Block Design,scaled,11,.86,,Perceptual,105,63,Average,94,115,,,,,,,,computed without line 8\n"));
    QCOMPARE(run.errors, QByteArray("quintaval-convert: 7 rows converted, 1 refused, 0 malformed\n"
                                    "quintaval-convert: 2 people\n"));
}

void TestBatchProfile::pairAndCompositeTables()
{
    const QByteArray input = "name,scale,score,reliability,group\n"
                             "Vocabulary,scaled,13,.90,Verbal\n"
                             "Similarities,scaled,12,.86,Verbal\n"
                             "Block Design,scaled,7,,Perceptual\n"
                             "Matrix Reasoning,percentile,0,.90,Perceptual\n";
    Run run = convert(input, {"--profile", "--pairs", "--correlations", "CORRELATIONS"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output,
             QByteArray("person,name_1,name_2,score_1,score_2,difference,se,critical,significant,base_rate,"
                        "base_rate_either,p,p_adjusted,correction\n"
                        ",Vocabulary,Similarities,115,110,5,7.35,14.41,no,32.2,64.4,.497,,none\n"
                        ",Vocabulary,Block Design,115,85,30,,,,2.8,5.7,,,none\n"
                        ",Similarities,Block Design,110,85,25,,,,5.1,10.2,,,none\n"));
    QCOMPARE(run.errors,
             QByteArray("quintaval-convert: line 5: score: \"0\" must be greater than 0 and less than 100\n"
                        "quintaval-convert: 3 rows converted, 1 refused, 0 malformed\n"
                        "quintaval-convert: 1 person, 3 pairs written\n"));
    run = convert(input, {"--profile", "--composites", "--correlations", "CORRELATIONS", "--metric",
                          "t"});
    QCOMPARE(run.output, QByteArray("person,group,members,t,percentile_rank,descriptor,reliability,ci_low,ci_high\n"
                                    ",Verbal,Vocabulary+Similarities,59,81,High Average,.931,53,63\n"));
    run = convert(input, {"--profile", "--composites"});
    QCOMPARE(run.output, QByteArray("person,group,members,wechsler,percentile_rank,descriptor,reliability,ci_low,ci_high\n"
                                    ",Verbal,Vocabulary+Similarities,,,,,,\n"));
}

void TestBatchProfile::cells_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("expected");

    const QByteArray three = "name,scale,score,reliability\nA,wechsler,115,.9\nB,wechsler,100,.8\n"
                             "C,wechsler,85,.7\n";
    QTest::newRow("metric t") << three << QStringList{"--profile", "--metric", "T"} << 1 << "t" << "60";
    QTest::newRow("deviation on z") << three << QStringList{"--profile", "--metric", "z"} << 1
                                    << "deviation" << "1.000";
    QTest::newRow("critical with the deviation's decimals on z")
        << three << QStringList{"--profile", "--metric", "z"} << 1 << "deviation_critical" << "0.620";
    QTest::newRow("Bonferroni") << three << QStringList{"--profile", "--bonferroni"} << 3
                                << "deviation_critical" << "14.67";
    QTest::newRow("alpha") << three << QStringList{"--profile", "--alpha", ",01"} << 3
                           << "strength_weakness" << "";
    QTest::newRow("obtained interval, 90 %")
        << three << QStringList{"--profile", "--ci-method", "obtained", "--confidence", "90"} << 1
        << "ci_high" << "123";
    QTest::newRow("descriptor system") << three
                                       << QStringList{"--profile", "--descriptors", "wechsler-classic"}
                                       << 3 << "descriptor" << "Low Average";
    QTest::newRow("decimal comma read and written")
        << QByteArray("name;scale;score;reliability;retest;practice\nA;z;+1,5;,9;1,2;0,1\n")
        << QStringList{"--profile", "--metric", "z"} << 1 << "rci" << "-0,89";
    QTest::newRow("raw score with its mean and sd")
        << QByteArray("name,scale,score,mean,sd\nA,raw,31,25,4\n") << QStringList{"--profile"} << 1
        << "wechsler" << "123";
    QTest::newRow("scale names in any case")
        << QByteArray("name,scale,score\nA, Wechsler IQ ,115\n") << QStringList{"--profile"} << 1
        << "percentile_rank" << "84";
    QTest::newRow("change")
        << QByteArray("name,scale,score,reliability,retest\nA,t,24,.9058,35\n")
        << QStringList{"--profile"} << 1 << "change" << "reliable gain";
    // A retest study and a control sample, in the published examples.
    const QByteArray studied = "name,scale,score,retest,reliability,study_mean1,study_sd1,study_mean2,"
                               "study_sd2,study_r12,study_n\nA,wechsler,88,98,.93,113,7.2,118.7,8.3,.93,821\n";
    QTest::newRow("cg by default with a study") << studied << QStringList{"--profile"} << 1 << "change_t" << "1.98";
    QTest::newRow("cg decides where the RCI would not")
        << studied << QStringList{"--profile"} << 1 << "change" << "reliable gain";
    QTest::newRow("jt chosen though a study is given")
        << studied << QStringList{"--profile", "--change-method", "jt"} << 1 << "change" << "no reliable change";
    QTest::newRow("predicted retest") << studied << QStringList{"--profile"} << 1 << "predicted_retest" << "91.90";
    QTest::newRow("cg percentage, upper bound")
        << studied << QStringList{"--profile"} << 1 << "change_percent_high" << "4.16";
    QTest::newRow("srb z") << studied << QStringList{"--profile", "--change-method", "SRB"} << 1 << "change_z"
                           << "2.00";
    QTest::newRow("srb p") << studied << QStringList{"--profile", "--change-method", "srb"} << 1 << "change_p"
                           << "0.0227";
    const QByteArray controlled = "name;scale;score;controls_mean;controls_sd;controls_n\n"
                                  "A;z;-1,7549;0;1;28\n";
    QTest::newRow("case t, decimal comma") << controlled << QStringList{"--profile"} << 1 << "case_t" << "-1,724";
    QTest::newRow("case p") << controlled << QStringList{"--profile"} << 1 << "case_p" << "0,0480";
    QTest::newRow("case df") << controlled << QStringList{"--profile"} << 1 << "case_df" << "27";
    QTest::newRow("case zcc, lower bound") << controlled << QStringList{"--profile"} << 1 << "case_zcc_low" << "-2,34";
    QTest::newRow("case percent, upper bound")
        << controlled << QStringList{"--profile"} << 1 << "case_percent_high" << "12,44";
    QTest::newRow("identification carried")
        << QByteArray("person,birth_date,name,scale,score\nAda,2015-03-01,A,t,50\n,,B,t,50\n")
        << QStringList{"--profile"} << 2 << "birth_date" << "";
}

void TestBatchProfile::cells()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QFETCH(int, row);
    QFETCH(QString, column);
    QFETCH(QString, expected);
    const Run run = convert(input, options);
    QCOMPARE(run.status, 0);
    QCOMPARE(cellOf(parse(run.output), size_t(row), column.toUtf8().constData()), expected);
}

void TestBatchProfile::notes_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("notes"); // of every row, in order

    const QByteArray header = "person,name,scale,score,mean,sd,reliability,retest,practice\n";
    QTest::newRow("unknown scale") << header + "A,x,iq,100,,,,,\n"
                                   << QStringList{"scale: \"iq\" is not a scale; the scales are raw, "
                                                  "z, t, wechsler, nce, ceeb, agct, percentile, scaled"};
    QTest::newRow("a band") << header + "A,x,stanine,5,,,,,\n"
                            << QStringList{"scale: \"stanine\" is a scale of bands, not points; give "
                                           "the score on another scale"};
    QTest::newRow("beyond the scale") << header + "A,x,t,100,,,,,\n"
                                      << QStringList{"score: \"100\" is outside the scale: T scores "
                                                     "range from 1 to 99"};
    QTest::newRow("raw score without sd")
        << QByteArray("name,scale,score\nx,raw,12\n")
        << QStringList{"mean: a raw score needs the columns mean and sd"};
    QTest::newRow("sd 0") << header + "A,x,raw,12,10,0,,,\n"
                          << QStringList{"sd: \"0\" must be greater than 0"};
    QTest::newRow("reliability") << header + "A,x,t,50,,,1.2,,\n"
                                 << QStringList{"reliability: \"1.2\": The reliability must be greater than 0 and less than 1."};
    QTest::newRow("practice on a percentile")
        << header + "A,x,percentile,50,,,.9,60,2\n"
        << QStringList{"practice: a percentile takes no practice change"};
    QTest::newRow("same name twice, and the rest without it")
        << header + "A,x,t,50,,,,,\nA,y,t,60,,,,,\nA,X,t,70,,,,,\n"
        << QStringList{"computed without line 4", "computed without line 4",
                       "name: \"X\" is given already on line 2"};
    QTest::newRow("a person seen again")
        << header + "A,x,t,50,,,,,\nB,x,t,50,,,,,\nA,y,t,50,,,,,\n,z,t,50,,,,,\n"
        << QStringList{"", "",
                       "person: \"A\" was seen before, with other people between; a person's "
                       "rows must stand together",
                       "person: \"A\" was seen before, with other people between; a person's "
                       "rows must stand together"};
    QTest::newRow("an empty person cell joins the person before")
        << header + ",x,t,50,,,,,\nA,y,t,n,,,,,\n,z,t,50,,,,,\nB,x,t,x,,,,,\n"
        << QStringList{"computed without line 3", "score: \"n\" is not a number",
                       "computed without line 3", "score: \"x\" is not a number"};
    QTest::newRow("a second birth date")
        << QByteArray("person,birth_date,name,scale,score\nA,2015-03-01,x,t,50\nA,,y,t,50\n"
                      "A,2015-03-02,z,t,50\n")
        << QStringList{"computed without line 4", "computed without line 4",
                       "birth_date: \"2015-03-02\" differs from \"2015-03-01\" on line 2"};
    QTest::newRow("malformed rows are left out too")
        << QByteArray("name,scale,score\nx,t,50\ny,t\n\nz,t,\"5\"0\n")
        << QStringList{"computed without lines 3, 5", "malformed row: 2 cells where the header has 3",
                       "", "malformed row: text follows the closing quote of a cell"};
    QTest::newRow("a scaled score reads as a sentence") << header + "A,x,scaled,20,,,,,\n"
        << QStringList{"score: \"20\" is outside the scale: Scaled scores range from 1 to 19"};
    QTest::newRow("a retest beyond its scale costs only the change")
        << header + "A,x,scaled,12,,,.9,20,\nA,y,t,50,,,,,\n"
        << QStringList{"retest: \"20\" is outside the scale: Scaled scores range from 1 to 19; no change "
                       "is worked out", ""};
    QTest::newRow("a raw score beyond the z scale") << header + "A,x,raw,950,50,10,,,\n"
        << QStringList{"score: \"950\" stands for a z beyond the z scale's -6.99 to +6.99"};
    QTest::newRow("a raw retest beyond the z scale") << header + "A,x,raw,55,50,10,.9,950,\n"
        << QStringList{"retest: \"950\" stands for a z beyond the z scale's -6.99 to +6.99; no change is "
                       "worked out"};
    QTest::newRow("a reliability near 1") << header + "A,x,t,50,,,0.999999999999999999999,,\n"
        << QStringList{"reliability: \"0.999999999999999999999\": The reliability is too close to 1 to "
                       "calculate with: it rounds to 1."};
    QTest::newRow("a percentile near 100") << header + "A,x,percentile,99.999999999999999999,,,,,\n"
        << QStringList{"score: \"99.999999999999999999\" is too close to 100 to calculate with: it rounds to 100"};
    QTest::newRow("a decimal comma in a file of points") << header + "A,x,t,\"55,5\",,,,,\n"
        << QStringList{"score: \"55,5\": this file uses a decimal point"};
    QTest::newRow("a decimal point in a semicolon file")
        << QByteArray("name;scale;score\nx;t;55.5\n") << QStringList{"score: \"55.5\": this file uses a decimal comma"};
    const QByteArray study = "name,scale,score,retest,study_mean1,study_sd1,study_mean2,study_sd2,study_r12,"
                             "study_n\n";
    QTest::newRow("study r12 of 1") << study + "x,t,40,45,50,10,52,10,1,30\n"
        << QStringList{"study_r12: \"1\" must lie between -1 and 1, both left out"};
    QTest::newRow("a study of 2") << study + "x,t,40,45,50,10,52,10,.8,2\n"
        << QStringList{"study_n: \"2\" must be a whole number of at least 3: the study's t has N - 2 degrees "
                       "of freedom"};
    QTest::newRow("a study without its second sd") << study + "x,t,40,45,50,10,52,,.8,30\n"
        << QStringList{"study_sd2: the cell is empty"};
    QTest::newRow("controls' sd 0, the other score kept")
        << QByteArray("name,scale,score,controls_mean,controls_sd,controls_n\nx,t,40,50,0,20\ny,t,40,,,\n")
        << QStringList{"controls_sd: \"0\" must be greater than 0", "computed without line 2"};
    QTest::newRow("one control") << QByteArray("name,scale,score,controls_mean,controls_sd,controls_n\nx,t,40,50,10,1\n")
        << QStringList{"controls_n: \"1\" must be a whole number of at least 2: the controls' t has n - 1 "
                       "degrees of freedom"};
    QTest::newRow("lines counted over line breaks in cells")
        << QByteArray("name,scale,score\n\"x\ny\",t,50\nz,t,n\n")
        << QStringList{"computed without line 4", "score: \"n\" is not a number"};
}

void TestBatchProfile::notes()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, notes);
    const Run run = convert(input, {"--profile"});
    QCOMPARE(run.status, 0);
    const auto rows = parse(run.output);
    QStringList written;
    for (size_t row = 1; row < rows.size(); ++row)
        written << cellOf(rows, row, "note");
    QCOMPARE(written, notes);
}

void TestBatchProfile::convertingAgainChangesNoAddedCell_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QByteArray many = "person,name,scale,score,mean,sd,reliability,retest,practice,group,note\n";
    QRandomGenerator random(14);
    const char *const names[] = {"Vocabulary", "Similarities", "Block Design", "Matrix Reasoning",
                                 "Coding"};
    for (int person = 0; person < 60; ++person) {
        for (int i = 0; i < 5; ++i) {
            const int kind = random.bounded(6);
            const QByteArray score = kind == 0   ? "scaled," + QByteArray::number(random.bounded(1, 20))
                                     : kind == 1 ? "raw," + QByteArray::number(random.bounded(40)) + ",20,6"
                                     : kind == 2 ? "percentile," + QByteArray::number(random.bounded(100))
                                     : kind == 3 ? "z,+" + QByteArray::number(random.bounded(300) / 100.0)
                                     : kind == 4 ? "t,x"
                                                 : "wechsler," + QByteArray::number(random.bounded(40, 161));
            const QByteArray cells = kind == 1 ? score : score + ",,";
            const QByteArray reliability = random.bounded(4) ? "." + QByteArray::number(random.bounded(70, 96)) : "";
            many += "P" + QByteArray::number(person) + "," + names[i] + "," + cells + ","
                    + reliability + "," + (i == 4 ? "5,1" : ",") + "," + (i < 2 ? "Verbal" : i < 4 ? "Perceptual" : "")
                    + ",old note\n";
        }
    }
    QTest::newRow("many people, every scale, refusals") << many << QStringList{"--profile", "--correlations", "CORRELATIONS"};
    QTest::newRow("z metric, Bonferroni") << many << QStringList{"--profile", "--metric", "z", "--bonferroni", "--correlations", "CORRELATIONS"};
    QTest::newRow("decimal comma") << QByteArray(many).replace(',', ';').replace('.', ',')
                                   << QStringList{"--profile", "--metric", "scaled"};
}

// Converting the score table again gives it back byte for byte: no cell of
// the input is read as one of its own, and none of its own is read at all.
void TestBatchProfile::convertingAgainChangesNoAddedCell()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    const Run first = convert(input, options);
    QCOMPARE(first.status, 0);
    const Run second = convert(first.output, options);
    QCOMPARE(second.status, 0);
    QCOMPARE(second.output, first.output);
    QVERIFY(first.output.count('\n') == input.count('\n'));
}

// A figure of an earlier run never stands beside a row it does not belong
// to: each added column is computed again, a refused row's emptied, and a
// column of another metric emptied.
void TestBatchProfile::earlierRunsCellsNeverStay()
{
    const QByteArray input =
        "name,scale,score,reliability,t,wechsler,percentile_rank,descriptor,deviation,strength_weakness,rci,note\n"
        "A,wechsler,70,.9,99,130,98,Very High,33.0,S,2.5,old\n"
        "B,wechsler,n/a,.9,99,130,98,Very High,33.0,S,2.5,old\n";
    const Run run = convert(input, {"--profile"});
    QCOMPARE(run.output,
             QByteArray("name,scale,score,reliability,t,wechsler,percentile_rank,descriptor,deviation,"
                        "strength_weakness,rci,note,ci_low,ci_high,deviation_critical,"
                        "deviation_base_rate,deviation_base_rate_either,change\n"
                        "A,wechsler,70,.9,,70,2,Below Average,,,,computed without line 3,64,82,,,,\n"
                        "B,wechsler,n/a,.9,,,,,,,,\"score: \"\"n/a\"\" is not a number\",,,,,,\n"));
}

// Beyond that many scores a person is no battery: the first are analysed
// and say so, the rest are refused, and memory stays bounded.
void TestBatchProfile::aPersonWithTooManyScores()
{
    const size_t limit = batch::ProfileConverter::kMaxScores;
    QByteArray input = "name,scale,score\n";
    for (size_t i = 0; i < limit + 2; ++i)
        input += "s" + QByteArray::number(qulonglong(i)) + ",t,50\n";
    const Run run = convert(input, {"--profile"});
    const auto rows = parse(run.output);
    QCOMPARE(rows.size(), limit + 3);
    QCOMPARE(cellOf(rows, 1, "note"), QString("computed from the first %1 rows of this person").arg(limit));
    QCOMPARE(cellOf(rows, limit, "note"), cellOf(rows, 1, "note"));
    QCOMPARE(cellOf(rows, limit, "wechsler"), QString("100"));
    for (const size_t row : {limit + 1, limit + 2}) {
        QVERIFY(cellOf(rows, row, "note").startsWith("person: more than"));
        QCOMPARE(cellOf(rows, row, "wechsler"), QString());
    }
}

// A large battery's pairs under Bonferroni at a tiny alpha: every critical
// value is a number (it was INF once the tail fell below the spacing of
// doubles near 1), and no decision contradicts the row.
void TestBatchProfile::manyPairsAtATinyAlpha()
{
    QByteArray input = "name,scale,score,reliability\n";
    for (int i = 0; i < 80; ++i)
        input += "s" + QByteArray::number(i) + ",z," + QByteArray::number(-3.2 + 0.08 * i, 'f', 2) + ",.95\n";
    const QString alpha = "0." + QString(21, '0') + "1";
    const Run run = convert(input, {"--profile", "--pairs", "--pairs-correction", "bonferroni", "--alpha", alpha});
    QCOMPARE(run.status, 0);
    const auto rows = parse(run.output);
    QCOMPARE(rows.size(), size_t(80 * 79 / 2 + 1));
    for (size_t row = 1; row < rows.size(); ++row) {
        bool number = false;
        const double critical = cellOf(rows, row, "critical").toDouble(&number);
        QVERIFY2(number && critical > 0, qPrintable(cellOf(rows, row, "critical")));
        const double difference = std::fabs(cellOf(rows, row, "difference").toDouble());
        if (cellOf(rows, row, "significant") == "yes")
            QVERIFY(difference >= critical);
    }
    // z at 1 - 1e-22 / (2 * 3,160) is 10.5944; the SE of two .95 scores on the Wechsler metric 4.7434.
    QCOMPARE(cellOf(rows, 1, "critical"), QString("50.26"));
}

// What a run tells on standard error besides its summary.
void TestBatchProfile::standardErrorSays_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("message"); // empty: nothing but the summary
    const QByteArray unreliable = "name,scale,score\nx,t,50\ny,t,60\n";
    QTest::newRow("--confidence without a reliability")
        << unreliable << QStringList{"--profile", "--confidence", "90"}
        << QByteArray("--confidence had no effect: no score had a reliability");
    QTest::newRow("--bonferroni without a reliability") << unreliable << QStringList{"--profile", "--bonferroni"}
                                                        << QByteArray("--bonferroni had no effect");
    QTest::newRow("--confidence with a reliability")
        << QByteArray("name,scale,score,reliability\nx,t,50,.9\n") << QStringList{"--profile", "--confidence", "90"}
        << QByteArray();
    QTest::newRow("a correlation file naming none of the scores")
        << QByteArray("person,name,scale,score\nAda,Arithmetic,t,50\n")
        << QStringList{"--profile", "--correlations", "CORRELATIONS"}
        << QByteArray("person \"Ada\": the correlation file names none of their scores");
    QTest::newRow("impossible correlations, on the pair table")
        << QByteArray("name,scale,score,reliability,group\nVocabulary,t,50,.9,G\nSimilarities,t,50,.9,G\n"
                      "Block Design,t,50,.9,G\n")
        << QStringList{"--profile", "--composites", "--correlations", "IMPOSSIBLE"}
        << QByteArray("the correlations of Vocabulary, Similarities and Block Design cannot hold together");
}

void TestBatchProfile::standardErrorSays()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, message);
    const auto impossible = tempFile("name,Vocabulary,Similarities,Block Design\nVocabulary,1\n"
                                     "Similarities,.9,1\nBlock Design,.9,-.9,1\n");
    options.replaceInStrings(QStringLiteral("IMPOSSIBLE"), impossible->fileName());
    const Run run = convert(input, options);
    QCOMPARE(run.status, 0);
    if (message.isEmpty())
        QVERIFY2(!run.errors.contains("had no effect") && !run.errors.contains("names none"), run.errors.constData());
    else
        QVERIFY2(run.errors.contains(message), run.errors.constData());
}

void TestBatchProfile::usageErrors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("message");
    const QByteArray scores = "name,scale,score\nx,t,50\n";
    QTest::newRow("no score column") << QByteArray("name,scale\n") << QStringList{"--profile"}
                                     << QByteArray("--profile needs the columns name, scale and score; the header has no score");
    QTest::newRow("a column twice") << QByteArray("name,scale,score,Group,group\n") << QStringList{"--profile"}
                                    << QByteArray("the header names the column \"group\" twice");
    QTest::newRow("--wide alone") << scores << QStringList{"--wide"} << QByteArray("--wide needs --profile");
    QTest::newRow("--wide of pairs") << scores << QStringList{"--profile", "--pairs", "--wide"}
                                     << QByteArray("--wide reshapes the score table; it cannot be used with --pairs");
    QTest::newRow("--wide of the summary") << scores << QStringList{"--profile", "--summary", "--wide"}
                                           << QByteArray("--wide reshapes the score table; it cannot be used with --summary");
    QTest::newRow("--pairs alone") << scores << QStringList{"--pairs"} << QByteArray("--pairs needs --profile");
    QTest::newRow("--metric alone") << scores << QStringList{"--metric", "t"} << QByteArray("--metric needs --profile");
    QTest::newRow("two tables") << scores << QStringList{"--profile", "--pairs", "--composites"}
                                << QByteArray("--pairs and --composites ask for different tables");
    QTest::newRow("with --interpret") << scores << QStringList{"--profile", "--interpret"}
                                      << QByteArray("--interpret and --profile ask for different tables");
    QTest::newRow("with --from") << scores << QStringList{"--profile", "--from", "t"}
                                 << QByteArray("--from cannot be used with --profile");
    QTest::newRow("with --ci-scale") << scores << QStringList{"--profile", "--ci-scale", "t"}
                                     << QByteArray("--ci-scale cannot be used with --profile");
    QTest::newRow("metric") << scores << QStringList{"--profile", "--metric", "nce"}
                            << QByteArray("--metric takes wechsler, t, scaled or z, not \"nce\"");
    QTest::newRow("alpha .5") << scores << QStringList{"--profile", "--alpha", ".5"}
                              << QByteArray("--alpha must be a number greater than 0 and less than .5, not \".5\"");
    QTest::newRow("alpha 0") << scores << QStringList{"--profile", "--alpha", "0"} << QByteArray("--alpha must be");
    QTest::newRow("change method") << scores << QStringList{"--profile", "--change-method", "rci"}
                                   << QByteArray("--change-method takes jt, srb or cg, not \"rci\"");
    QTest::newRow("change method alone") << scores << QStringList{"--change-method", "cg"}
                                         << QByteArray("--change-method needs --profile");
    QTest::newRow("cg without a study") << scores << QStringList{"--profile", "--change-method", "cg"}
                                        << QByteArray("--change-method cg needs a retest study");
    QTest::newRow("a study without its size")
        << QByteArray("name,scale,score,study_mean1,study_sd1,study_mean2,study_sd2,study_r12\nx,t,50,1,1,1,1,.5\n")
        << QStringList{"--profile"} << QByteArray("the header has a retest study's columns but not study_n");
    QTest::newRow("controls without their sd")
        << QByteArray("name,scale,score,controls_mean,controls_n\nx,t,50,1,1\n")
        << QStringList{"--profile"} << QByteArray("the header has control samples' columns but not controls_sd");
    QTest::newRow("no correlation file") << scores << QStringList{"--profile", "--correlations", "/nonexistent/c.csv"}
                                         << QByteArray("--correlations: cannot read \"/nonexistent/c.csv\"");
    QTest::newRow("a correlation file that is no matrix")
        << scores << QStringList{"--profile", "--correlations", "/dev/null"}
        << QByteArray("--correlations: cannot read \"/dev/null\": ");
}

void TestBatchProfile::usageErrors()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, message);
    const Run run = convert(input, options);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.errors.contains(message), run.errors.constData());
    QVERIFY(run.output.isEmpty());
}

// Every cell of the score table is the core's figure for the same entries.
void TestBatchProfile::agreesWithTheCore()
{
    QRandomGenerator random(1957);
    QByteArray input = "person,name,scale,score,reliability,retest,group\n";
    std::vector<profile::Profile> people(40);
    for (size_t person = 0; person < people.size(); ++person) {
        const int count = random.bounded(1, 9);
        for (int i = 0; i < count; ++i) {
            const QByteArray name = "s" + QByteArray::number(i);
            const QByteArray score = QByteArray::number(random.bounded(1, 200) / 2.0);
            const QByteArray r = random.bounded(5) ? "." + QByteArray::number(random.bounded(50, 99)) : "";
            const QByteArray retest = random.bounded(3) ? "" : QByteArray::number(random.bounded(1, 99));
            const QByteArray group = QByteArray(1, char('A' + random.bounded(3)));
            input += QByteArray::number(qulonglong(person)) + "," + name + ",t," + score + "," + r
                     + "," + retest + "," + group + "\n";
            profile::ScoreEntry entry;
            profile::readEntry({name.toStdString(), "t", score.toStdString(), "", "", r.toStdString(),
                                retest.toStdString(), "", group.toStdString()},
                               '.', entry);
            people[person].entries.push_back(entry);
        }
    }
    const Run run = convert(input, {"--profile"});
    const auto rows = parse(run.output);
    size_t row = 1;
    for (const profile::Profile &person : people) {
        const profile::Analysis a = profile::analyse(person, {}, {});
        for (const profile::ScoreResult &s : a.scores) {
            const auto cell = [&](const char *column) { return cellOf(rows, row, column).toStdString(); };
            QCOMPARE(cell("wechsler"), s.metric.text);
            QCOMPARE(cell("percentile_rank"), s.percentileRank.text);
            QCOMPARE(cell("descriptor"), s.descriptor);
            QCOMPARE(cell("ci_low"), s.ciLow.text);
            QCOMPARE(cell("ci_high"), s.ciHigh.text);
            QCOMPARE(cell("deviation"), s.deviation.text);
            QCOMPARE(cell("deviation_critical"), s.deviationCritical.text);
            QCOMPARE(cell("strength_weakness"), std::string(profile::markText(s.mark)));
            QCOMPARE(cell("rci"), s.rci.text);
            QCOMPARE(cell("change"), std::string(profile::changeText(s.change)));
            ++row;
        }
    }
    QCOMPARE(row, rows.size());
}

// The psychologist's battery: strengths and weaknesses within each set, the
// set's mean and size to check a deviation by, and the table read back as is.
void TestBatchProfile::comparisonSets()
{
    const QByteArray input =
        "person,name,scale,score,reliability,set\n"
        "P,Similarities,scaled,13,.86,subtests\nP,Vocabulary,scaled,14,.89,subtests\n"
        "P,Information,scaled,12,.87,subtests\nP,Comprehension,scaled,12,.81,subtests\n"
        "P,Block Design,scaled,7,.84,subtests\nP,Matrix Reasoning,scaled,9,.88,subtests\n"
        "P,Picture Concepts,scaled,11,.83,subtests\nP,Digit Span,scaled,10,.9,subtests\n"
        "P,Coding,scaled,6,.82,subtests\nP,Symbol Search,scaled,8,.8,subtests\n"
        "P,Verbal Index,wechsler,108,.92,indexes\nP,Perceptual Index,wechsler,91,.91,indexes\n"
        "P,Reading,t,42,.9,achievement\nP,Mathematics,t,55,.9,achievement\n";
    const Run run = convert(input, {"--profile", "--bonferroni"});
    QCOMPARE(run.status, 0);
    QVERIFY(run.output.startsWith("person,name,scale,score,reliability,set,wechsler,"));
    QVERIFY(run.output.contains(",deviation_base_rate,deviation_base_rate_either,set_mean,set_size,rci,"));
    const auto rows = parse(run.output);
    profile::Profile person;
    for (size_t row = 1; row < rows.size(); ++row) {
        person.entries.emplace_back();
        const auto cell = [&](const char *column) { return ::cellOf(rows, row, column); };
        profile::readEntry({cell("name"), cell("scale"), cell("score"), "", "", cell("reliability"),
                            "", "", "", cell("set")},
                           '.', person.entries.back());
    }
    profile::Settings settings;
    settings.bonferroni = true;
    const profile::Analysis a = profile::analyse(person, {}, settings);
    QCOMPARE(a.sets.size(), size_t(3));
    QString marks;
    for (size_t i = 0; i < a.scores.size(); ++i) {
        const profile::ScoreResult &s = a.scores[i];
        QCOMPARE(::cellOf(rows, i + 1, "deviation"), s.deviation.text);
        QCOMPARE(::cellOf(rows, i + 1, "deviation_critical"), s.deviationCritical.text);
        QCOMPARE(::cellOf(rows, i + 1, "strength_weakness"), std::string(profile::markText(s.mark)));
        QCOMPARE(cellOf(rows, i + 1, "set_size"), i < 10 ? "10" : "2");
        marks += s.mark == profile::Mark::None ? '.' : profile::markText(s.mark)[0];
    }
    QCOMPARE(marks, QString(".S..W...W.....")); // the indexes and T scores never
    // The subtests' mean, 10.2 on the scaled scale, is 101.0 on the Wechsler.
    QCOMPARE(cellOf(rows, 1, "set_mean"), "101.0");
    QCOMPARE(cellOf(rows, 11, "set_mean"), "");
    QCOMPARE(cellOf(rows, 11, "deviation"), "");
    // Converting the table again changes nothing.
    QCOMPARE(convert(run.output, {"--profile", "--bonferroni"}).output, run.output);
}

// One row per person: a person without a score has empty cells there,
// never 0, and the note keeps what became of the rows left out.
void TestBatchProfile::wideTable()
{
    const QByteArray input = "person,name,scale,score,reliability,retest,set,birth_date\n"
                             "Ada,Vocabulary,scaled,13,.90,,verbal,2015-03-01\n"
                             "Ada,Similarities,scaled,12,.86,,verbal,\n"
                             "Ada,Coding,scaled,6,.85,9,speed,\n"
                             "Ben,vocabulary,wechsler,100,.90,,verbal,2014-11-30\n"
                             "Ben,Similarities,t,n/a,.86,,verbal,\n"
                             "Ben,Matrices,scaled,11,.86,,,\n"
                             "Ben,Matrices,scaled,12\n";
    const Run run = convert(input, {"--profile", "--wide", "--metric", "t"});
    QCOMPARE(run.status, 0);
    const Rows rows = parse(run.output);
    QCOMPARE(rows.size(), size_t(3));
    const std::vector<std::string> &header = rows[0];
    QCOMPARE(header.front(), std::string("person"));
    QCOMPARE(header[1], std::string("birth_date"));
    QCOMPARE(header.back(), std::string("note"));
    // Four scores, each with the same figures, in the order first given.
    const std::vector<std::string> figures = {"t", "percentile_rank", "descriptor", "ci_low", "ci_high",
                                              "deviation", "deviation_critical", "strength_weakness",
                                              "deviation_base_rate", "deviation_base_rate_either", "set_mean", "set_size", "rci", "change"};
    QCOMPARE(header.size(), 2 + 4 * figures.size() + 1);
    for (size_t score = 0; score < 4; ++score)
        for (size_t f = 0; f < figures.size(); ++f)
            QCOMPARE(header[2 + score * figures.size() + f],
                     std::string(std::array{"Vocabulary_", "Similarities_", "Coding_", "Matrices_"}[score]) + figures[f]);
    QCOMPARE(::cellOf(rows, 1, "person"), std::string("Ada"));
    QCOMPARE(::cellOf(rows, 1, "birth_date"), std::string("2015-03-01"));
    QCOMPARE(::cellOf(rows, 1, "Vocabulary_t"), std::string("60"));
    QCOMPARE(::cellOf(rows, 1, "Vocabulary_set_size"), std::string("2"));
    QCOMPARE(::cellOf(rows, 1, "Coding_change"), std::string("no reliable change"));
    QCOMPARE(::cellOf(rows, 1, "note"), std::string());
    QCOMPARE(::cellOf(rows, 1, "Matrices_t"), std::string());
    QCOMPARE(::cellOf(rows, 2, "Matrices_t"), std::string("53"));
    // "vocabulary" is Vocabulary's column; Ben has no Coding, and his
    // Similarities was refused: empty cells.
    QCOMPARE(::cellOf(rows, 2, "Vocabulary_t"), std::string("50"));
    for (const char *empty : {"Coding_t", "Coding_percentile_rank", "Coding_set_size", "Similarities_t",
                              "Similarities_deviation"})
        QCOMPARE(::cellOf(rows, 2, empty), std::string());
    QCOMPARE(::cellOf(rows, 2, "note"),
             std::string("line 6: score: \"n/a\" is not a number; line 8: malformed row: 4 cells "
                         "where the header has 8; computed without lines 6, 8"));
    QCOMPARE(run.errors, QByteArray("quintaval-convert: 5 rows converted, 1 refused, 1 malformed\n"
                                    "quintaval-convert: 2 people\n"));
}

// Every figure of the wide table is the long table's, in its score's
// columns, whatever the people's scores; a decimal comma stays one.
void TestBatchProfile::wideTableAgreesWithTheLongOne()
{
    QRandomGenerator random(25);
    const char *names[] = {"Vocabulary", "Similarities", "Block Design", "Matrix Reasoning", "Coding"};
    for (int round = 0; round < 20; ++round) {
        QByteArray input = "person;name;scale;score;reliability;retest;set\n";
        for (int person = 0; person < 4; ++person)
            for (const char *name : names) {
                if (random.bounded(4) == 0)
                    continue;
                input += "P" + QByteArray::number(person) + ";" + name + ";scaled;"
                         + QByteArray::number(random.bounded(1, 20)) + ";0,"
                         + QByteArray::number(random.bounded(70, 95)) + ";"
                         + (random.bounded(2) ? QByteArray::number(random.bounded(1, 20)) : QByteArray())
                         + ";" + (random.bounded(2) ? "a" : "b") + "\n";
            }
        const QStringList options = {"--profile", "--correlations", "CORRELATIONS"};
        const Run longRun = convert(input, options);
        const Run wideRun = convert(input, options + QStringList{"--wide"});
        QCOMPARE(wideRun.status, 0);
        text::CsvReader longReader(std::string_view(longRun.output.constData(), size_t(longRun.output.size())), ';');
        text::CsvReader wideReader(std::string_view(wideRun.output.constData(), size_t(wideRun.output.size())), ';');
        Rows longRows, wideRows;
        text::CsvRecord record;
        while (longReader.next(record))
            longRows.push_back(record.cells);
        while (wideReader.next(record))
            wideRows.push_back(record.cells);
        const std::vector<std::string> &longHeader = longRows[0];
        const size_t firstFigure = size_t(std::find(longHeader.begin(), longHeader.end(), "wechsler") - longHeader.begin());
        for (size_t row = 1; row < longRows.size(); ++row) {
            size_t wideRow = 1;
            while (wideRow < wideRows.size() && wideRows[wideRow][0] != longRows[row][0])
                ++wideRow;
            QVERIFY(wideRow < wideRows.size());
            for (size_t column = firstFigure; column + 1 < longHeader.size(); ++column)
                QCOMPARE(::cellOf(wideRows, wideRow, ::cellOf(longRows, row, "name") + "_" + longHeader[column]),
                         longRows[row][column]);
        }
        QCOMPARE(wideRows.size(), size_t(1 + 4));
    }
}

// One row per person and set: the published worked example end to end,
// sets taken apart, and every empty figure saying why.
void TestBatchProfile::summaryTable_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("correlations");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray fourUncorrelated = "name,a,b,c,d\na,1\nb,0,1\nc,0,0,1\nd,0,0,0,1\n";
    QTest::newRow("Mahalanobis worked example")
        << QByteArray("person,name,scale,score\nP,a,wechsler,118\nP,b,wechsler,107\n"
                      "P,c,wechsler,77\nP,d,wechsler,68\n")
        << fourUncorrelated << QStringList{}
        << QByteArray("P,,4,5,1,18.5,8.56,4,7.3,0,0,\n");
    QTest::newRow("sets apart, pairs within a set")
        << QByteArray("person,name,scale,score,reliability,set\nP,a,wechsler,70,.9,x\nP,b,wechsler,72,.9,x\n"
                      "P,c,wechsler,130,.9,y\nP,d,wechsler,100,.9,x\n")
        << fourUncorrelated << QStringList{"--pairs-correction", "bonferroni"}
        << QByteArray("P,x,3,5,2,0.7,7.48,3,5.8,3,2,\n"
                      "P,y,1,5,0,,,,,0,0,the low-score base rate and the distance need at least 2 scores in the set\n");
    QTest::newRow("a correlation not known")
        << QByteArray("person,name,scale,score\nP,a,wechsler,118\nP,e,wechsler,107\n")
        << fourUncorrelated << QStringList{}
        << QByteArray("P,,2,5,0,,,,,0,0,the low-score base rate and the distance need every correlation "
                      "among the set's scores (--correlations)\n");
    QTest::newRow("not positive definite")
        << QByteArray("person,name,scale,score\nP,a,wechsler,118\nP,b,wechsler,107\nP,c,wechsler,60\n")
        << QByteArray("name,a,b,c\na,1\nb,.9,1\nc,.9,-.9,1\n") << QStringList{}
        << QByteArray("P,,3,5,1,,,,,0,0,the correlations among the set's scores are not positive definite: "
                      "no low-score base rate or distance\n");
    QTest::newRow("no score to use")
        << QByteArray("person,name,scale,score\nP,a,wechsler,n/a\nQ,a,wechsler,118\nQ,b,wechsler,107\n")
        << fourUncorrelated << QStringList{}
        << QByteArray("P,,0,5,,,,,,0,0,computed without line 2\nQ,,2,5,0,100.0,1.66,2,43.7,0,0,\n");
    QTest::newRow("cut-off with a decimal comma")
        << QByteArray("person;name;scale;score\nP;a;wechsler;118\nP;b;wechsler;107\nP;c;wechsler;77\nP;d;wechsler;68\n")
        << fourUncorrelated << QStringList{"--low-cutoff", "7,5"}
        << QByteArray("P;;4;7,5;2;3,0;8,56;4;7,3;0;0;\n");
}

void TestBatchProfile::summaryTable()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, correlations);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, expected);
    const auto file = tempFile(correlations);
    std::vector<std::string> arguments = {"--profile", "--summary", "--correlations",
                                          file->fileName().toStdString()};
    for (const QString &option : options)
        arguments.push_back(option.toStdString());
    const Run run = runCommand(arguments, input);
    QCOMPARE(run.status, 0);
    const QByteArray header = "person,set,scores,low_cutoff,low_count,low_base_rate,mahalanobis,"
                              "mahalanobis_df,mahalanobis_rate,pairs_tested,pairs_significant,note\n";
    QCOMPARE(run.output.mid(run.output.indexOf('\n') + 1), expected);
    if (!input.contains(';'))
        QCOMPARE(run.output.left(run.output.indexOf('\n') + 1), header);
}

QTEST_GUILESS_MAIN(TestBatchProfile)
#include "tst_batch_profile.moc"
