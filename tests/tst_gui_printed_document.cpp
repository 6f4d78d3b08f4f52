// Printed documents of flowing blocks, as both reports print: laid out on
// pages without a block cut at an edge, a table's header on each page it
// runs onto, the header and footer on every page, the margins kept.
#include "framework/printed_document.h"
#include "tests/program_fixture.h"

#include <QApplication>
#include <QPageSize>
#include <QPainter>
#include <QTemporaryDir>

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
    void flows_data();
    void flows();
};

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

QTEST_MAIN(TestPrintedDocument)
#include "tst_gui_printed_document.moc"
