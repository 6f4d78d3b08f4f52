// quintaval-convert's conversion of whole files, run through the command
// itself: which columns are read and written, what a refused or malformed
// row becomes, and that every row says exactly what the window would.
#include <QtTest>

#include "batch/convert_command.h"
#include "batch/csv_reader.h"
#include "conversion/calculate.h"
#include "tests/field_texts.h"
#include "tests/temp_file.h"

namespace {

struct Run {
    int status = -1;
    QByteArray output;
    QByteArray errors;
};

// Runs the command with the input on standard input and the given options.
Run convert(const QByteArray &input, const QStringList &options = {})
{
    const auto in = tempFile(input), out = tempFile(), err = tempFile();
    std::vector<std::string> arguments;
    for (const QString &option : options)
        arguments.push_back(option.toStdString());
    Run run;
    run.status = batch::ConvertCommand(in->handle(), out->handle(), err->handle()).run(arguments);
    out->seek(0);
    err->seek(0);
    run.output = out->readAll();
    run.errors = err->readAll();
    return run;
}

std::vector<std::vector<std::string>> parse(const QByteArray &csv)
{
    const auto file = tempFile(csv);
    batch::CsvReader reader(file->handle());
    batch::CsvRecord record;
    std::vector<std::vector<std::string>> rows;
    while (reader.next(record))
        rows.push_back(record.cells);
    return rows;
}

// Reads as an infinity.
const QString kHugeNumber = QLatin1Char('1') + QString(400, QLatin1Char('0'));

// What a user might type, and what a spreadsheet might hold. Every column
// is filled in some row with a value no other column shares.
const QStringList kRecords = {
    "raw=115;mean=100;sd=15", "raw=150;mean=100;sd=15", "raw=115;mean=100;sd=15;z=2",
    "raw=115;mean=100;t=63", "raw=5;mean=5;sd=0", "raw=1e999;mean=5;sd=2",
    "raw=" + kHugeNumber + ";mean=5;sd=2", "t=63;percentile=40", "z=7", "z=-6.99",
    "percentile=0", "percentile=50", "nce=1", "ceeb=200", "t=99", "wechsler=250", "agct=0",
    "percentile= ", "z=-", "z= 1.5", "",
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
        const conversion::Outcome outcome = conversion::calculate(fieldsFrom(given[row]));
        const std::vector<std::string> &cells = rows[size_t(row) + 1];
        QCOMPARE(cells.size(), header.size());
        QCOMPARE(cells.back(), outcome.refused ? outcome.message : std::string());
        for (size_t column = 0; column + 1 < header.size(); ++column) {
            const qsizetype field = kFieldNames.indexOf(QString::fromStdString(header[column]));
            std::string expected = field < 0 ? "id" : given[row][field].toStdString();
            if (!outcome.refused && field >= 3)
                expected = outcome.results[size_t(field) - 2];
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
    void usageErrors_data();
    void usageErrors();
    void summaryCountsEveryKindOfRow();
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
// twice: a remembered outcome must never stand in for another row's.
void TestBatchConverter::rememberedOutcomesNeverMixUpRows()
{
    QStringList table;
    for (int i = 0; i < 20000; ++i) {
        switch (i % 4) {
        case 0:
            table << QString("raw=%1;mean=%2;sd=%3").arg(i % 997).arg(50 + i % 7).arg(i % 13);
            break;
        case 1:
            table << QString("z=%1").arg((i % 1500 - 750) / 100.0);
            break;
        case 2:
            table << QString("t=%1").arg(i % 101);
            break;
        default:
            table << QString("percentile=%1.%2").arg(i % 103).arg(i % 10);
        }
    }
    table.append(QStringList(table.rbegin(), table.rend()));
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
    QTest::newRow("chosen field rewritten in its own mask")
        << QByteArray("t\n63.7\n") << QStringList()
        << QByteArray("t,z,wechsler,nce,ceeb,agct,percentile,note\n64,+1.37,121,79,637,127,91,\n");
    QTest::newRow("marks and the endpoint rule")
        << QByteArray("ceeb,nce\n800,\n,99\n") << QStringList()
        << QByteArray("ceeb,nce,z,t,wechsler,agct,percentile,note\n"
                      "800,99*,+3.0,80,145,160,99*,\n"
                      "733,99,+2.33,73,135,147,99,\n");
    QTest::newRow("refused row keeps its cells")
        << QByteArray("id,z,t\n7,7,\nx,,\n") << QStringList()
        << QByteArray("id,z,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "7,7,,,,,,,z scores must range from -6.99 to +6.99.\n"
                      "x,,,,,,,,\"Enter all 3 raw scores to calculate standard scores. Or, enter "
                      "1 standard score to convert to other standard scores.\"\n");
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
                      "3,\"\"\"1\",,,,,,,malformed row: a quoted cell is not closed\n"
                      "4,-1.0,40,85,29,400,80,16,\n");
    QTest::newRow("semicolons and CRLF kept")
        << QByteArray("id;z\r\nA;1,5\r\n") << QStringList()
        << QByteArray("id;z;t;wechsler;nce;ceeb;agct;percentile;note\r\n"
                      "A;+1.0;60;115;71;600;120;84;\r\n");
    QTest::newRow("byte-order mark and tabs kept")
        << QByteArray("\xEF\xBB\xBFz\tid\n-1\tx y\n") << QStringList()
        << QByteArray("\xEF\xBB\xBFz\tid\tt\twechsler\tnce\tceeb\tagct\tpercentile\tnote\n"
                      "-1.0\tx y\t40\t85\t29\t400\t80\t16\t\n");
    QTest::newRow("delimiter given")
        << QByteArray("z,id;x;y\n1,a;b;c\n") << QStringList{"--delimiter", ","}
        << QByteArray("z,id;x;y,t,wechsler,nce,ceeb,agct,percentile,note\n"
                      "+1.0,a;b;c,60,115,71,600,120,84,\n");
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
    QTest::newRow("option without value") << QByteArray("z\n") << QStringList{"-o"}
                                          << "needs a value";
    QTest::newRow("two input files") << QByteArray("z\n") << QStringList{"a.csv", "b.csv"}
                                     << "more than one input file";
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

void TestBatchConverter::summaryCountsEveryKindOfRow()
{
    const Run run = convert("z\n1\n8\n\"1\n2\n1,2\n");
    QCOMPARE(run.status, 0);
    QCOMPARE(run.errors, QByteArray("quintaval-convert: 2 rows converted, 1 refused, 2 malformed\n"));
    QCOMPARE(parse(run.output).size(), size_t(6));
}

QTEST_GUILESS_MAIN(TestBatchConverter)
#include "tst_batch_converter.moc"
