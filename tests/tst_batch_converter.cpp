// quintaval-convert's conversion of whole files, run through the command
// itself: which columns are read and written, what a refused or malformed
// row becomes, and that every row says exactly what the window would.
#include <QtTest>

#include "batch/convert_command.h"
#include "batch/csv_reader.h"
#include "conversion/calculate.h"
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
const char *const kHugeNumber =
    "1000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    "0000000000000000000000000000000000000000000000000000000000000000000000000000000000000000";

// Field texts in the order raw, mean, sd, z, t, wechsler, nce, ceeb, agct,
// percentile: what a user might type, and what a spreadsheet might hold.
// Every column is filled in some row with a value no other column shares.
const std::vector<std::array<const char *, 10>> kFieldTexts = {
    {"115", "100", "15", "", "", "", "", "", "", ""},
    {"150", "100", "15", "", "", "", "", "", "", ""},
    {"115", "100", "15", "2", "", "", "", "", "", ""},
    {"115", "100", "", "", "63", "", "", "", "", ""},
    {"5", "5", "0", "", "", "", "", "", "", ""},
    {"1e999", "5", "2", "", "", "", "", "", "", ""},
    {kHugeNumber, "5", "2", "", "", "", "", "", "", ""},
    {"", "", "", "", "63", "", "", "", "", "40"},
    {"", "", "", "7", "", "", "", "", "", ""},
    {"", "", "", "-6.99", "", "", "", "", "", ""},
    {"", "", "", "", "", "", "", "", "", "0"},
    {"", "", "", "", "", "", "", "", "", "50"},
    {"", "", "", "", "", "", "1", "", "", ""},
    {"", "", "", "", "", "", "", "200", "", ""},
    {"", "", "", "", "99", "", "", "", "", ""},
    {"", "", "", "", "", "250", "", "", "", ""},
    {"", "", "", "", "", "", "", "", "0", ""},
    {"", "", "", "", "", "", "", "", "", " "},
    {"", "", "", "-", "", "", "", "", "", ""},
    {"", "", "", " 1.5", "", "", "", "", "", ""},
    {"", "", "", "", "", "", "", "", "", ""},
};

conversion::FieldTexts fieldTexts(const std::array<const char *, 10> &texts)
{
    conversion::FieldTexts fields;
    fields.raw = texts[0];
    fields.rawMean = texts[1];
    fields.rawSd = texts[2];
    for (int position = conversion::Z; position <= conversion::Percentile; ++position)
        fields.score[size_t(position)] = texts[size_t(position) + 2];
    return fields;
}

// Converts a file of the given rows and checks every output row against the
// outcome of the core for the same field texts.
void verifyAgainstTheCore(const QList<int> &layout,
                          const std::vector<std::array<const char *, 10>> &table)
{
    static const char *const names[] = {"raw", "mean", "sd", "z", "t", "wechsler",
                                        "nce", "ceeb", "agct", "percentile"};
    QByteArray input;
    for (int i = 0; i < layout.size(); ++i)
        input += QByteArray(i ? "," : "") + (layout[i] < 0 ? "id" : names[layout[i]]);
    input += "\n";
    std::vector<std::array<const char *, 10>> given;
    for (const auto &fieldTexts : table) {
        std::array<const char *, 10> texts;
        texts.fill("");
        for (int i = 0; i < layout.size(); ++i) {
            const char *text = layout[i] < 0 ? "id" : fieldTexts[size_t(layout[i])];
            if (layout[i] >= 0)
                texts[size_t(layout[i])] = text;
            input += QByteArray(i ? "," : "") + "\"" + text + "\"";
        }
        given.push_back(texts);
        input += "\n";
    }
    const Run run = convert(input);
    QCOMPARE(run.status, 0);
    const auto rows = parse(run.output);
    QCOMPARE(rows.size(), given.size() + 1);
    const std::vector<std::string> &header = rows[0];
    for (size_t row = 0; row < given.size(); ++row) {
        const conversion::Outcome outcome = conversion::calculate(fieldTexts(given[row]));
        const std::vector<std::string> &cells = rows[row + 1];
        QCOMPARE(cells.size(), header.size());
        QCOMPARE(cells.back(), outcome.refused ? outcome.message : std::string());
        for (size_t column = 0; column + 1 < header.size(); ++column) {
            const int field = int(std::find(std::begin(names), std::end(names), header[column])
                                  - std::begin(names));
            std::string expected = field == 10 ? "id" : given[row][size_t(field)];
            if (!outcome.refused && field >= 3 && field < 10)
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

// Columns in the input, by their index in the field table (0 raw .. 9
// percentile); -1 is a column carried through.
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
    verifyAgainstTheCore(layout, kFieldTexts);
}

// Far more distinct rows than the converter keeps outcomes for, each seen
// twice: a remembered outcome must never stand in for another row's.
void TestBatchConverter::rememberedOutcomesNeverMixUpRows()
{
    std::vector<std::string> store;
    store.reserve(60000);
    const auto text = [&](const QString &value) { return store.emplace_back(value.toStdString()).c_str(); };
    std::vector<std::array<const char *, 10>> table;
    for (int i = 0; i < 20000; ++i) {
        std::array<const char *, 10> row;
        row.fill("");
        switch (i % 4) {
        case 0:
            row[0] = text(QString::number(i % 997));
            row[1] = text(QString::number(50 + i % 7));
            row[2] = text(QString::number(i % 13));
            break;
        case 1:
            row[3] = text(QString::number((i % 1500 - 750) / 100.0));
            break;
        case 2:
            row[4] = text(QString::number(i % 101));
            break;
        default:
            row[9] = text(QString::number(i % 103) + "." + QString::number(i % 10));
        }
        table.push_back(row);
    }
    table.insert(table.end(), table.rbegin(), table.rend());
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
