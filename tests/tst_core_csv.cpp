// The CSV reader and writer of quintaval-convert: quoting, delimiters, line
// endings, malformed rows, records that straddle the reader's blocks, and
// input that arrives in dribs through a pipe.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <thread>
#include <unistd.h>

#include "text/csv_reader.h"
#include "text/csv_writer.h"
#include "text/plain_number.h"
#include "tests/temp_file.h"

using text::CsvReader;
using text::CsvRecord;
using text::CsvWriter;
using text::RowProblem;

namespace {

// One record as "cell|cell", with its problem, if any, after a "!".
QString describe(const text::CsvRecord &record)
{
    QStringList cells;
    for (const std::string &cell : record.cells)
        cells << QString::fromStdString(cell);
    QString text = cells.join('|');
    if (record.surplusCells > 0)
        text += QStringLiteral(" +%1:%2").arg(record.surplusCells).arg(QString::fromStdString(record.surplus));
    if (record.problem == text::RowProblem::UnclosedQuote)
        text += " !unclosed";
    else if (record.problem == text::RowProblem::TextAfterQuote)
        text += " !after";
    return text;
}

QStringList readAll(text::CsvReader &reader)
{
    QStringList records;
    text::CsvRecord record;
    while (reader.next(record))
        records << describe(record);
    return records;
}

QByteArray written(char delimiter, const std::string &lineEnding,
                   const std::vector<std::vector<std::string>> &rows)
{
    const auto file = tempFile();
    {
        text::CsvWriter writer(file->handle(), delimiter, lineEnding);
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

QString delimiterLine(const text::CsvReader &reader)
{
    return QStringLiteral("delimiter %1").arg(int(reader.delimiter()));
}

// Reads the input through a pipe that a writer fills a few bytes at a time,
// pausing between them, so that the reader's reads end everywhere: what is
// read must not depend on where they end.
QStringList readTrickled(const QByteArray &input, int chunk)
{
    int ends[2];
    if (::pipe(ends) != 0)
        qFatal("cannot make a pipe");
    std::thread writer([&] {
        for (qsizetype at = 0; at < input.size(); at += chunk) {
            const size_t size = size_t(std::min<qsizetype>(chunk, input.size() - at));
            if (::write(ends[1], input.constData() + at, size) != ssize_t(size))
                break;
            ::usleep(200);
        }
        ::close(ends[1]);
    });
    text::CsvReader reader(ends[0]);
    QStringList records = readAll(reader);
    records << delimiterLine(reader);
    writer.join();
    ::close(ends[0]);
    return records;
}

} // namespace

class TestBatchCsv : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void delimiterAndLineEnding_data();
    void delimiterAndLineEnding();
    void quotedCellsRunToTheirClosingQuote_data();
    void quotedCellsRunToTheirClosingQuote();
    void strayQuotesReadInOnePass();
    void bytesConsumedFollowsTheRecords();
    void quotesOnlyWhenNeeded_data();
    void quotesOnlyWhenNeeded();
    void quotesWhereverTheSpecialCharacterIs();
    void roundTripAcrossBlocks_data();
    void roundTripAcrossBlocks();
    void linesThatNeverEndAreCut();
    void spreadsheetCellsAreNeverFormulas_data();
    void spreadsheetCellsAreNeverFormulas();
};

// A line without end takes no more memory than the limit: the header's
// own, or the record limit given.
void TestBatchCsv::linesThatNeverEndAreCut()
{
    const QByteArray endless(3 << 20, '\0');
    const auto header = tempFile(endless);
    CsvReader first(header->handle());
    CsvRecord record;
    QVERIFY(!first.next(record));
    QCOMPARE(QString::fromStdString(first.error()),
             "the first line runs past 1 MB without a line break; it should name the columns");

    const auto record3 = tempFile("a,b\n1,2\n\"" + QByteArray(5000, 'x'));
    CsvReader reader(record3->handle(), 0, 1000);
    QVERIFY(reader.next(record) && reader.next(record));
    QVERIFY(!reader.next(record));
    QCOMPARE(QString::fromStdString(reader.error()), "record 3 runs past 1000 bytes");
}

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
    QTest::newRow("a stray quote runs to the next quote, and its record keeps the text")
        << QByteArray("a,b\n1,\"x\n3,4\n5,\"y\"z\n6,7\n")
        << QStringList{"a|b", "1|\"x\n3,4\n5,\"y\"z !after", "6|7"};
    QTest::newRow("a record broken across lines is one record, whatever its cell count")
        << QByteArray("id,comment,z\n7,\"moved\nfrom class B\",absent,1.5\n8,x,1\n")
        << QStringList{"id|comment|z", "7|moved\nfrom class B|absent +1:1.5", "8|x|1"};
    QTest::newRow("cells beyond the header's width come back as written")
        << QByteArray("a,b\n1,2,\"x,\"\"y\"\"\",3\n4,5,\n6,7,\"z\"q,\n")
        << QStringList{"a|b", "1|2 +2:\"x,\"\"y\"\"\",3", "4|5 +1:", "6|7 +2:\"z\"q, !after"};
    QTest::newRow("a quote never closed runs to the end")
        << QByteArray("a,b\n1,\"x\n2,\"\"3\r\n")
        << QStringList{"a|b", "1|\"x\n2,\"\"3 !unclosed"};
    QTest::newRow("two quotes left open on every row")
        << QByteArray("id,a,b\n1,\"1\",\"2\n2,\"1\",\"2\n3,\"x\"y\n")
        << QStringList{"id|a|b", "1|1|\"2\n2,\"1\" +1:\"2\n3,\"x\"y !after"};
    QTest::newRow("CR, then LF in the next read")
        << QByteArray("a\r\n\"1\"\r\n2\r") << QStringList{"a", "1", "2"};
}

void TestBatchCsv::reads()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, records);
    const auto file = tempFile(input);
    text::CsvReader reader(file->handle());
    QCOMPARE(readAll(reader), records);
    QVERIFY(!reader.failed());
    QCOMPARE(readTrickled(input, 1), records << delimiterLine(reader));
    QCOMPARE(readTrickled(input, 3), records);
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
    QTest::newRow("a quote opens a cell only at its start")
        << QByteArray("x\";z;t\n1\";1;\n") << ';' << QByteArray("\n")
        << QStringList{"x\"|z|t", "1\"|1|"};
    QTest::newRow("byte-order mark, CR") << QByteArray("\xEF\xBB\xBFz;t\r1;2\r") << ';' << QByteArray("\r")
                                         << QStringList{"z|t", "1|2"};
    QTest::newRow("a quoted line break in the header: its first line decides")
        << QByteArray("\"a\nb\"\tc\td\n1\t2\t3\n") << ',' << QByteArray("\n")
        << QStringList{"\"a\nb\"\tc\td !after", "1\t2\t3"};
    QTest::newRow("the header line alone decides")
        << QByteArray("a;b\n\"1,2,3,4\n5,6\"\n") << ';' << QByteArray("\n")
        << QStringList{"a|b", "1,2,3,4\n5,6"};
}

void TestBatchCsv::delimiterAndLineEnding()
{
    QFETCH(QByteArray, input);
    QFETCH(char, delimiter);
    QFETCH(QByteArray, lineEnding);
    QFETCH(QStringList, records);
    const auto file = tempFile(input);
    text::CsvReader reader(file->handle());
    QCOMPARE(readAll(reader), records);
    QCOMPARE(reader.delimiter(), delimiter);
    QCOMPARE(QByteArray::fromStdString(reader.lineEnding()), lineEnding);
    QCOMPARE(readTrickled(input, 1), records << delimiterLine(reader));
    QCOMPARE(readTrickled(input, 3), records);
}

// A quoted cell has no length limit, over one line or many, and the record
// after it starts right after its closing quote.
void TestBatchCsv::quotedCellsRunToTheirClosingQuote_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("lineLength");
    QTest::newRow("2 KB over 40 lines") << 40 << 50;
    QTest::newRow("600 KB over 10,000 lines, across blocks") << 10000 << 60;
    QTest::newRow("3 MB on one line") << 1 << 3000000;
    QTest::newRow("3 MB over 30 lines") << 30 << 100000;
}

void TestBatchCsv::quotedCellsRunToTheirClosingQuote()
{
    QFETCH(int, lines);
    QFETCH(int, lineLength);
    QByteArray cell;
    for (int i = 0; i < lines; ++i)
        cell += (i ? QByteArray("\r\n") : QByteArray()) + QByteArray(lineLength - 2, 'x') + ",\"";
    QByteArray quoted = cell;
    quoted.replace("\"", "\"\"");
    const auto file = tempFile("id,note,z\n1,\"" + quoted + "\",2\n3,4,5\n");
    text::CsvReader reader(file->handle());
    text::CsvRecord record;
    QVERIFY(reader.next(record));
    QVERIFY(reader.next(record));
    QCOMPARE(record.cells.size(), size_t(3));
    QCOMPARE(record.problem, text::RowProblem::None);
    QCOMPARE(QByteArray::fromStdString(record.cells[1]), cell);
    QCOMPARE(record.cells[2], std::string("2"));
    QVERIFY(reader.next(record));
    QCOMPARE(describe(record), QString("3|4|5"));
    QVERIFY(!reader.next(record));
}

// Unclosed quotes on every row once made each row rescan far ahead; a few
// megabytes took minutes.
void TestBatchCsv::strayQuotesReadInOnePass()
{
    QByteArray input = "id,a,b\n";
    for (int i = 0; i < 300000; ++i)
        input += QByteArray::number(i) + ",\"1\",\"2\n";
    const auto file = tempFile(input);
    QElapsedTimer timer;
    timer.start();
    text::CsvReader reader(file->handle());
    const QStringList records = readAll(reader);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    // Each quote left open closes on the next line, and so on: one record.
    QCOMPARE(records.size(), 2);
    QVERIFY(records.at(1).startsWith("0|1|\"2\n1,\"1\" +299999:\"2\n2,\"1\",\"2\n3,\"1\","));
}

// What the progress meter shows.
void TestBatchCsv::bytesConsumedFollowsTheRecords()
{
    QByteArray input = "a,b\n";
    for (int i = 0; i < 100000; ++i)
        input += "123,456\n";
    const auto file = tempFile(input);
    text::CsvReader reader(file->handle());
    text::CsvRecord record;
    for (int i = 0; i <= 50000; ++i)
        QVERIFY(reader.next(record));
    QCOMPARE(reader.bytesConsumed(), 4 + 50000LL * 8);
    while (reader.next(record)) {
    }
    QCOMPARE(reader.bytesConsumed(), (long long)input.size());
}

void TestBatchCsv::quotesOnlyWhenNeeded_data()
{
    QTest::addColumn<char>("delimiter");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("other delimiter left bare") << ';' << "1,5" << QByteArray("1,5;x\n");
    QTest::newRow("semicolon") << ';' << "a;b" << QByteArray("\"a;b\";x\n");
    QTest::newRow("tab") << '\t' << "a\tb" << QByteArray("\"a\tb\"\tx\n");
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

// A cell of any length is quoted for a special character at any place in
// it: the writer looks at long cells eight bytes at a time, so the head, the
// middle and a tail shorter than eight bytes are each tried.
void TestBatchCsv::quotesWhereverTheSpecialCharacterIs()
{
    for (const char delimiter : {',', '\t'})
        for (int length = 1; length <= 25; ++length) {
            const std::string plain(std::size_t(length), 'a');
            QCOMPARE(written(delimiter, "\n", {{plain, "x"}}),
                     QByteArray::fromStdString(plain) + delimiter + "x\n");
            for (const char special : {delimiter, '"', '\n', '\r'})
                for (int at = 0; at < length; ++at) {
                    std::string cell = plain;
                    cell[std::size_t(at)] = special;
                    QByteArray body = QByteArray::fromStdString(cell);
                    body.replace("\"", "\"\"");
                    QVERIFY2(written(delimiter, "\n", {{cell, "x"}}) == '"' + body + '"' + delimiter + "x\n",
                             qPrintable(QStringLiteral("%1 bytes, 0x%2 at %3").arg(length).arg(int(special), 0, 16).arg(at)));
                }
        }
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
    text::CsvReader reader(file->handle(), delimiter);
    text::CsvRecord record;
    size_t count = 0;
    while (reader.next(record)) {
        QVERIFY(count < rows.size());
        QVERIFY2(record.cells == rows[count], qPrintable(QString::number(count)));
        QCOMPARE(record.problem, text::RowProblem::None);
        ++count;
    }
    QCOMPARE(count, rows.size());
    QVERIFY(reader.bytesConsumed() > 256 * 1024);
}

void TestBatchCsv::spreadsheetCellsAreNeverFormulas_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("copied");
    QTest::newRow("a formula") << "=HYPERLINK(\"http://x\",\"y\")" << "'=HYPERLINK(\"http://x\",\"y\")";
    QTest::newRow("plus") << "+cmd|' /C calc'!A0" << "'+cmd|' /C calc'!A0";
    QTest::newRow("minus") << "-2+3" << "'-2+3";
    QTest::newRow("at") << "@SUM(A1)" << "'@SUM(A1)";
    QTest::newRow("text") << "Word Meaning" << "Word Meaning";
    QTest::newRow("a text with = inside") << "a=b" << "a=b";
    QTest::newRow("negative number") << "-0.25" << "-0.25";
    QTest::newRow("negative, decimal comma") << "-0,25" << "-0,25";
    QTest::newRow("signed z") << "+1.00" << "+1.00";
    QTest::newRow("whole") << "-17" << "-17";
    QTest::newRow("a lone minus") << "-" << "'-";
    QTest::newRow("beyond the scale") << "+3.0*" << "'+3.0*";
    QTest::newRow("a carriage return") << "two\rlines\nand\ta tab" << "two lines and a tab";
    QTest::newRow("a formula after a line break") << "\r=1+1" << " =1+1";
    QTest::newRow("empty") << "" << "";
}

// Copy Table's tab-separated text: a text a spreadsheet would run as a
// formula is passed as text, a number stays a number, a cell stays one.
void TestBatchCsv::spreadsheetCellsAreNeverFormulas()
{
    QFETCH(QString, cell);
    QFETCH(QString, copied);
    QCOMPARE(QString::fromStdString(text::spreadsheetCell(cell.toStdString())), copied);
}

QTEST_GUILESS_MAIN(TestBatchCsv)
#include "tst_core_csv.moc"
