// quintaval-convert's conversion of whole files, run through the command
// itself: which columns are read and written, what a refused or malformed
// row becomes, and that every row says exactly what the window would.
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "batch/convert_command.h"
#include "text/csv_reader.h"
#include "batch/progress_meter.h"
#include "conversion/calculate.h"
#include "interpretation/interpretation.h"
#include "tests/field_texts.h"
#include "tests/command_run.h"
#include "tests/temp_file.h"

namespace {

// Runs the command with the input on standard input and the given options.
Run convert(const QByteArray &input, const QStringList &options = {})
{
    std::vector<std::string> arguments;
    for (const QString &option : options)
        arguments.push_back(option.toStdString());
    return runCommand(arguments, input);
}

std::vector<std::vector<std::string>> parse(const QByteArray &csv)
{
    return parseCsv(csv);
}


// Reads as an infinity.
const QString kHugeNumber = QLatin1Char('1') + QString(400, QLatin1Char('0'));

// What a user might type, and what a spreadsheet might hold. Every column
// is filled in some row with a value no other column shares.
const QStringList kRecords = {
    "raw=115;mean=100;sd=15", "raw=150;mean=100;sd=15", "raw=115;mean=100;sd=15;z=2",
    "raw=115;mean=100;t=63", "raw=5;mean=5;sd=0", "raw=-3;mean=5;sd=-2",
    "raw=" + kHugeNumber + ";mean=5;sd=2", "t=63;percentile=40", "z=7", "z=-6.99",
    "percentile=0", "percentile=50", "nce=1", "ceeb=200", "t=99", "wechsler=250", "agct=0",
    "z= 1.5", "z=+.5\t", "t=010", "",
};

// Converts a file of the given columns (indices into kFieldNames, -1 for a
// column carried through) and records, and checks every output row against
// the outcome of the core for the same field texts.
void verifyAgainstTheCore(const QList<int> &layout, const QStringList &records)
{
    QStringList names;
    for (int field : layout)
        names << (field < 0 ? QStringLiteral("id") : kFieldNames[field]);
    QByteArray input = names.join(QLatin1Char(',')).toUtf8() + "\n";
    QList<QStringList> given;
    for (const QString &record : records) {
        QStringList texts = fieldList(record), cells;
        for (int field = 0; field < texts.size(); ++field)
            if (!layout.contains(field))
                texts[field].clear(); // never reaches the converter
        for (int field : layout)
            cells << QLatin1Char('"') + (field < 0 ? QStringLiteral("id") : texts[field]) + QLatin1Char('"');
        input += cells.join(QLatin1Char(',')).toUtf8() + "\n";
        given << texts;
    }
    const Run run = convert(input);
    QCOMPARE(run.status, 0);
    const auto rows = parse(run.output);
    QCOMPARE(rows.size(), size_t(given.size()) + 1);
    const std::vector<std::string> &header = rows[0];
    for (int row = 0; row < given.size(); ++row) {
        const RowConversion converted = convertRow(fieldsFrom(given[row]));
        const conversion::Outcome &outcome = converted.outcome;
        const std::vector<std::string> &cells = rows[size_t(row) + 1];
        QCOMPARE(cells.size(), header.size());
        // Scores that no one score rounds to are refused, every cell kept.
        if (converted.disagree) {
            QVERIFY2(cells.back().find("disagree") != std::string::npos, cells.back().c_str());
            for (size_t column = 0; column + 1 < header.size(); ++column) {
                const qsizetype field = kFieldNames.indexOf(QString::fromStdString(header[column]));
                QCOMPARE(cells[column], field < 0 ? std::string("id") : given[row][field].toStdString());
            }
            continue;
        }
        // Where the window holds z at its bound from a raw score, the file
        // asks whether the raw score is a missing-value code instead.
        const bool farOut = !outcome.refused && outcome.source == conversion::Raw
                            && outcome.marked[conversion::Z];
        if (farOut) {
            const std::string note = "raw score is " + QString::number(std::fabs(outcome.z), 'f', 1).toStdString()
                                     + (outcome.z > 0 ? " sd above" : " sd below")
                                     + " the mean: is it a missing-value code?";
            QVERIFY2(cells.back() == note, (cells.back() + " / " + note).c_str());
        } else {
            QCOMPARE(cells.back(), outcome.refused ? outcome.message : std::string());
        }
        // A refused row keeps the score it would have been converted from.
        const QStringList &texts = given[row];
        qsizetype source = -1;
        if (texts[0].isEmpty() || texts[1].isEmpty() || texts[2].isEmpty())
            for (qsizetype field = 3; field < texts.size(); ++field)
                if (!texts[field].isEmpty())
                    source = field;
        for (size_t column = 0; column + 1 < header.size(); ++column) {
            const qsizetype field = kFieldNames.indexOf(QString::fromStdString(header[column]));
            std::string expected = field < 0 ? "id" : given[row][field].toStdString();
            if (field >= 3 && (!outcome.refused || field != source))
                expected = outcome.refused || farOut ? std::string() : outcome.results[size_t(field) - 2];
            QVERIFY2(cells[column] == expected,
                     qPrintable(QString("row %1: %2 is \"%3\"").arg(row).arg(header[column].c_str(),
                                                                      cells[column].c_str())));
        }
    }
}

} // namespace

class TestBatchConverter : public QObject {
    Q_OBJECT

private slots:
    void agreesWithTheWindow_data();
    void agreesWithTheWindow();
    void rememberedOutcomesNeverMixUpRows();
    void convertsFiles_data();
    void convertsFiles();
    void refusesWhatIsNotANumber_data();
    void refusesWhatIsNotANumber();
    void reconvertingChangesNothing_data();
    void reconvertingChangesNothing();
    void agreeingScoresComeBackAsGiven_data();
    void agreeingScoresComeBackAsGiven();
    void usageErrors_data();
    void usageErrors();
    void studyColumns_data();
    void studyColumns();
    void neverWritesOntoItsInput_data();
    void neverWritesOntoItsInput();
    void signalsLeaveNoTemporaryFile_data();
    void signalsLeaveNoTemporaryFile();
    void aRecordTooLongSaysSo();
    void summaryCountsEveryKindOfRow();
    void interpretedCells_data();
    void interpretedCells();
    void interpretationAgreesWithTheCore_data();
    void interpretationAgreesWithTheCore();
    void noCellContradictsItsRow_data();
    void noCellContradictsItsRow();
    void descriptorFiles_data();
    void descriptorFiles();
    void progressShowsThePartRead();
};

void TestBatchConverter::agreesWithTheWindow_data()
{
    QTest::addColumn<QList<int>>("layout");
    QTest::newRow("all ten in the window's order") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("shuffled, with carried columns")
        << QList<int>{-1, 9, 3, 0, -1, 7, 2, 8, 4, 1, 6, 5};
    QTest::newRow("standard scores only") << QList<int>{3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("raw scores only") << QList<int>{-1, 0, 1, 2};
    QTest::newRow("two standard scores") << QList<int>{9, 4};
}

void TestBatchConverter::agreesWithTheWindow()
{
    QFETCH(QList<int>, layout);
    verifyAgainstTheCore(layout, kRecords);
}

// Far more distinct rows than the converter keeps outcomes for, each seen
// twice, first close together (outcomes found again, slots shared), then
// after a long run of rows that never repeat (the memory set aside): a
// remembered outcome must never stand in for another row's.
void TestBatchConverter::rememberedOutcomesNeverMixUpRows()
{
    const auto record = [](int i) {
        switch (i % 4) {
        case 0:
            return QString("raw=%1;mean=%2;sd=%3").arg(i % 997).arg(50 + i % 7).arg(i % 13);
        case 1:
            return QString("z=%1").arg((i % 1500 - 750) / 100.0);
        case 2:
            return QString("t=%1").arg(i % 101);
        default:
            return QString("percentile=%1.%2").arg(i % 103).arg(i % 10);
        }
    };
    QStringList table;
    for (int block = 0; block < 20000; block += 500) {
        for (int i = block; i < block + 500; ++i)
            table << record(i);
        for (int i = block + 500; i-- > block;)
            table << record(i);
    }
    for (int i = 0; i < 20000; ++i)
        table << QString("raw=%1.%2;mean=50;sd=10").arg(i).arg(i % 7);
    for (int i = 20000; i-- > 0;)
        table << record(i);
    verifyAgainstTheCore({0, 1, 2, 3, 4, 9}, table);
}

void TestBatchConverter::convertsFiles_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("output");

    QTest::newRow("header only")
        << QByteArray("id,raw,mean,sd\r\n") << QStringList()
        << QByteArray("id,raw,mean,sd,z,t,wechsler,nce,ceeb,agct,percentile,note\r\n");
    QTest::newRow("names in any case, carried columns, missing scores appended")
        << QByteArray("Name, Raw ,MEAN,Sd,T\n\"Smith, J\",115,100,15,\n")
        << QStringList()
        << QByteArray("Name, Raw ,MEAN,Sd,T,z,wechsler,nce,ceeb,agct,percentile,note\n"
                      "\"Smith, J\",115,100,15,60,+1.0,115,71,600,120,84,\n");
    QTest::newRow("refused row keeps its cells")
        << QByteArray("id,z,t\n7,7,\n") << QStringList()
        << QByteArray("id,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "7,7,,,,,,,z scores must range from -6.99 to +6.99.\n");
    QTest::newRow("blank line is a row of empty fields")
        << QByteArray("id,percentile\n\n") << QStringList()
        << QByteArray("id,percentile,z,t,wechsler,nce,ceeb,agct,note\n,,,,,,,,\"Enter all 3 raw "
                      "scores to calculate standard scores. Or, enter 1 standard score to convert "
                      "to other standard scores.\"\n");
    QTest::newRow("too few cells")
        << QByteArray("id,z,t\n1,2\n") << QStringList()
        << QByteArray("id,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "1,2,,,,,,,malformed row: 2 cells where the header has 3\n");
    QTest::newRow("too many cells keep the surplus after the note")
        << QByteArray("id,z\n1,2,3,4\n") << QStringList()
        << QByteArray("id,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "1,2,,,,,,,malformed row: 4 cells where the header has 2,3,4\n");
    QTest::newRow("broken quotes, and the rows around them")
        << QByteArray("id,z\n1,\"2\"x\n2,1\n3,\"1\n4,-1\n") << QStringList()
        << QByteArray("id,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "1,\"\"\"2\"\"x\",,,,,,,malformed row: text follows the closing quote of a cell\n"
                      "2,+1.0,60,115,71,600,120,84,\n"
                      "3,\"\"\"1\n4,-1\",,,,,,,malformed row: a quoted cell is not closed\n");
    QTest::newRow("a record broken across lines is one malformed row")
        << QByteArray("id,comment,z\n7,\"moved\nfrom class B\",absent,1.5\n8,x,1\n")
        << QStringList()
        << QByteArray("id,comment,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "7,\"moved\nfrom class B\",absent,,,,,,,malformed row: 4 cells where the "
                      "header has 3,1.5\n"
                      "8,x,+1.0,60,115,71,600,120,84,\n");
    QTest::newRow("semicolons: decimal commas read and written, CRLF kept")
        << QByteArray("id;z;t\r\nA;1,5;\r\nB;;55,5\r\nC; -,25 ;\r\n") << QStringList()
        << QByteArray("id;z;t;wechsler;nce;ceeb;agct;percentile;note\r\n"
                      "A;+1,5;65;123;82;650;130;93;\r\n"
                      "B;+,55;56;108;62;555;111;71;\r\n"
                      "C;-,25;48;96;45;475;95;40;\r\n");
    QTest::newRow("--decimal-point in a semicolon file: a comma refused")
        << QByteArray("id;z;t;reliability\nA;1.5;;.9\nB;;55,5;\n") << QStringList{"--decimal-point", "--interpret"}
        << QByteArray("id;z;t;reliability;wechsler;nce;ceeb;agct;percentile;scaled;stanine;sten;"
                      "percentile_rank;descriptor;ci_low;ci_high;ci_percentile_low;"
                      "ci_percentile_high;note\n"
                      "A;+1.5;65;.9;123;82;650;130;93;15;8;9;93;Above Average;111;129;78;97;\n"
                      "B;;55,5;;;;;;;;;;;;;;;;\"t: \"\"55,5\"\": this file uses a decimal point\"\n");
    QTest::newRow("--decimal-comma in a tab file")
        << QByteArray("z\tid\n1,5\tx\n") << QStringList{"--decimal-comma"}
        << QByteArray("z\tid\tt\twechsler\tnce\tceeb\tagct\tpercentile\tnote\n"
                      "+1,5\tx\t65\t123\t82\t650\t130\t93\t\n");
    QTest::newRow("a score marked as held at its bound is not the source")
        << QByteArray("t,percentile\n80,99*\n") << QStringList()
        << QByteArray("t,percentile,z,wechsler,nce,ceeb,agct,note\n"
                      "80,99*,+3.0,145,99*,800,160,\n");
    const QByteArray own = "id,z,t,wechsler,nce,ceeb,agct,percentile,note\n1,+3.0,80,145,99*,800,160,99*,\n";
    QTest::newRow("own output, converted again") << own << QStringList() << own;
    // An interpreted file, its Wechsler IQ edited from 115 to 70, converted
    // again without --interpret: nothing of the old row stays beside it.
    QTest::newRow("an edited row converted again keeps nothing of its old figures")
        << QByteArray("wechsler,reliability,z,t,nce,ceeb,agct,percentile,scaled,stanine,sten,"
                      "percentile_rank,descriptor,ci_low,ci_high,ci_percentile_low,"
                      "ci_percentile_high,note\n"
                      "70,.90,+1.0,60,71,600,120,84,13,7,8,84,High Average,105,122,62,93,\n"
                      "250,.90,+1.0,60,71,600,120,84,13,7,8,84,High Average,105,122,62,93,\n")
        << QStringList{"--from", "wechsler"}
        << QByteArray("wechsler,reliability,z,t,nce,ceeb,agct,percentile,scaled,stanine,sten,"
                      "percentile_rank,descriptor,ci_low,ci_high,ci_percentile_low,"
                      "ci_percentile_high,note\n"
                      "70,.90,-2.0,30,8,300,60,2,,,,,,,,,,\n"
                      "250,.90,,,,,,,,,,,,,,,,Wechsler IQ scores must range from 1 to 199.\n");
    QTest::newRow("--from: the source alone, kept as given")
        << QByteArray("raw,mean,sd,z,t,percentile\n115,100,15,,63.7,40\n,,,,,\n,,,,99*,\n")
        << QStringList{"--from", "T"}
        << QByteArray("raw,mean,sd,z,t,percentile,wechsler,nce,ceeb,agct,note\n"
                      "115,100,15,+1.37,63.7,91,121,79,637,127,\n"
                      ",,,,,,,,,,t: the cell is empty\n"
                      ",,,,99*,,,,,,\"t: \"\"99*\"\" is a result held at its bound, not a score "
                      "to convert from\"\n");
    QTest::newRow("--from raw")
        << QByteArray("raw,mean,sd,percentile\n115,100,15,40\n115,,15,40\n") << QStringList{"--from=raw"}
        << QByteArray("raw,mean,sd,percentile,z,t,wechsler,nce,ceeb,agct,note\n"
                      "115,100,15,84,+1.0,60,115,71,600,120,\n"
                      "115,,15,,,,,,,,mean: the cell is empty\n");
    QTest::newRow("an existing note column is rewritten, never added")
        << QByteArray("note,z\nold,1\nkeep,7\n") << QStringList()
        << QByteArray("note,z,t,wechsler,nce,ceeb,agct,percentile\n"
                      ",+1.0,60,115,71,600,120,84\n"
                      "z scores must range from -6.99 to +6.99.,7,,,,,,\n");
    QTest::newRow("a malformed row moves the cell where its note goes")
        << QByteArray("id,note,z\n1,hello,2,3\n") << QStringList()
        << QByteArray("id,note,z,t,wechsler,nce,ceeb,agct,percentile\n"
                      "1,malformed row: 4 cells where the header has 3,2,,,,,,,hello,3\n");
    QTest::newRow("byte-order mark and tabs kept")
        << QByteArray("\xEF\xBB\xBFz\tid\n-1\tx y\n") << QStringList()
        << QByteArray("\xEF\xBB\xBFz\tid\tt\twechsler\tnce\tceeb\tagct\tpercentile\tnote\n"
                      "-1.0\tx y\t40\t85\t29\t400\t80\t16\t\n");
    QTest::newRow("delimiter given")
        << QByteArray("z,id;x;y\n1,a;b;c\n") << QStringList{"--delimiter", ","}
        << QByteArray("z,id;x;y,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "+1.0,a;b;c,60,115,71,600,120,84,\n");

    // With --interpret.
    QTest::newRow("appended after the scores, before the note")
        << QByteArray("id,wechsler,reliability\n1,115,.90\n2,70,\n") << QStringList{"--interpret"}
        << QByteArray("id,wechsler,reliability,z,t,nce,ceeb,agct,percentile,scaled,stanine,sten,"
                      "percentile_rank,descriptor,ci_low,ci_high,ci_percentile_low,"
                      "ci_percentile_high,note\n"
                      "1,115,.90,+1.0,60,71,600,120,84,13,7,8,84,High Average,105,122,62,93,\n"
                      "2,70,,-2.0,30,8,300,60,2,4,1,2,2,Below Average,,,,,\n");
    QTest::newRow("no reliability: no interval columns")
        << QByteArray("z\n0\n") << QStringList{"--interpret"}
        << QByteArray("z,t,wechsler,nce,ceeb,agct,percentile,scaled,stanine,sten,percentile_rank,"
                      "descriptor,note\n"
                      "+.0,50,100,50,500,100,50,10,5,6,50,Average,\n");
    QTest::newRow("columns present are rewritten, not added again")
        << QByteArray("id,z,descriptor,note,Scaled,ci_low\n1,1,stale,old,x,y\n")
        << QStringList{"--interpret"}
        << QByteArray("id,z,descriptor,note,Scaled,ci_low,t,wechsler,nce,ceeb,agct,percentile,"
                      "stanine,sten,percentile_rank\n"
                      "1,+1.0,High Average,,13,,60,115,71,600,120,84,7,8,84\n");
    QTest::newRow("a bad reliability refuses its row, scores as they were, no interpretation")
        << QByteArray("id,z,reliability,sten\n1,1,1.5,x\n2,1,n/a,x\n5,1,.9,x\n")
        << QStringList{"--interpret"}
        << QByteArray("id,z,reliability,sten,t,wechsler,nce,ceeb,agct,percentile,scaled,stanine,"
                      "percentile_rank,descriptor,ci_low,ci_high,ci_percentile_low,"
                      "ci_percentile_high,note\n"
                      "1,1,1.5,,,,,,,,,,,,,,,,\"reliability: \"\"1.5\"\": The reliability must be "
                      "greater than 0 and less than 1.\"\n"
                      "2,1,n/a,,,,,,,,,,,,,,,,\"reliability: \"\"n/a\"\" is not a number\"\n"
                      "5,+1.0,.9,8,60,115,71,600,120,84,13,7,84,High Average,105,122,62,93,\n");
    QTest::newRow("a reliability is judged as written, not as its double")
        << QByteArray("z;reliability\n1;0,999999999999999999999\n1;1,0000000000000000001\n7,5;\n1;0.9\n")
        << QStringList{"--interpret"}
        << QByteArray("z;reliability;t;wechsler;nce;ceeb;agct;percentile;scaled;stanine;sten;"
                      "percentile_rank;descriptor;ci_low;ci_high;ci_percentile_low;"
                      "ci_percentile_high;note\n"
                      "1;0,999999999999999999999;;;;;;;;;;;;;;;;\"reliability: \"\"0,999999999999999999999\"\": "
                      "The reliability is too close to 1 to calculate with: it rounds to 1.\"\n"
                      "1;1,0000000000000000001;;;;;;;;;;;;;;;;\"reliability: \"\"1,0000000000000000001\"\": "
                      "The reliability must be greater than 0 and less than 1.\"\n"
                      "7,5;;;;;;;;;;;;;;;;;z scores must range from -6,99 to +6,99.\n"
                      "1;0.9;;;;;;;;;;;;;;;;\"reliability: \"\"0.9\"\": this file uses a decimal comma\"\n");
    // The same scores with other reliabilities, close together: a
    // remembered row must not lend its interval to another.
    QTest::newRow("the same score with other reliabilities")
        << QByteArray("wechsler,reliability\n115,.9\n115,.8\n115,\n115,.9\n115,.8\n")
        << QStringList{"--interpret", "--reliability", ".7", "--ci-scale", "z"}
        << QByteArray("wechsler,reliability,z,t,nce,ceeb,agct,percentile,scaled,stanine,sten,"
                      "percentile_rank,descriptor,ci_low,ci_high,ci_percentile_low,"
                      "ci_percentile_high,note\n"
                      "115,.9,+1.0,60,71,600,120,84,13,7,8,84,High Average,+.31,+1.49,62,93,\n"
                      "115,.8,+1.0,60,71,600,120,84,13,7,8,84,High Average,+.02,+1.58,51,94,\n"
                      "115,,+1.0,60,71,600,120,84,13,7,8,84,High Average,-.2,+1.6,42,94,\n"
                      "115,.9,+1.0,60,71,600,120,84,13,7,8,84,High Average,+.31,+1.49,62,93,\n"
                      "115,.8,+1.0,60,71,600,120,84,13,7,8,84,High Average,+.02,+1.58,51,94,\n");
    QTest::newRow("a result typed over is refused, every score kept")
        << QByteArray("id,wechsler,z,t,nce,ceeb,agct,percentile,scaled,stanine,percentile_rank,"
                      "descriptor,note\n"
                      "1,70,+1.0,60,71,600,120,84,13,7,84,High Average,\n"
                      "2,100,+.0,50,50,500,100,50,10,5,50,Average,\n"
                      "3,70,,60,,,,,13,7,84,High Average,\n")
        << QStringList()
        << QByteArray("id,wechsler,z,t,nce,ceeb,agct,percentile,scaled,stanine,percentile_rank,"
                      "descriptor,note\n"
                      "1,70,+1.0,60,71,600,120,84,,,,,\"wechsler \"\"70\"\" disagrees with the "
                      "other scores; to convert from it, use --from wechsler or empty the others\"\n"
                      "2,100,+.0,50,50,500,100,50,,,,,\n"
                      "3,70,,60,,,,,,,,,\"the scores disagree: t \"\"60\"\" and wechsler "
                      "\"\"70\"\" cannot both be right; convert with --from COLUMN, or empty the "
                      "cells that are results\"\n");
    QTest::newRow("with --from the typed-over score converts")
        << QByteArray("id,wechsler,z,t,percentile\n1,70,+1.0,60,84\n") << QStringList{"--from", "wechsler"}
        << QByteArray("id,wechsler,z,t,percentile,nce,ceeb,agct,note\n1,70,-2.0,30,2,8,300,60,\n");
    QTest::newRow("without --interpret its columns are emptied, the reliability kept")
        << QByteArray("id,wechsler,reliability,scaled,CI_low\n1,115,x,y,z\n") << QStringList()
        << QByteArray("id,wechsler,reliability,scaled,CI_low,z,t,nce,ceeb,agct,percentile,note\n"
                      "1,115,x,,,+1.0,60,71,600,120,84,\n");
}

void TestBatchConverter::convertsFiles()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, output);
    const Run run = convert(input, options);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, output);
}

void TestBatchConverter::usageErrors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");

    QTest::newRow("column named twice") << QByteArray("z,Z \n1,2\n") << QStringList()
                                        << "names the column \"z\" twice";
    QTest::newRow("broken header") << QByteArray("\"z\"x,t\n") << QStringList()
                                   << "header row is malformed";
    QTest::newRow("bad delimiter") << QByteArray("z\n") << QStringList{"-d", "|"}
                                   << "comma, semicolon or tab";
    QTest::newRow("both decimal marks") << QByteArray("z\n")
                                        << QStringList{"--decimal-comma", "--decimal-point"}
                                        << "--decimal-point and --decimal-comma cannot both be given";
    QTest::newRow("option without value") << QByteArray("z\n") << QStringList{"-o"}
                                          << "needs a value";
    QTest::newRow("two input files") << QByteArray("z\n") << QStringList{"a.csv", "b.csv"}
                                     << "more than one input file";
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEz\x00\n\x00", 6) << QStringList()
                            << "standard input is UTF-16; it must be UTF-8";
    QTest::newRow("UTF-16, big-endian") << QByteArray("\xFE\xFF\x00z\x00\n", 6) << QStringList()
                                        << "standard input is UTF-16; it must be UTF-8";
    QTest::newRow("--from a column that is no score") << QByteArray("z,mean\n") << QStringList{"--from", "mean"}
                                                      << "--from takes raw, z, t, wechsler, nce, ceeb, agct or percentile, not \"mean\"";
    QTest::newRow("--from a column the file lacks") << QByteArray("z\n") << QStringList{"--from", "t"}
                                                    << "the header has no column t";
    QTest::newRow("--from raw without sd") << QByteArray("raw,mean\n") << QStringList{"--from", "raw"}
                                           << "--from raw needs the columns raw, mean and sd";
    const QByteArray z = "z\n1\n";
    const auto interpret = [](QStringList options) { return options << "--interpret"; };
    QTest::newRow("reliability 1") << z << interpret({"--reliability", "1"})
                                   << "--reliability \"1\": The reliability must be greater than 0 and less than 1.";
    QTest::newRow("confidence 100") << z << interpret({"--confidence", "100"})
                                    << "--confidence \"100\": The confidence level must be at least 50 and less than 100.";
    // Messages never contradict the number as written.
    QTest::newRow("confidence just below 50, whose double is 50")
        << z << interpret({"--confidence", "49.999999999999999999"})
        << "The confidence level must be at least 50 and less than 100.";
    QTest::newRow("confidence just below 100, whose double is 100")
        << z << interpret({"--confidence", "99,99999999999999999999"})
        << "The confidence level is too close to 100 to calculate with: it rounds to 100.";
    QTest::newRow("reliability just below 1, whose double is 1")
        << z << interpret({"--reliability", "0.999999999999999999999"})
        << "The reliability is too close to 1 to calculate with: it rounds to 1.";
    QTest::newRow("unknown method") << z << interpret({"--ci-method", "sem"})
                                    << "--ci-method takes true-score or obtained, not \"sem\"";
    QTest::newRow("ci scale that no interpretation has") << z << interpret({"--ci-scale", "percentile"})
                                                     << "--ci-scale takes z, t, wechsler, nce, ceeb, "
                                                        "agct, scaled, stanine, sten or percentile_rank";
    QTest::newRow("unknown descriptor system") << z << interpret({"--descriptors", "no-such-system"})
                                               << "--descriptors takes aacn, wechsler, wechsler-classic, "
                                                  "woodcock-johnson, or a descriptor file; cannot read";
    QTest::newRow("a folder for descriptors") << z << interpret({"--descriptors", "/"})
                                              << "Is a directory";
    QTest::newRow("an interval option without --interpret") << z << QStringList{"--reliability", ".9"}
                                                            << "--reliability needs --interpret";
    QTest::newRow("reliability named twice") << QByteArray("z,reliability,Reliability\n")
                                             << interpret({}) << "names the column \"reliability\" twice";
    const QByteArray study = "pupil,reading,iq\np1,57,112\n";
    QTest::newRow("--raw names a column the file lacks") << study << QStringList{"--raw", "read", "--mean", "50", "--sd", "10"}
                                                        << "--raw read: the header has no column read";
    QTest::newRow("--mean without --sd") << study << QStringList{"--raw", "reading", "--mean", "50"}
                                         << "--mean needs --sd";
    QTest::newRow("--sd of 0") << study << QStringList{"--sd", "0"} << "--sd \"0\": an sd must be above 0";
    QTest::newRow("--mean no number") << study << QStringList{"--mean", "fifty"} << "--mean: \"fifty\" is not a number";
    QTest::newRow("--score with no scale") << study << QStringList{"--score", "iq"}
                                           << "--score takes SCALE=COLUMN, SCALE being z, t, wechsler";
    QTest::newRow("--score of the raw scale") << study << QStringList{"--score", "raw=iq"} << "--score takes SCALE=COLUMN";
    QTest::newRow("one column as two scales") << study << QStringList{"--score", "t=iq", "--score", "z=IQ"}
                                              << "the column iq is already named";
    QTest::newRow("two columns as one scale") << study << QStringList{"--score", "t=iq", "--score", "t=reading"}
                                              << "t is already read from the column iq";
    QTest::newRow("--missing with a word") << study << QStringList{"--missing", "999,n/a"}
                                           << "--missing takes numbers, or COLUMN:NUMBER, parted by commas, not \"n/a\"";
    QTest::newRow("--missing for a column the file lacks") << study << QStringList{"--score", "wechsler=iq", "--missing", "read:999"}
                                                           << "--missing read:999: the header has no column read";
    QTest::newRow("a prefix no column has") << study << QStringList{"--prefix", "read_"}
                                            << "each after the prefix read_";
    QTest::newRow("study columns with --profile") << study << QStringList{"--profile", "--prefix", "read_"}
                                                  << "--prefix cannot be used with --profile";
}

// A study's file converts as it is: the options name its columns, the
// added columns carry the prefix, and missing codes are empty cells.
void TestBatchConverter::studyColumns_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QByteArray>("summary");

    const QByteArray study = "pupil,reading,iq,mean\np1,57,112,0\np2,999,-9,0\np3,,,0\n";
    QTest::newRow("--raw with a norm given once; a column mean of another test is carried")
        << QStringList{"--raw", "reading", "--mean", "50", "--sd", "10", "--missing", "999,-9"} << study
        << QByteArray("pupil,reading,iq,mean,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "p1,57,112,0,+.7,57,111,65,570,114,76,\n"
                      "p2,999,-9,0,,,,,,,,\"reading: \"\"999\"\" is a missing-value code; no score to convert\"\n"
                      "p3,,,0,,,,,,,,\"Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to convert to other standard scores.\"\n")
        << QByteArray("1 row converted, 0 refused, 2 empty, 0 malformed");
    QTest::newRow("--score and --prefix; a code for one column alone")
        << QStringList{"--score", "Wechsler=IQ", "--prefix", "iq_", "--missing", "reading:-9,iq:-9"} << study
        << QByteArray("pupil,reading,iq,mean,iq_z,iq_t,iq_nce,iq_ceeb,iq_agct,iq_percentile,iq_note\n"
                      "p1,57,112,0,+.8,58,67,580,116,79,\n"
                      "p2,999,-9,0,,,,,,,\"iq: \"\"-9\"\" is a missing-value code; no score to convert\"\n"
                      "p3,,,0,,,,,,,\"Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to convert to other standard scores.\"\n")
        << QByteArray("1 row converted, 0 refused, 2 empty, 0 malformed");
    // Held at z's bound, the window's result; in a file, a question.
    QTest::newRow("a raw score far from the mean is asked about")
        << QStringList{"--raw", "reading", "--mean", "50", "--sd", "10"}
        << QByteArray("reading\n999\n-20\n119\n")
        << QByteArray("reading,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "999,,,,,,,,raw score is 94.9 sd above the mean: is it a missing-value code?\n"
                      "-20,,,,,,,,raw score is 7.0 sd below the mean: is it a missing-value code?\n"
                      "119,+6.9,99*,199*,99*,800*,199*,99*,\n")
        << QByteArray("1 row converted, 2 refused, 0 malformed");
    QTest::newRow("a blank line is empty, not refused") << QStringList() << QByteArray("z\n\n1\n")
        << QByteArray("z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      ",,,,,,,\"Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to convert to other standard scores.\"\n"
                      "+1.0,60,115,71,600,120,84,\n")
        << QByteArray("1 row converted, 0 refused, 1 empty, 0 malformed");
}

void TestBatchConverter::studyColumns()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, output);
    QFETCH(QByteArray, summary);
    const Run run = convert(input, options);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.output, output);
    QCOMPARE(run.errors, "quintaval-convert: " + summary + "\n");
    const Run again = convert(run.output, options);
    QCOMPARE(again.output, output);
}

void TestBatchConverter::usageErrors()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const Run run = convert(input, options);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.errors.contains(message.toUtf8()), run.errors.constData());
    QVERIFY(run.output.isEmpty());
}

// A cell that is not wholly a plain number refuses its row, whatever its
// leading characters would read as; the row keeps its cells.
void TestBatchConverter::refusesWhatIsNotANumber_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("note");

    const QStringList notNumbers = {"n/a", "abc", ".", "-", "--1", "+-1", "0x10", " ", "NaN",
                                    "inf", "1e-3", "1 000", "\u2212" "1.5", "1..5", "1.5.", "+",
                                    "1,5,", "5-", "\t-\t", "\"", "*", "1**", "\xC2\xA0" "1"};
    for (const QString &cell : notNumbers)
        QTest::addRow("z \"%s\"", qPrintable(cell))
            << QByteArray("id,z") << ("1,\"" + cell.toUtf8().replace("\"", "\"\"") + "\"")
            << QString("z: \"%1\" is not a number").arg(cell);
    QTest::newRow("raw") << QByteArray("raw,mean,sd") << QByteArray("n/a,100,15")
                         << "raw: \"n/a\" is not a number";
    QTest::newRow("sd read as 1 once") << QByteArray("raw,mean,sd") << QByteArray("1,100,1e-320")
                                       << "sd: \"1e-320\" is not a number";
    QTest::newRow("mean, also beside a standard score") << QByteArray("mean,t")
                                                        << QByteArray("12a,50") << "mean: \"12a\" is not a number";
    QTest::newRow("a plus sign is z's alone") << QByteArray("t") << QByteArray("+60")
                                              << "t: \"+60\" is not a number";
    QTest::newRow("a raw score is never marked") << QByteArray("raw,mean,sd")
                                                 << QByteArray("99*,100,15") << "raw: \"99*\" is not a number";
    QTest::newRow("a decimal comma in a tab file") << QByteArray("id\tt") << QByteArray("1\t55,5")
                                                   << "t: \"55,5\": this file uses a decimal point";
    QTest::newRow("a decimal point in a semicolon file") << QByteArray("id;t") << QByteArray("1;55.5")
                                                         << "t: \"55.5\": this file uses a decimal comma";

    QTest::newRow("the first bad cell in the window's order")
        << QByteArray("percentile,z") << QByteArray("x,y") << "z: \"y\" is not a number";
    QTest::newRow("a long cell is cut in the note")
        << QByteArray("z") << QByteArray(60, '7') + "x"
        << "z: \"" + QString(40, '7') + "...\" is not a number";
}

void TestBatchConverter::refusesWhatIsNotANumber()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, row);
    QFETCH(QString, note);
    const Run run = convert(header + "\n" + row + "\n");
    QCOMPARE(run.status, 0);
    QVERIFY2(run.errors.contains("0 rows converted, 1 refused"), run.errors.constData());
    const auto in = parse(header + "\n" + row + "\n");
    const auto out = parse(run.output);
    QCOMPARE(out.size(), size_t(2));
    for (size_t column = 0; column < in[1].size(); ++column)
        QCOMPARE(out[1][column], in[1][column]);
    for (size_t column = in[1].size(); column + 1 < out[1].size(); ++column)
        QCOMPARE(out[1][column], std::string());
    QCOMPARE(QString::fromStdString(out[1].back()), note);
}

// The tool's output, converted again, comes back unchanged: for rows from
// raw scores always, and for every row when the source is named.
void TestBatchConverter::reconvertingChangesNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QByteArray>("input");

    QRandomGenerator random(7);
    const auto number = [&](double low, double high, int decimals) {
        return QByteArray::number(low + random.generateDouble() * (high - low), 'f', decimals);
    };
    QByteArray raw = "id,raw,mean,sd,z,t,wechsler,nce,ceeb,agct,percentile\n";
    for (int i = 0; i < 3000; ++i)
        raw += QByteArray::number(i) + "," + number(-50, 250, i % 3) + "," + number(40, 160, 1)
               + "," + number(-1, 30, i % 4) + (i % 5 ? ",,,,,,," : ",1,2,3,4,5,6,7") + "\n";
    QTest::newRow("rows from raw scores") << QStringList() << raw;
    QTest::newRow("rows from raw scores, semicolons") << QStringList()
                                                      << QByteArray(raw).replace(',', ';').replace('.', ',');
    QTest::newRow("--from raw") << QStringList{"--from", "raw"} << raw;
    QByteArray reliable = raw;
    reliable.replace("\n", ",.9\n").replace(",,.9\n", ",,\n");
    reliable.replace("percentile,.9\n", "percentile,reliability\n");
    QTest::newRow("rows from raw scores, interpreted")
        << QStringList{"--interpret", "--reliability", ".8"} << reliable;

    const QStringList scales = {"z", "t", "wechsler", "nce", "ceeb", "agct", "percentile"};
    const double low[] = {-8, -5, -5, -5, 100, -5, -5}, high[] = {8, 105, 205, 105, 900, 205, 105};
    for (int source = 0; source < scales.size(); ++source) {
        QByteArray input = "id,z,t,wechsler,nce,ceeb,agct,percentile\n";
        for (int i = 0; i < 2000; ++i) {
            input += QByteArray::number(i);
            for (int scale = 0; scale < scales.size(); ++scale) {
                input += ",";
                if (scale == source ? i % 50 != 0 : i % 3 == 0)
                    input += number(low[scale], high[scale], i % 4) + (i % 11 == 0 ? "*" : "");
            }
            input += "\n";
        }
        QTest::addRow("--from %s", qPrintable(scales[source]))
            << QStringList{"--from", scales[source]} << input;
    }

    // Every score of every scale, on its own step and on a tenth of it,
    // converted by the rule for a row: its scores agree once converted.
    for (int source = 0; source < scales.size(); ++source) {
        const conversion::Scale &scale = conversion::kScales[source + 1];
        const int decimals = source == 0 ? 2 : 0;
        QByteArray input = scales[source].toUtf8() + "\n";
        for (int tenths = 0; tenths < 2; ++tenths) {
            const double step = std::pow(10.0, -decimals - tenths);
            const long long steps = std::llround((scale.highest - scale.lowest) / step);
            for (long long i = 0; i <= steps; ++i)
                input += QByteArray::number(scale.lowest + double(i) * step, 'f', decimals + tenths) + "\n";
        }
        QTest::addRow("every %s", qPrintable(scales[source])) << QStringList() << input;
        QTest::addRow("every %s, interpreted", qPrintable(scales[source]))
            << QStringList{"--interpret", "--reliability", ".9"} << input;
    }
    QByteArray rawRows = "raw,mean,sd\n";
    for (int i = 0; i < 3000; ++i)
        rawRows += number(-50, 250, i % 3) + "," + number(40, 160, 1) + "," + number(0.5, 30, i % 4) + "\n";
    QTest::newRow("raw scores, interpreted") << QStringList{"--interpret", "--reliability", ".9"}
                                             << rawRows;
    // Named columns, a norm given once, codes and a prefix: a second test
    // of the same file converts beside the first, and each run again
    // changes nothing.
    QByteArray study = "id,reading,iq\n";
    for (int i = 0; i < 2000; ++i)
        study += QByteArray::number(i) + "," + (i % 17 ? number(-40, 140, i % 3) : "999") + ","
                 + (i % 13 ? number(38, 162, i % 2) : "-9") + "\n";
    const QStringList reading = {"--raw", "reading", "--mean", "50", "--sd", "10", "--missing", "999",
                                 "--prefix", "read_"};
    const QStringList iq = {"--score", "wechsler=iq", "--missing", "-9", "--prefix", "iq_",
                            "--interpret", "--reliability", ".9"};
    QTest::newRow("a raw score named, with a prefix") << reading << study;
    QTest::newRow("a second test beside the first") << iq << convert(study, reading).output;
    QTest::newRow("the first test beside the second") << reading << convert(study, iq).output;
}

void TestBatchConverter::reconvertingChangesNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QByteArray, input);
    const Run first = convert(input, options);
    QCOMPARE(first.status, 0);
    QVERIFY2(!first.errors.contains(" 0 rows converted"), first.errors.constData());
    const Run second = convert(first.output, options);
    QCOMPARE(second.status, 0);
    const QList<QByteArray> once = first.output.split('\n'), twice = second.output.split('\n');
    QCOMPARE(twice.size(), once.size());
    for (qsizetype i = 0; i < once.size(); ++i)
        QCOMPARE(twice[i], once[i]);
}

// Scores that agree, typed by hand in any order of columns: each comes back
// as it was given, at the precision it was given, whichever column the
// window would have taken; a raw score counts as a score.
void TestBatchConverter::agreeingScoresComeBackAsGiven_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("refusal"); // part of the note; empty: converted
    QTest::newRow("Wechsler 70 in three scales") << "wechsler=70;ceeb=300;z=-2" << "";
    QTest::newRow("a coarse percentile beside a finer score") << "wechsler=115;percentile=84;ceeb=600" << "";
    QTest::newRow("z to the whole number") << "z=1;wechsler=116;t=61" << "";
    QTest::newRow("T, Wechsler and NCE") << "t=63;wechsler=120;nce=78" << "";
    QTest::newRow("a middle percentile") << "percentile=50;z=0;t=50" << "";
    QTest::newRow("decimals beyond the scale's") << "wechsler=70.4;z=-1.97;agct=60.5" << "";
    QTest::newRow("a raw score that agrees") << "raw=47;mean=50;sd=10;wechsler=96" << "";
    QTest::newRow("a raw score with two others") << "raw=112.5;mean=100;sd=10;t=62.5;ceeb=625" << "";
    QTest::newRow("a raw score that disagrees")
        << "raw=47;mean=50;sd=10;wechsler=77" << "raw \"47\" and wechsler \"77\" cannot both be right";
    QTest::newRow("a raw score apart from two that agree")
        << "raw=47;mean=50;sd=10;wechsler=77;t=35" << "raw \"47\" disagrees with the other scores";
}

void TestBatchConverter::agreeingScoresComeBackAsGiven()
{
    QFETCH(QString, record);
    QFETCH(QString, refusal);
    const QStringList texts = fieldList(record);
    QList<int> given;
    for (int field = 0; field < texts.size(); ++field)
        if (!texts[field].isEmpty())
            given << field;
    // Every order of the score columns; mean and sd follow the raw score.
    QList<int> order;
    for (const int field : given)
        if (field != 1 && field != 2)
            order << field;
    std::sort(order.begin(), order.end());
    do {
        QStringList names, cells;
        for (const int field : order) {
            for (const int column : field == 0 ? QList<int>{0, 1, 2} : QList<int>{field}) {
                names << kFieldNames[column];
                cells << texts[column];
            }
        }
        const Run run = convert((names.join(',') + "\n" + cells.join(',') + "\n").toUtf8());
        QCOMPARE(run.status, 0);
        const auto rows = parse(run.output);
        const std::string note = cellOf(rows, 1, "note");
        if (!refusal.isEmpty()) {
            QVERIFY2(note.find(refusal.toStdString()) != std::string::npos, note.c_str());
            for (int column = 0; column < names.size(); ++column)
                QCOMPARE(QString::fromStdString(rows[1][size_t(column)]), cells[column]);
            continue;
        }
        QVERIFY2(note.empty(), note.c_str());
        for (const int field : order) {
            const QString &text = texts[field];
            // A result is written to its scale's decimals, as the window writes it.
            const int written = text::readMask(conversion::kScales[std::max(field - 2, 0)].mask).decimals;
            const int decimals = std::min(written, text.contains('.') ? int(text.size() - text.indexOf('.') - 1) : 0);
            const QString got = QString::fromStdString(cellOf(rows, 1, kFieldNames[field].toStdString()));
            QVERIFY2(QString::number(got.toDouble(), 'f', decimals) == QString::number(text.toDouble(), 'f', decimals),
                     qPrintable(names.join(',') + ": " + kFieldNames[field] + " " + text + " came back as " + got));
        }
    } while (std::next_permutation(order.begin(), order.end()));
}

// Appending to the input, by name or through a link, would make the tool
// read its own rows for ever; nothing is written, not even the header.
void TestBatchConverter::neverWritesOntoItsInput_data()
{
    QTest::addColumn<QString>("output"); // how the output is reached
    QTest::newRow("standard output appending to the input") << "";
    QTest::newRow("-o naming the input") << "same";
    QTest::newRow("-o through a symbolic link") << "symlink";
    QTest::newRow("-o through a hard link") << "hardlink";
}

void TestBatchConverter::neverWritesOntoItsInput()
{
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString input = dir.filePath("app.csv");
    const QByteArray content = "z\n1\n";
    {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QString target = input;
    if (output == "symlink")
        QVERIFY(QFile::link(input, target = dir.filePath("link.csv")));
    if (output == "hardlink")
        QCOMPARE(::link(qPrintable(input), qPrintable(target = dir.filePath("hard.csv"))), 0);
    const int in = ::open(qPrintable(input), O_RDONLY);
    const int appended = ::open(qPrintable(input), O_WRONLY | O_APPEND);
    const auto err = tempFile();
    std::vector<std::string> arguments;
    if (!output.isEmpty())
        arguments = {"-o", target.toStdString()};
    const int status = batch::ConvertCommand(in, appended, err->handle()).run(arguments);
    ::close(in);
    ::close(appended);
    QCOMPARE(status, 2);
    QFile file(input);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), content);
    err->seek(0);
    QVERIFY(err->readAll().contains("the output is the input file itself"));
}

// A signal that ends a run while -o is written leaves the old file whole
// and nothing beside it: one sent from outside while the input is still
// coming, and a file-size limit reached by the run itself.
void TestBatchConverter::signalsLeaveNoTemporaryFile_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGQUIT") << SIGQUIT;
    QTest::newRow("SIGPIPE") << SIGPIPE;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGXFSZ, ulimit -f") << SIGXFSZ;
}

void TestBatchConverter::signalsLeaveNoTemporaryFile()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    const QString target = dir.filePath("target.csv");
    {
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old\n");
    }
    int input[2];
    QCOMPARE(::pipe(input), 0);
    const int err = ::open("/dev/null", O_WRONLY);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(input[1]);
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        if (signal == SIGXFSZ) {
            const rlimit small{64 * 1024, 64 * 1024};
            ::setrlimit(RLIMIT_FSIZE, &small);
        }
        const std::vector<std::string> arguments{"-o", target.toStdString()};
        ::_exit(batch::ConvertCommand(input[0], err, err).run(arguments));
    }
    ::close(input[0]);
    ::close(err);
    QByteArray rows = "z\n";
    for (int i = 0; i < 20000; ++i)
        rows += "1.5\n";
    QCOMPARE(::write(input[1], rows.constData(), size_t(rows.size())), ssize_t(rows.size()));
    const auto temporaries = [&] {
        return QDir(dir.path()).entryList({".target.csv.*"}, QDir::Hidden | QDir::Files);
    };
    if (signal == SIGXFSZ) {
        ::close(input[1]); // the whole input: the run ends on the limit as it writes
    } else {
        // The run waits for more input with its new file begun.
        QTRY_COMPARE(temporaries().size(), qsizetype(1));
        ::kill(child, signal);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    if (signal != SIGXFSZ)
        ::close(input[1]);
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(WTERMSIG(status), signal);
    QCOMPARE(temporaries(), QStringList());
    QFile old(target);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old\n"));
}

// A record longer than any the tool reads stops the run with its reason.
void TestBatchConverter::aRecordTooLongSaysSo()
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.csv");
    {
        QFile file(big);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("z\n1\n1");
        // The rest reads as zero bytes, without a line break, and takes no disk.
        QVERIFY(file.resize(text::kRecordLimit + (1 << 20)));
    }
    const Run run = convert({}, {big, "-o", dir.filePath("out.csv")});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.errors.contains("cannot read " + big.toUtf8() + ": record 3 runs past 256 MB"),
             run.errors.constData());
    QVERIFY(!QFile::exists(dir.filePath("out.csv")));
}

void TestBatchConverter::summaryCountsEveryKindOfRow()
{
    const Run run = convert("z\n1\n8\nx\n\"1\"2\n2\n1,2\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QByteArray("quintaval-convert: 2 rows converted, 2 refused, 2 malformed\n"));
    QCOMPARE(parse(run.output).size(), size_t(7));
}

// On a terminal, a long run shows how far it has read.
void TestBatchConverter::progressShowsThePartRead()
{
    const auto out = tempFile();
    {
        using std::chrono::milliseconds;
        batch::ProgressMeter meter(out->handle(), 1000, true, milliseconds(0), milliseconds(0));
        meter.update(0x4000, 250);
        meter.update(0x4001, 500); // between showings
        meter.update(0x8000, 999);
        meter.finish();
    }
    out->seek(0);
    QCOMPARE(out->readAll(), QByteArray("\r16384 rows, 25%\r32768 rows, 99%\r               \r"));
}

// Interpretation cells of a one-row file, by column names; the values of
// many more rows are checked against the core below.
void TestBatchConverter::interpretedCells_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("columns"); // space-separated
    QTest::addColumn<QString>("expected"); // the cells, space-separated

    const QStringList interpret = {"--interpret"};
    QTest::newRow("wechsler-classic, named in any case")
        << QByteArray("wechsler\n75\n") << QStringList{"--interpret", "--descriptors", "Wechsler-Classic"}
        << "descriptor" << "Borderline";
    // The Wechsler column shows 130 for 129.5, so must the label.
    QTest::newRow("label agrees with the rounded score")
        << QByteArray("raw,mean,sd\n129.5,100,15\n") << interpret << "descriptor"
        << "Exceptionally High";

    // Wechsler IQ 115, r .90, 95%: the worked example.
    const QByteArray example = "wechsler,reliability\n115,.90\n";
    const QString interval = "ci_low ci_high ci_percentile_low ci_percentile_high";
    QTest::newRow("true score") << example << interpret << interval << "105 122 62 93";
    QTest::newRow("obtained") << example << QStringList{"--interpret", "--ci-method", "obtained"}
                              << interval << "106 124 65 95";
    QTest::newRow("confidence 50") << example << QStringList{"--interpret", "--confidence", "50"}
                                   << "ci_low" << "110";
    QTest::newRow("an option with a decimal comma")
        << QByteArray("wechsler\n115\n") << QStringList{"--interpret", "--reliability", "0,9"}
        << "ci_low" << "105";
    QTest::newRow("a refused row has no interpretation")
        << QByteArray("wechsler,reliability\n250,.9\n") << interpret << "descriptor" << "";

    // Decimal commas wherever a number has a decimal mark.
    QTest::newRow("decimal commas") << QByteArray("z;reliability\n2,75;0,9\n")
                                    << QStringList{"--interpret", "--ci-scale", "z"}
                                    << "percentile_rank ci_high" << "99,7 +3,06";
    QTest::newRow("comma: below 0.1") << QByteArray("z\t\n-3,2\t\n")
                                      << QStringList{"--interpret", "--decimal-comma"}
                                      << "percentile_rank" << "<0,1";
}

void TestBatchConverter::interpretedCells()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, options);
    QFETCH(QString, columns);
    QFETCH(QString, expected);
    const Run run = convert(input, options);
    QCOMPARE(run.status, 0);
    const auto rows = parse(run.output);
    QStringList cells;
    for (const QString &column : columns.split(QLatin1Char(' ')))
        cells << QString::fromStdString(cellOf(rows, 1, column.toStdString()));
    QCOMPARE(cells.join(QLatin1Char(' ')), expected);
}

// Every interpretation cell of many rows, some repeated, is the core's text
// for the row's outcome: the converter computes only the cells it writes,
// works the interval's width out once per reliability and remembers rows.
void TestBatchConverter::interpretationAgreesWithTheCore_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<double>("reliability"); // the option's; 0 for none
    QTest::addColumn<double>("confidence");
    QTest::addColumn<bool>("obtained");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QString>("system");

    using interpretation::ScaleId;
    QTest::newRow("defaults") << QStringList{"--interpret"} << 0.0 << 95.0 << false
                              << int(ScaleId::Wechsler) << "aacn";
    QTest::newRow("a reliability for empty cells")
        << QStringList{"--interpret", "--reliability", ".85", "--ci-scale", "stanine"} << 0.85
        << 95.0 << false << int(ScaleId::Stanine) << "aacn";
    QTest::newRow("obtained, 99.9, on z")
        << QStringList{"--interpret", "--reliability", "0.5", "--ci-method", "obtained",
                       "--confidence", "99.9", "--ci-scale", "z", "--descriptors",
                       "woodcock-johnson"}
        << 0.5 << 99.9 << true << int(ScaleId::Z) << "woodcock-johnson";
}

void TestBatchConverter::interpretationAgreesWithTheCore()
{
    QFETCH(QStringList, options);
    QFETCH(double, reliability);
    QFETCH(double, confidence);
    QFETCH(bool, obtained);
    QFETCH(int, scale);
    QFETCH(QString, system);

    QRandomGenerator random(13);
    QByteArray input = "raw,mean,sd,z,percentile,reliability\n";
    QList<QByteArray> rows;
    for (int i = 0; i < 6000; ++i) {
        if (i % 4 == 3) { // seen before, maybe with another reliability
            QByteArray row = rows[int(random.bounded(i))];
            if (i % 8 == 3)
                row = row.left(row.lastIndexOf(',') + 1) + QByteArray::number(i % 97 / 100.0 + 0.02);
            rows << row;
            continue;
        }
        const double value = random.generateDouble();
        QByteArray row;
        if (i % 3 == 0)
            row = QByteArray::number(20 + value * 160, 'f', i % 3) + ",100,15,,";
        else if (i % 3 == 1)
            row = ",,," + QByteArray::number(value * 14 - 7, 'f', 2) + ",";
        else
            row = ",,,," + QByteArray::number(1 + value * 98, 'f', 1);
        row += ",";
        if (i % 5 != 0)
            row += QByteArray::number(0.01 + random.bounded(98) / 100.0);
        rows << row;
    }
    input += rows.join('\n') + "\n";
    const Run run = convert(input, options);
    QCOMPARE(run.status, 0);
    const auto out = parse(run.output);
    QCOMPARE(out.size(), size_t(rows.size()) + 1);

    const interpretation::DescriptorSystem &descriptors =
        *interpretation::findSystem(system.toStdString());
    const auto scaleId = interpretation::ScaleId(scale);
    const auto text = [](const interpretation::ShownScore &shown) { return shown.text; };
    for (size_t row = 1; row < out.size(); ++row) {
        // A converted row has its score columns rewritten: read what came in.
        const QList<QByteArray> given = rows[int(row) - 1].split(',');
        const conversion::Outcome outcome = convertRow(fieldsFrom(
            QString("raw=%1;mean=%2;sd=%3;z=%4;percentile=%5")
                .arg(given[0], given[1], given[2], given[3], given[4])), true).outcome;
        interpretation::IntervalSettings settings{
            given[5].isEmpty() ? reliability : given[5].toDouble(), confidence,
            obtained ? interpretation::Method::Obtained : interpretation::Method::TrueScore};
        const interpretation::Interpretation core = interpretation::interpret(
            outcome, descriptors, settings.reliability > 0 ? &settings : nullptr);
        const std::string expected[] = {
            text(core.score[int(interpretation::ScaleId::Scaled)]),
            text(core.score[int(interpretation::ScaleId::Stanine)]),
            text(core.score[int(interpretation::ScaleId::Sten)]),
            text(core.score[int(interpretation::ScaleId::PercentileRank)]),
            core.descriptor,
            core.hasInterval ? text(core.lower[int(scaleId)]) : "",
            core.hasInterval ? text(core.upper[int(scaleId)]) : "",
            core.hasInterval ? text(core.lower[int(interpretation::ScaleId::PercentileRank)]) : "",
            core.hasInterval ? text(core.upper[int(interpretation::ScaleId::PercentileRank)]) : ""};
        for (int cell = 0; cell < batch::kInterpretedCellCount; ++cell) {
            const std::string column(batch::interpretedColumnName(cell));
            QVERIFY2(cellOf(out, row, column) == expected[cell],
                     qPrintable(QString("row %1, %2: \"%3\", the core says \"%4\"")
                                    .arg(row)
                                    .arg(column.c_str(), cellOf(out, row, column).c_str(),
                                         expected[cell].c_str())));
        }
    }
}

// A converted file, edited as a user would (scores changed, emptied, made
// unreadable or marked, reliabilities spoilt) and converted again: every
// cell the tool writes follows from the row's given cells alone, whatever
// the earlier run left, and every given cell comes back as it was.
void TestBatchConverter::noCellContradictsItsRow_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    const QStringList interpret = {"--interpret", "--reliability", ".8"};
    QTest::newRow("interpreted, then converted") << interpret << QStringList();
    QTest::newRow("interpreted, then interpreted otherwise")
        << interpret << QStringList{"--interpret", "--ci-method", "obtained", "--ci-scale", "t"};
    QTest::newRow("converted, then interpreted") << QStringList() << interpret;
    QTest::newRow("interpreted, then from wechsler alone")
        << interpret << QStringList{"--from", "wechsler"};
}

void TestBatchConverter::noCellContradictsItsRow()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QRandomGenerator random(29);
    QByteArray input = "id,raw,mean,sd,wechsler,t,reliability\n";
    for (int i = 0; i < 1500; ++i) {
        const QByteArray number = QByteArray::number(random.bounded(2000) / 10.0);
        QByteArray row = QByteArray::number(i) + ",";
        row += i % 3 == 0 ? number + ",100,15,," : i % 3 == 1 ? ",,," + number + "," : ",,,," + number;
        row += i % 4 == 0 ? QByteArray(",") : ",." + QByteArray::number(50 + i % 49);
        input += row + "\n";
    }
    const Run once = convert(input, first);
    QCOMPARE(once.status, 0);

    // Edits: a new score, a score emptied, unreadable or marked, a raw
    // score spoilt, a reliability out of range or unreadable.
    std::vector<std::vector<std::string>> rows = parse(once.output);
    const std::vector<std::string> header = rows[0];
    const auto columnOf = [&](const std::string &name) {
        return size_t(std::find(header.begin(), header.end(), name) - header.begin());
    };
    const std::vector<std::string> scores = {"z", "t", "wechsler", "nce", "ceeb", "agct", "percentile"};
    for (size_t row = 1; row < rows.size(); ++row) {
        std::vector<std::string> &cells = rows[row];
        const std::string &score = scores[random.bounded(int(scores.size()))];
        switch (random.bounded(8)) {
        case 0: cells[columnOf("wechsler")] = QByteArray::number(random.bounded(60, 150)).toStdString(); break;
        case 1: cells[columnOf(score)] = QByteArray::number(random.bounded(1, 99)).toStdString(); break;
        case 2: cells[columnOf(score)].clear(); break;
        case 3: cells[columnOf(score)] = "n/a"; break;
        case 4: cells[columnOf(score)] += "*"; break;
        case 5: cells[columnOf("raw")] = "x"; break;
        case 6: cells[columnOf("reliability")] = random.bounded(2) ? "1.5" : "r"; break;
        default: break;
        }
    }
    QByteArray edited;
    for (const auto &cells : rows) {
        QStringList quoted;
        for (const std::string &cell : cells)
            quoted << "\"" + QString::fromStdString(cell) + "\"";
        edited += quoted.join(',').toUtf8() + "\n";
    }
    const Run twice = convert(edited, second);
    QCOMPARE(twice.status, 0);
    const auto out = parse(twice.output);
    QCOMPARE(out.size(), rows.size());
    QVERIFY(std::equal(header.begin(), header.end(), out[0].begin()));

    const bool interpreting = second.contains("--interpret");
    const bool obtained = second.contains("obtained");
    const int from = second.contains("--from") ? 2 : -1; // wechsler, in `scores`
    const interpretation::ScaleId ciScale =
        second.contains("t") ? interpretation::ScaleId::T : interpretation::ScaleId::Wechsler;
    for (size_t row = 1; row < out.size(); ++row) {
        std::vector<std::string> given = rows[row];
        given.resize(out[0].size()); // columns this run adds were empty
        const std::vector<std::string> &got = out[row];
        const auto cell = [&](const std::string &name) { return given[columnOf(name)]; };
        const auto plain = [](const std::string &text) {
            return text.empty() || text::findPlainNumber(text, {'.', true}).has_value();
        };
        // The window's rule picks the source; with --from, the option does.
        int source = from;
        const bool raw = !cell("raw").empty() && !cell("mean").empty() && !cell("sd").empty();
        for (int i = 0; i < int(scores.size()) && from < 0 && !raw; ++i) {
            const std::string &text = cell(scores[size_t(i)]);
            if (!text.empty() && text.back() != '*')
                source = i;
        }
        conversion::FieldTexts fields;
        if (from < 0) {
            fields.raw = cell("raw");
            fields.rawMean = cell("mean");
            fields.rawSd = cell("sd");
            for (size_t i = 0; i < scores.size(); ++i)
                fields.score[i + 1] = cell(scores[i]);
        } else if (source >= 0) {
            fields.score[size_t(source) + 1] = cell(scores[size_t(source)]);
        }
        const std::string reliability = cell("reliability");
        bool readable = plain(cell("raw")) && (plain(reliability) || !interpreting);
        for (const std::string &score : scores) {
            std::string text = cell(score);
            if (!text.empty() && text.back() == '*')
                text.pop_back();
            readable = readable && plain(text) && (text.empty() == cell(score).empty());
        }
        const bool defaultReliability = second.contains("--reliability");
        const double r = reliability.empty() ? (defaultReliability ? 0.8 : 0)
                                             : QByteArray::fromStdString(reliability).toDouble();
        readable = readable && (!interpreting || reliability.empty() || (r > 0 && r < 1));
        if (from >= 0 && !cell("wechsler").empty() && cell("wechsler").back() == '*')
            readable = false; // a bound is no score to start from
        conversion::Outcome outcome;
        outcome.refused = true;
        // An edited score that the others contradict refuses the row.
        const RowConversion rowConversion = convertRow(fields, interpreting && from < 0);
        const bool keepsScores = readable && rowConversion.disagree;
        if (readable && !rowConversion.disagree)
            outcome = rowConversion.outcome;
        const bool converted = !outcome.refused;
        QCOMPARE(got[columnOf("note")].empty(), converted);

        const interpretation::IntervalSettings settings{
            r, 95, obtained ? interpretation::Method::Obtained : interpretation::Method::TrueScore};
        const interpretation::Interpretation core = interpretation::interpret(
            outcome, interpretation::builtInSystems().front(), r > 0 ? &settings : nullptr);
        for (size_t column = 0; column < got.size(); ++column) {
            const std::string &name = out[0][column];
            const auto at = std::find(scores.begin(), scores.end(), name);
            std::string expected = given[column]; // a given cell, as it came
            if (name == "note") {
                continue;
            } else if (at != scores.end()) {
                const int position = int(at - scores.begin()) + 1;
                if (converted && !(from >= 0 && position - 1 == from))
                    expected = outcome.results[size_t(position)];
                std::string number = expected;
                if (!number.empty() && number.back() == '*')
                    number.pop_back();
                if (!converted && !keepsScores && position - 1 != source && plain(number)
                    && number.empty() == expected.empty())
                    expected.clear(); // kept: the source, and a cell the note quotes
            } else if (name != "id" && name != "raw" && name != "mean" && name != "sd"
                       && name != "reliability") {
                expected.clear(); // an interpretation cell
                for (int cell = 0; converted && interpreting && cell < batch::kInterpretedCellCount; ++cell) {
                    if (name != batch::interpretedColumnName(cell))
                        continue;
                    if (cell < batch::kInterpretedScaleCellCount)
                        expected = core.score[int(interpretation::ScaleId::Scaled) + cell].text;
                    else if (cell == batch::DescriptorCell)
                        expected = core.descriptor;
                    else if (cell == batch::CiLowCell)
                        expected = core.lower[int(ciScale)].text;
                    else if (cell == batch::CiHighCell)
                        expected = core.upper[int(ciScale)].text;
                    else if (cell == batch::CiPercentileLowCell)
                        expected = core.lower[int(interpretation::ScaleId::PercentileRank)].text;
                    else
                        expected = core.upper[int(interpretation::ScaleId::PercentileRank)].text;
                }
            }
            QVERIFY2(got[column] == expected,
                     qPrintable(QString("row %1, %2: \"%3\", expected \"%4\" (note: %5)")
                                    .arg(row)
                                    .arg(name.c_str(), got[column].c_str(), expected.c_str(),
                                         got[columnOf("note")].c_str())));
        }
    }
}

// A user's descriptor system from a file, or a usage error naming the line.
void TestBatchConverter::descriptorFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("score"); // Wechsler IQ
    QTest::addColumn<QString>("expected"); // the descriptor, or part of the usage error

    const QByteArray topDown = "from,label\n120,\"High, very\"\n85,Middle\n60,Low\n";
    QTest::newRow("top down, a label with a comma") << topDown << QByteArray("125") << "High, very";
    QTest::newRow("malformed row") << QByteArray("from,label\n100,Mid\nabc,Low\n") << QByteArray("100")
                                   << "line 3: \"abc\" is not a whole standard score";
}

void TestBatchConverter::descriptorFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, score);
    QFETCH(QString, expected);
    const auto descriptors = tempFile(file);
    const Run run = convert("wechsler\n" + score + "\n",
                            {"--interpret", "--descriptors", descriptors->fileName()});
    if (run.status == 2) {
        QVERIFY(run.output.isEmpty());
        QVERIFY2(run.errors.contains(expected.toUtf8()), run.errors.constData());
        return;
    }
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromStdString(cellOf(parse(run.output), 1, "descriptor")), expected);
}

QTEST_GUILESS_MAIN(TestBatchConverter)
#include "tst_batch_converter.moc"
