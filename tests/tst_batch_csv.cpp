// The CSV reader and writer of quintaval-convert: quoting, delimiters, line
// endings, malformed rows, and records that straddle the reader's blocks.
#include <QRandomGenerator>
#include <QtTest>

#include "batch/csv_reader.h"
#include "batch/csv_writer.h"
#include "tests/temp_file.h"

using batch::CsvReader;
using batch::CsvRecord;
using batch::CsvWriter;
using batch::RowProblem;

namespace {

// One record as "cell|cell", with its problem, if any, after a "!".
QString describe(const CsvRecord &record)
{
    QStringList cells;
    for (const std::string &cell : record.cells)
        cells << QString::fromStdString(cell);
    QString text = cells.join('|');
    if (record.problem == RowProblem::UnclosedQuote)
        text += " !unclosed";
    else if (record.problem == RowProblem::TextAfterQuote)
        text += " !after";
    return text;
}

QStringList readAll(CsvReader &reader)
{
    QStringList records;
    CsvRecord record;
    while (reader.next(record))
        records << describe(record);
    return records;
}

QByteArray written(char delimiter, const std::string &lineEnding,
                   const std::vector<std::vector<std::string>> &rows)
{
    const auto file = tempFile();
    {
        CsvWriter writer(file->handle(), delimiter, lineEnding);
        for (const auto &row : rows) {
            for (const std::string &cell : row)
                writer.cell(cell);
            writer.endRow();
        }
        writer.flush();
    }
    file->seek(0);
    return file->readAll();
}

} // namespace

class TestBatchCsv : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void delimiterAndLineEnding_data();
    void delimiterAndLineEnding();
    void strayQuoteLosesNoRowsBeyondItsSpan();
    void quotesOnlyWhenNeeded_data();
    void quotesOnlyWhenNeeded();
    void roundTripAcrossBlocks_data();
    void roundTripAcrossBlocks();
};

void TestBatchCsv::reads_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("empty input") << QByteArray() << QStringList();
    QTest::newRow("byte-order mark only") << QByteArray("\xEF\xBB\xBF") << QStringList();
    QTest::newRow("header only") << QByteArray("a,b\n") << QStringList{"a|b"};
    QTest::newRow("no final line break") << QByteArray("a,b\n1,2") << QStringList{"a|b", "1|2"};
    QTest::newRow("CRLF") << QByteArray("a,b\r\n1,2\r\n") << QStringList{"a|b", "1|2"};
    QTest::newRow("lone CR") << QByteArray("a,b\r1,2\r") << QStringList{"a|b", "1|2"};
    QTest::newRow("empty cells") << QByteArray("a,b,c\n,,\n") << QStringList{"a|b|c", "||"};
    QTest::newRow("trailing delimiter") << QByteArray("a,b,\n1,2,") << QStringList{"a|b|", "1|2|"};
    QTest::newRow("blank line") << QByteArray("a,b\n\n1,2\n") << QStringList{"a|b", "", "1|2"};
    QTest::newRow("quoted delimiter and quotes")
        << QByteArray("a,b\n\"x,y\",\"say \"\"hi\"\"\"\n") << QStringList{"a|b", "x,y|say \"hi\""};
    QTest::newRow("quoted empty") << QByteArray("a,b\n\"\",\"\"\n") << QStringList{"a|b", "|"};
    QTest::newRow("quoted line breaks")
        << QByteArray("a,b\n\"one\r\ntwo\nthree\",2\n3,4\n")
        << QStringList{"a|b", "one\r\ntwo\nthree|2", "3|4"};
    QTest::newRow("quote inside an unquoted cell is text")
        << QByteArray("a,b\n5'10\",2\n") << QStringList{"a|b", "5'10\"|2"};
    QTest::newRow("text after the closing quote")
        << QByteArray("a,b\n\"x\"y,2\n3,4\n") << QStringList{"a|b", "\"x\"y|2 !after", "3|4"};
    QTest::newRow("quote never closed")
        << QByteArray("a,b\n1,\"2\n") << QStringList{"a|b", "1|\"2 !unclosed"};
    QTest::newRow("quote never closed, no line break")
        << QByteArray("a,b\n1,\"2,3") << QStringList{"a|b", "1|\"2,3 !unclosed"};
    QTest::newRow("stray quotes do not swallow the rows between them")
        << QByteArray("a,b\n1,\"x\n3,4\n5,\"y\"z\n6,7\n")
        << QStringList{"a|b", "1|\"x !unclosed", "3|4", "5|\"y\"z !after", "6|7"};
    QTest::newRow("cell over lines with the wrong cell count is a stray quote")
        << QByteArray("a,b,c\n1,\"x\n2,3\",4,5\n")
        << QStringList{"a|b|c", "1|\"x !unclosed", "2|3\"|4|5"};
}

void TestBatchCsv::reads()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, records);
    const auto file = tempFile(input);
    CsvReader reader(file->handle());
    QCOMPARE(readAll(reader), records);
    QVERIFY(!reader.failed());
}

void TestBatchCsv::delimiterAndLineEnding_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QByteArray>("lineEnding");
    QTest::addColumn<QStringList>("records");

    QTest::newRow("comma") << QByteArray("a,b;c\n1,2;3\n") << ',' << QByteArray("\n")
                           << QStringList{"a|b;c", "1|2;3"};
    QTest::newRow("semicolon keeps decimal commas")
        << QByteArray("a;b\r\n1,5;2\r\n") << ';' << QByteArray("\r\n")
        << QStringList{"a|b", "1,5|2"};
    QTest::newRow("tab") << QByteArray("a\tb\r1 2\t3\r") << '\t' << QByteArray("\r")
                         << QStringList{"a|b", "1 2|3"};
    QTest::newRow("tie goes to comma") << QByteArray("a;b,c\n") << ',' << QByteArray("\n")
                                       << QStringList{"a;b|c"};
    QTest::newRow("quoted delimiters do not count")
        << QByteArray("\"a,b,c\";d\n1;2") << ';' << QByteArray("\n") << QStringList{"a,b,c|d", "1|2"};
    QTest::newRow("single column") << QByteArray("raw") << ',' << QByteArray("\n")
                                   << QStringList{"raw"};
}

void TestBatchCsv::delimiterAndLineEnding()
{
    QFETCH(QByteArray, input);
    QFETCH(char, delimiter);
    QFETCH(QByteArray, lineEnding);
    QFETCH(QStringList, records);
    const auto file = tempFile(input);
    CsvReader reader(file->handle());
    QCOMPARE(readAll(reader), records);
    QCOMPARE(reader.delimiter(), delimiter);
    QCOMPARE(QByteArray::fromStdString(reader.lineEnding()), lineEnding);
}

// A quote left open runs, at worst, to the end of the file; every line after
// it must still come back as a row of its own.
void TestBatchCsv::strayQuoteLosesNoRowsBeyondItsSpan()
{
    QByteArray input = "a,b\n1,\"x\n";
    const int lines = 400000; // well over the longest span a quoted cell may have
    for (int i = 0; i < lines; ++i)
        input += "2,3\n";
    input += "\"4,5\n";
    const auto file = tempFile(input);
    CsvReader reader(file->handle());
    const QStringList records = readAll(reader);
    QCOMPARE(records.size(), lines + 3);
    QCOMPARE(records.at(1), QString("1|\"x !unclosed"));
    QCOMPARE(records.at(2), QString("2|3"));
    QCOMPARE(records.last(), QString("\"4,5 !unclosed"));
}

void TestBatchCsv::quotesOnlyWhenNeeded_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("plain") << ',' << "+1.0" << QByteArray("+1.0,x\n");
    QTest::newRow("empty") << ',' << "" << QByteArray(",x\n");
    QTest::newRow("delimiter") << ',' << "Smith, J" << QByteArray("\"Smith, J\",x\n");
    QTest::newRow("other delimiter left bare") << ';' << "1,5" << QByteArray("1,5;x\n");
    QTest::newRow("semicolon") << ';' << "a;b" << QByteArray("\"a;b\";x\n");
    QTest::newRow("tab") << '\t' << "a\tb" << QByteArray("\"a\tb\"\tx\n");
    QTest::newRow("quote") << ',' << "say \"hi\"" << QByteArray("\"say \"\"hi\"\"\",x\n");
    QTest::newRow("line feed") << ',' << "a\nb" << QByteArray("\"a\nb\",x\n");
    QTest::newRow("carriage return") << ',' << "a\rb" << QByteArray("\"a\rb\",x\n");
    QTest::newRow("utf-8") << ',' << "Zoë" << QByteArray("Zo\xC3\xAB,x\n");
}

void TestBatchCsv::quotesOnlyWhenNeeded()
{
    QFETCH(char, delimiter);
    QFETCH(QString, cell);
    QFETCH(QByteArray, line);
    QCOMPARE(written(delimiter, "\n", {{cell.toStdString(), "x"}}), line);
}

// Whatever the writer writes, the reader reads back, also when records
// straddle the reader's blocks.
void TestBatchCsv::roundTripAcrossBlocks_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QByteArray>("lineEnding");
    QTest::newRow("comma, LF") << ',' << QByteArray("\n");
    QTest::newRow("semicolon, CRLF") << ';' << QByteArray("\r\n");
    QTest::newRow("tab, CR") << '\t' << QByteArray("\r");
}

void TestBatchCsv::roundTripAcrossBlocks()
{
    QFETCH(char, delimiter);
    QFETCH(QByteArray, lineEnding);
    static const char alphabet[] = "ab1.,;\t\"\r\n -";
    QRandomGenerator random(42);
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 60000; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < 4; ++c) {
            std::string cell;
            for (int n = random.bounded(8); n > 0; --n)
                cell += alphabet[random.bounded(int(sizeof alphabet - 1))];
            row.push_back(cell);
        }
        rows.push_back(row);
    }
    const auto file = tempFile(written(delimiter, lineEnding.toStdString(), rows));
    CsvReader reader(file->handle(), delimiter);
    CsvRecord record;
    size_t count = 0;
    while (reader.next(record)) {
        QVERIFY(count < rows.size());
        QVERIFY2(record.cells == rows[count], qPrintable(QString::number(count)));
        QCOMPARE(record.problem, RowProblem::None);
        ++count;
    }
    QCOMPARE(count, rows.size());
    QVERIFY(reader.bytesConsumed() > 256 * 1024);
}

QTEST_GUILESS_MAIN(TestBatchCsv)
#include "tst_batch_csv.moc"
