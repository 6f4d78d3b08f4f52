// Printed documents of flowing blocks, as both reports print: laid out on
// pages without a block cut at an edge, a table's header on each page it
// runs onto, the header and footer on every page, the margins kept.
#include "framework/odt_package.h"
#include "framework/printed_document.h"
#include "tests/odt_reading.h"
#include "tests/program_fixture.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace {

std::unique_ptr<QPrinter> pdfPrinter(const QString &path, QPageSize::PageSizeId size, double marginMm)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(QPageSize(size));
    printer->setPageMargins(QMarginsF(marginMm, marginMm, marginMm, marginMm), QPageLayout::Millimeter);
    return printer;
}

} // namespace

class TestPrintedDocument : public QObject {
    Q_OBJECT

private slots:
    void zipLoadedOnlyForADocument();
    void flows_data();
    void flows();
    void headingStaysWithItsBlock_data();
    void headingStaysWithItsBlock();
    void tablesKeepEveryFigure_data();
    void tablesKeepEveryFigure();
    void identificationWraps();
    void editableDocumentsTogether();
    void unreadablePackageRefused_data();
    void unreadablePackageRefused();
};

namespace {

bool zipMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/libzip.");
}

} // namespace

// The zip library is loaded by the first editable document, not at start,
// where it and what it brings slowed the first window.
void TestPrintedDocument::zipLoadedOnlyForADocument()
{
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        QSKIP("no /proc/self/maps on this system to see the loaded libraries in");
    QVERIFY(!zipMapped());
    fw::PrintedDocument document;
    document.add(std::make_unique<fw::TextBlock>(QStringLiteral("Words"), 10));
    QByteArray bytes;
    QVERIFY(fw::PrintedDocument::odt({&document}, bytes));
    QVERIFY(zipMapped());
    QVERIFY(bytes.startsWith("PK"));
}

void TestPrintedDocument::flows_data()
{
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<double>("margin"); // asked for, in mm
    QTest::addColumn<int>("rows");
    QTest::newRow("A4, narrow margins widened") << int(QPageSize::A4) << 3.4 << 20;
    QTest::newRow("A5, a long table") << int(QPageSize::A5) << 20.0 << 90;
    QTest::newRow("A6") << int(QPageSize::A6) << 15.0 << 40;
}

void TestPrintedDocument::flows()
{
    QFETCH(int, pageSize);
    QFETCH(double, margin);
    QFETCH(int, rows);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty() || QStandardPaths::findExecutable("pdftoppm").isEmpty())
        QSKIP("needs pdftotext and pdftoppm (poppler-utils)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath("flow.pdf");
    fw::PrintedDocument document;
    document.setTitle("Flow");
    document.setHeader({"Header line"});
    document.setFooter("Footer text");
    document.add(std::make_unique<fw::TextBlock>("<b>Opening</b>", 18));
    // Taller than any page: scaled down to fit one.
    auto tall = std::make_unique<fw::PictureBlock>(
        [](QPainter &painter, const QRectF &area) {
            painter.fillRect(area, Qt::black);
        },
        3.0);
    tall->spaceBefore = 12;
    document.add(std::move(tall));
    fw::PageTable table;
    table.header = {"Name", "Value"};
    table.rightAligned = {false, true};
    for (int row = 0; row < rows; ++row)
        table.rows.push_back({QString("row%1").arg(row, 3, 10, QChar('0')), QString::number(row * 7)});
    table.rows.push_back({"spanning cell longer than either column"});
    document.addTable(table, 12);
    document.add(std::make_unique<fw::TextBlock>("Closing words.", 10));

    auto printer = pdfPrinter(pdf, QPageSize::PageSizeId(pageSize), margin);
    QVERIFY(document.print(*printer));
    const std::optional<QString> text = pdfText(pdf);
    QVERIFY(text);
    const QStringList pages = text->split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), document.pageCount());
    QVERIFY(pages.size() >= 2); // the tall block has a page to itself
    for (int page = 0; page < pages.size(); ++page) {
        const QString words = pages[page].simplified();
        QVERIFY(words.contains("Header line"));
        QVERIFY(words.contains(QString("Footer text page %1 of %2").arg(page + 1).arg(pages.size())));
    }
    // Every row once, in order; the header on every page the table is on.
    const QString all = pages.join(' ');
    qsizetype at = 0;
    for (int row = 0; row < rows; ++row) {
        const QString name = QString("row%1").arg(row, 3, 10, QChar('0'));
        QCOMPARE(all.count(name), 1);
        const qsizetype found = all.indexOf(name, at);
        QVERIFY2(found >= 0, qPrintable(name));
        at = found;
    }
    for (const QString &page : pages)
        if (page.contains("row"))
            QVERIFY(page.contains("Name") && page.contains("Value"));
    QVERIFY(all.contains("spanning cell longer than either column"));
    QVERIFY(pages.last().contains("Closing words."));

    // Ink only inside the margins, and at least 15 mm of them on a PDF.
    const QList<QImage> images = pdfPages(pdf, 40);
    const int least = int(std::max(margin, 15.0) / 25.4 * 40) - 1;
    for (const QImage &image : images)
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 235)
                    QVERIFY2(std::min({x, y, image.width() - 1 - x, image.height() - 1 - y}) >= least,
                             qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
}

void TestPrintedDocument::headingStaysWithItsBlock_data()
{
    QTest::addColumn<bool>("table");
    QTest::newRow("a paragraph") << false;
    QTest::newRow("a table") << true;
}

// Whatever room the page has left, a heading goes to the page its block
// goes to: what comes before it grows until the block no longer fits.
void TestPrintedDocument::headingStaysWithItsBlock()
{
    QFETCH(bool, table);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    QTemporaryDir dir;
    int split = 0;
    for (double aspect = 0.9; aspect < 1.6; aspect += 0.025) {
        fw::PrintedDocument document;
        document.setFooter("Footer");
        document.add(std::make_unique<fw::PictureBlock>([](QPainter &, const QRectF &) {}, aspect));
        auto heading = std::make_unique<fw::TextBlock>("<b>Heading words</b>", 12);
        heading->spaceBefore = 12;
        heading->keepWithNext = true;
        document.add(std::move(heading));
        if (table) {
            fw::PageTable rows;
            rows.header = {"Name", "Value"};
            rows.rightAligned = {false, true};
            for (int row = 0; row < 3; ++row)
                rows.rows.push_back({QString("Body words %1").arg(row), QString::number(row)});
            document.addTable(rows, 4);
        } else {
            document.add(std::make_unique<fw::TextBlock>("Body words, " + QString("and more words ").repeated(40), 10));
        }
        const QString pdf = dir.filePath(QString("heading%1.pdf").arg(aspect));
        auto printer = pdfPrinter(pdf, QPageSize::A6, 15);
        QVERIFY(document.print(*printer));
        const std::optional<QString> text = pdfText(pdf);
        QVERIFY(text);
        const QStringList pages = text->split('\f', Qt::SkipEmptyParts);
        int headingPage = -1, bodyPage = -1;
        for (int page = 0; page < pages.size(); ++page) {
            if (headingPage < 0 && pages[page].contains("Heading words"))
                headingPage = page;
            if (bodyPage < 0 && pages[page].contains("Body words"))
                bodyPage = page;
        }
        QVERIFY2(headingPage >= 0 && headingPage == bodyPage,
                 qPrintable(QString("aspect %1: heading on page %2, its block on %3").arg(aspect).arg(headingPage + 1).arg(bodyPage + 1)));
        split += headingPage > 0;
    }
    QVERIFY(split > 0); // some went to the second page
}

void TestPrintedDocument::tablesKeepEveryFigure_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("nameLength");
    QTest::addColumn<int>("split"); // into more tables under the heading continued: 1 yes, 0 no, -1 either
    QTest::newRow("few columns, short names") << 5 << 10 << 0;
    QTest::newRow("few columns, long names") << 5 << 150 << 0;
    QTest::newRow("more columns, long names") << 9 << 150 << -1;
    QTest::newRow("too many columns for the least type") << 30 << 40 << 1;
}

// A table too wide for the page wraps its words and narrows its type, then
// splits, but never cuts a figure; every figure and every word is printed.
void TestPrintedDocument::tablesKeepEveryFigure()
{
    QFETCH(int, columns);
    QFETCH(int, nameLength);
    QFETCH(int, split);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    fw::PageTable table;
    table.points = 9;
    table.continuedHeading = "Scores (continued)";
    table.header << "Score";
    table.rightAligned.push_back(false);
    for (int c = 1; c < columns; ++c) {
        table.header << QString("Heading number %1 of its column").arg(c);
        table.rightAligned.push_back(true);
    }
    QStringList figures;
    for (int row = 0; row < 4; ++row) {
        QString name = QString("Name%1 ").arg(row) + QString("Wordy ").repeated(40);
        name.truncate(nameLength);
        QStringList cells{name.trimmed()};
        for (int c = 1; c < columns; ++c) {
            cells << QString("\u2212%1.%2 to +%3.%4").arg(100 + row).arg(c).arg(row).arg(c + 10);
            figures << cells.back();
        }
        table.rows.push_back(cells);
    }
    fw::PrintedDocument document;
    document.setHeader({"Examiner: " + QString("Someone with a name ").repeated(8).trimmed()});
    document.addTable(table, 4);
    QTemporaryDir dir;
    const QString pdf = dir.filePath("table.pdf");
    auto printer = pdfPrinter(pdf, QPageSize::A4, 15);
    QVERIFY(document.print(*printer));
    const std::optional<QString> text = pdfText(pdf);
    QVERIFY(text);
    QVERIFY(!text->contains(QChar(0x2026)));
    // As laid out, each figure is on one line, whole.
    const std::optional<QString> layout = toolOutput("pdftotext", {"-layout", pdf, "-"});
    QVERIFY(layout);
    for (const QString &figure : figures)
        QVERIFY2(layout->contains(figure), qPrintable(figure));
    if (split >= 0)
        QCOMPARE(text->contains("Scores (continued)"), split == 1);
    const QString words = text->simplified();
    QVERIFY(words.contains("Examiner: " + QString("Someone with a name ").repeated(8).trimmed()));
}

// The header's lines wrap rather than run off the page or end in "…".
void TestPrintedDocument::identificationWraps()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    const QString name = QString("Examiner with a long name ").repeated(6).trimmed();
    fw::PrintedDocument document;
    document.setHeader({"Name or code: K-0117 \u00b7 Examiner: " + name, "Date of testing: 2026-11-02"});
    document.setFooter(QString("Footer words ").repeated(12).trimmed());
    document.add(std::make_unique<fw::TextBlock>("Body", 10));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("header.pdf");
    auto printer = pdfPrinter(pdf, QPageSize::A6, 15);
    QVERIFY(document.print(*printer));
    const std::optional<QString> text = pdfText(pdf);
    QVERIFY(text);
    QVERIFY(!text->contains(QChar(0x2026)));
    const QString words = text->simplified();
    QVERIFY2(words.contains(name), qPrintable(words));
    QVERIFY(words.contains("Date of testing: 2026-11-02"));
    QVERIFY(words.contains(QString("Footer words ").repeated(12).trimmed()));
    QVERIFY(words.contains("page 1 of 1"));
}

// Two documents in one file, as the Battery Sheet writes every person:
// each one's headings at their levels, each table's head, each picture's
// words; styled words side by side keep the space between them.
void TestPrintedDocument::editableDocumentsTogether()
{
    if (!hasUnzip())
        QSKIP("needs unzip to read the document back");
    fw::PrintedDocument documents[2];
    for (int i = 0; i < 2; ++i) {
        fw::PrintedDocument &document = documents[i];
        document.setTitle(QStringLiteral("Title %1").arg(i));
        for (int level = 1; level <= 3; ++level) {
            auto heading = std::make_unique<fw::TextBlock>(QStringLiteral("<b>Heading %1.%2</b>").arg(i).arg(level), 11);
            heading->headingLevel = level;
            document.add(std::move(heading));
        }
        document.add(std::make_unique<fw::TextBlock>(QStringLiteral("<b>bold</b> <i>italic</i>"), 10));
        document.add(std::make_unique<fw::PictureBlock>([](QPainter &, const QRectF &) {}, 0.25,
                                                        QStringLiteral("Picture %1").arg(i)));
        fw::PageTable table;
        table.header = {QStringLiteral("Score"), QStringLiteral("T")};
        table.rows = {{QStringLiteral("A"), QStringLiteral("41")}, {QStringLiteral("B"), QStringLiteral("59")}};
        document.addTable(table, 4);
    }
    QByteArray bytes;
    QVERIFY(fw::PrintedDocument::odt({&documents[0], &documents[1]}, bytes));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.odt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const std::optional<OdtContents> odt = readOdt(path);
    QVERIFY(odt);
    QList<std::pair<int, QString>> headings;
    for (int i = 0; i < 2; ++i)
        for (int level = 1; level <= 3; ++level)
            headings << std::pair{level, QStringLiteral("Heading %1.%2").arg(i).arg(level)};
    QCOMPARE(odt->headings, headings);
    QCOMPARE(odt->headRows, (QList<int>{1, 1}));
    QCOMPARE(odt->cells, (QStringList{"Score", "T", "A", "41", "B", "59", "Score", "T", "A", "41", "B", "59"}));
    QCOMPARE(odt->titles, (QStringList{"Picture 0", "Picture 1"}));
    QCOMPARE(odt->paragraphs.count(QStringLiteral("bold italic")), 2);
    QVERIFY(odt->soundPackage);
    QVERIFY2(odt->unknownStyles.isEmpty(), qPrintable(odt->unknownStyles.join(QLatin1Char(' '))));
}

void TestPrintedDocument::unreadablePackageRefused_data()
{
    QTest::addColumn<QByteArray>("given");
    QByteArray written;
    QBuffer buffer(&written);
    buffer.open(QIODevice::WriteOnly);
    QTextDocument document;
    document.setPlainText(QStringLiteral("text"));
    QVERIFY(QTextDocumentWriter(&buffer, "odf").write(&document));
    QTest::newRow("nothing") << QByteArray();
    QTest::newRow("not a zip") << QByteArray("PK\x03\x04 but nothing more");
    QTest::newRow("cut short") << written.left(written.size() / 2);
    QByteArray corrupt = written;
    corrupt[corrupt.indexOf("content.xml") + 40] = '\xff';
    QTest::newRow("a member damaged") << corrupt;
    QTest::newRow("sound") << written;
}

// A package that cannot be read whole is never passed on as written.
void TestPrintedDocument::unreadablePackageRefused()
{
    QFETCH(QByteArray, given);
    QByteArray out("before");
    const bool finished = fw::finishedOdt(given, {}, out);
    QCOMPARE(finished, QByteArray(QTest::currentDataTag()) == "sound");
    QCOMPARE(out == "before", !finished);
}

QTEST_MAIN(TestPrintedDocument)
#include "tst_gui_printed_document.moc"
