// The Score Report on paper, read back as a reader would see it: the text
// of each page (pdftotext), its pictures (pdftoppm) and its title
// (pdfinfo). Printed with Ctrl+P, the Report menu or File > Export PDF.
#include "framework/language.h"
#include "framework/printed_document.h"
#include "report_window/curve_view.h"
#include "report_window/identification.h"
#include "report_window/report_page.h"
#include "report_window/report_table.h"
#include "tests/odt_reading.h"
#include "tests/report_fixture.h"

#include <QLineEdit>
#include <QPageSize>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextDocumentWriter>

namespace {

bool hasPoppler()
{
    for (const char *tool : {"pdftotext", "pdftoppm", "pdfinfo"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    return true;
}

// Pixels near a colour of the picture: the score's blue, the interval's orange.
int pixelsLike(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue()) < 40;
        }
    return count;
}

// The ink nearest each edge, in pixels from it.
int inkMargin(const QImage &image)
{
    int least = std::max(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 235)
                least = std::min({least, x, y, image.width() - 1 - x, image.height() - 1 - y});
    return least;
}

} // namespace

class TestReportPage : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase() { startTests(); }
    void init() { startProgram(); }
    void cleanup()
    {
        endProgram();
        fw::useLanguage(fw::Language::English);
    }

    void printed_data();
    void printed();
    void flowsOverSmallPages();
    void everyFigureWhole_data();
    void everyFigureWhole();
    void editableDocument_data();
    void editableDocument();

private:
    void identify()
    {
        const std::pair<const char *, const char *> fields[] = {
            {"clientFld", "K-0117"}, {"birthDateFld", "2016-03-14"}, {"testDateFld", "2026-11-02"},
            {"testNameFld", "WISC-V"}, {"examinerFld", "Dr. Example"}};
        for (const auto &[name, text] : fields) {
            in<QLineEdit>(name)->clear();
            QTest::keyClicks(in<QLineEdit>(name), QLatin1String(text));
        }
    }
};

void TestReportPage::printed_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QStringList>("said"); // besides what every page says
    QTest::newRow("Ctrl+P") << "keys" << Fields{{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}}
                            << QStringList{"Score: raw score 23 (mean 20, sd 4)", "110.1", "(23 \u2212 20) / 4 = 0.75"};
    QTest::newRow("Report > Print Report") << "PrintReportAction" << Fields{{"zFld", "-.5"}}
                                           << QStringList{"Score: z score \u22120.5", "\u22121.04 to +0.14"};
    QTest::newRow("File > Export PDF") << "ExportPdfItem" << Fields{{"wechslerFld", "115"}}
                                       << QStringList{"113.5", "105 to 122", "shown as 105 and 122"};
    QTest::newRow("print dialog cancelled") << "cancel" << Fields{{"wechslerFld", "115"}} << QStringList{};
}

void TestReportPage::printed()
{
    QFETCH(QString, how);
    QFETCH(Fields, fields);
    QFETCH(QStringList, said);
    if (!hasPoppler())
        QSKIP("needs pdftotext, pdftoppm and pdfinfo (poppler-utils)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    printDialogAnswers(pdf, how == "cancel");
    fw::setFileDialogHook([pdf](fw::FileDialogKind, const QString &) { return pdf; });
    calculate(fields);
    report::ReportWnd *report = openReport();
    QVERIFY(report);
    identify();
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    if (how == "keys" || how == "cancel")
        QTest::keyClick(report, Qt::Key_P, Qt::ControlModifier);
    else
        QVERIFY(bar().trigger(how.toLatin1().constData()));
    if (how == "cancel") {
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    QVERIFY(m_messages.isEmpty());
    const std::optional<QString> info = toolOutput("pdfinfo", {pdf});
    QVERIFY(info);
    QVERIFY2(info->contains(QStringLiteral("Title:           Score Report \u2013 K-0117 \u2013 2026-11-02")),
             qPrintable(*info));

    // NFKC: pdftotext gives ligatures as one character.
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    const QStringList pages = printed->normalized(QString::NormalizationForm_KC).split('\f', Qt::SkipEmptyParts);
    QVERIFY(pages.size() >= 1 && pages.size() <= 2);
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    for (int page = 0; page < pages.size(); ++page) {
        const QString words = pages[page].simplified();
        for (const QString &expected :
             {QStringLiteral("Name or code: K-0117 \u00b7 Test: WISC-V \u00b7 Examiner: Dr. Example"),
              QStringLiteral("Age at testing: 10;7 (18 days)"),
              QStringLiteral("Quintaval " QUINTAVAL_VERSION " \u00b7 printed ") + today,
              QStringLiteral("page %1 of %2").arg(page + 1).arg(pages.size())})
            QVERIFY2(words.contains(expected), qPrintable(QString("page %1: %2").arg(page + 1).arg(expected)));
    }
    const QString words = pages.join(' ').simplified();
    said << "Score Report" << "Exceptionally Low" << "Percentile" << "95% CI" << "95 % interval, true score"
         << "Estimated true score" << "SEE" << "(AACN)" << "Method" << "References"
         << "Kelley, T. L. (1927)" << "Guilmette";
    for (const QString &expected : said)
        QVERIFY2(words.contains(expected), qPrintable(expected + "\n in: " + words));

    // The picture is on the first page, and nothing comes within 15 mm of an edge.
    const QList<QImage> images = pdfPages(pdf, 50);
    QCOMPARE(images.size(), pages.size());
    QVERIFY2(pixelsLike(images[0], QColor(0x00, 0x72, 0xB2)) > 40, "the score's line");
    QVERIFY2(pixelsLike(images[0], QColor(0xE8, 0xB0, 0x3A)) > 200, "the interval's band");
    const int fifteenMillimetres = int(15 / 25.4 * 50);
    for (const QImage &image : images)
        QVERIFY2(inkMargin(image) >= fifteenMillimetres - 1, qPrintable(QString::number(inkMargin(image))));
}

// On a small page the parts move whole to the next page: every part is
// there, and nothing comes near an edge.
void TestReportPage::flowsOverSmallPages()
{
    if (!hasPoppler())
        QSKIP("needs pdftotext, pdftoppm and pdfinfo (poppler-utils)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("small.pdf"));
    fw::setPrinterDialogHook([pdf]() -> std::unique_ptr<QPrinter> {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageSize(QPageSize(QPageSize::A6));
        return printer;
    });
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    identify();
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    QVERIFY(bar().trigger("Print"));
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    const QStringList pages = printed->normalized(QString::NormalizationForm_KC).split('\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    const QString words = pages.join(' ').simplified();
    for (const char *expected : {"Score Report", "Stanine", "Percentile rank", "High Average (AACN)",
                                 "With a reliability of .90", "References", "Wichura, M. J. (1988)"})
        QVERIFY2(words.contains(QLatin1String(expected)), expected);
    for (int page = 0; page < pages.size(); ++page)
        QVERIFY(pages[page].simplified().contains(QStringLiteral("page %1 of %2").arg(page + 1).arg(pages.size())));
    const QList<QImage> images = pdfPages(pdf, 50);
    QCOMPARE(images.size(), pages.size());
    for (const QImage &image : images)
        QVERIFY(inkMargin(image) >= int(15 / 25.4 * 50) - 1);
}

void TestReportPage::everyFigureWhole_data()
{
    QTest::addColumn<QString>("z");
    QTest::addColumn<bool>("german");
    for (const bool german : {false, true})
        for (const char *z : {"-4.5", "0", "4.5"})
            QTest::addRow("z %s, %s", z, german ? "German" : "English") << QString(z) << german;
}

// At both ends of the curve and in its middle, with names of 150
// characters: nothing cut, every cell of the table whole, and the examiner
// named whole on every page.
void TestReportPage::everyFigureWhole()
{
    QFETCH(QString, z);
    QFETCH(bool, german);
    if (!hasPoppler())
        QSKIP("needs pdftotext, pdftoppm and pdfinfo (poppler-utils)");
    calculate({{"zFld", z}});
    report::ReportWnd *report = openReport();
    QVERIFY(report);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    QVERIFY(report->facts());
    const report::ReportFacts facts = *report->facts();
    const report::CurvePicture picture = in<report::CurveView>("curveView")->picture();
    fw::useLanguage(german ? fw::Language::German : fw::Language::English);
    auto name = [](const QString &start) {
        QString text = start;
        while (text.size() < 150)
            text += QStringLiteral(" Wordy name");
        return text.left(149) + QLatin1Char('q');
    };
    const report::Identification id{name("Person"), "2016-03-14", "2026-11-02", name("Test"), name("Examiner")};
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QVERIFY(report::printReport(printer, facts, id, picture));
    const std::optional<QString> text = pdfText(pdf);
    QVERIFY(text);
    const QString printed = text->normalized(QString::NormalizationForm_KC);
    QVERIFY2(!printed.contains(QStringLiteral("...")), qPrintable(printed));
    const QString words = printed.simplified();
    const report::ReportTable table = report::reportTable(facts, report::NumberStyle::Page);
    for (const QStringList &row : table.rows)
        for (qsizetype c = 1; c < row.size(); ++c)
            QVERIFY2(words.contains(row[c]), qPrintable(row[c]));
    const QStringList pages = printed.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(!pages.isEmpty());
    for (const QString &page : pages) {
        const QString onPage = page.simplified();
        QVERIFY(onPage.contains(id.examiner));
        QVERIFY(onPage.contains(id.testName));
        QVERIFY(onPage.contains(id.person));
    }
}

void TestReportPage::editableDocument_data()
{
    QTest::addColumn<bool>("german");
    QTest::newRow("English") << false;
    QTest::newRow("German") << true;
}

// The report as an OpenDocument text: the identification a table of its
// own, every cell of the scores table a cell, the headings and the
// sentence paragraphs, the curve a 300 dpi picture, in the language in use.
void TestReportPage::editableDocument()
{
    QFETCH(bool, german);
    if (!hasUnzip())
        QSKIP("needs unzip to read the document back");
    calculate({{"wechslerFld", "115"}});
    report::ReportWnd *report = openReport();
    QVERIFY(report);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    QVERIFY(report->facts());
    const report::ReportFacts facts = *report->facts();
    const report::CurvePicture picture = in<report::CurveView>("curveView")->picture();
    fw::useLanguage(german ? fw::Language::German : fw::Language::English);
    const report::Identification id{"K-0117", "2016-03-14", "2026-11-02", "Test battery", "Examiner"};
    const std::unique_ptr<fw::PrintedDocument> document = report::reportDocument(facts, id, picture);
    QByteArray bytes;
    QVERIFY(fw::PrintedDocument::odt({document.get()}, bytes));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.odt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const std::optional<OdtContents> odt = readOdt(path);
    QVERIFY(odt);

    // Identification, then the scores.
    QCOMPARE(odt->tables, 2);
    for (const QString &fact : {QStringLiteral("K-0117"), QStringLiteral("Examiner")})
        QVERIFY2(odt->cells.contains(fact), qPrintable(fact));
    QVERIFY(odt->cells.contains(german ? QStringLiteral("02.11.2026") : QStringLiteral("2026-11-02")));
    const report::ReportTable table = report::reportTable(facts, report::NumberStyle::Page);
    for (const QStringList &row : table.rows)
        for (const QString &cell : row)
            QVERIFY2(odt->cells.contains(cell.simplified()), qPrintable(cell));
    for (const char *heading : {"Score Report"})
        QVERIFY2(odt->paragraphs.contains(QCoreApplication::translate("ReportPage", heading)), heading);
    QVERIFY(odt->paragraphs.contains(QCoreApplication::translate("ReportDocument", "Method")));
    QVERIFY(odt->paragraphs.contains(report::sentence(facts).simplified()));
    const QString reliability = german ? QStringLiteral("0,90") : QStringLiteral(".90");
    QVERIFY2(odt->paragraphs.join(' ').contains(reliability) || odt->cells.join(' ').contains(reliability),
             qPrintable(odt->paragraphs.join('\n')));

    QCOMPARE(odt->pictures.size(), 1);
    QCOMPARE(odt->frames.size(), 1);
    const QSizeF frame = odt->frames.front();
    QVERIFY(frame.width() > 300 && frame.width() < 600);
    QVERIFY(qAbs(odt->pictures.front().width() - frame.width() * 300 / 72) <= 2);
    QVERIFY(qAbs(odt->pictures.front().height() - frame.height() * 300 / 72) <= 2);
    QCOMPARE(qRound(odt->pictures.front().dotsPerMeterX() * 0.0254), 300);

    // What a word processor's navigator, table of contents, spelling and
    // screen reader go by.
    const QList<std::pair<int, QString>> headings{
        {1, QCoreApplication::translate("ReportPage", "Score Report")},
        {2, QCoreApplication::translate("ReportDocument", "Method")},
        {3, QCoreApplication::translate("ReportDocument", "References")}};
    QCOMPARE(odt->headings, headings);
    QCOMPARE(odt->headRows, (QList<int>{0, 1}));
    QCOMPARE(odt->language, german ? QStringLiteral("de-DE") : QStringLiteral("en-US"));
    const QString curve = QCoreApplication::translate("ReportPage", "The normal curve with the score marked (%1).");
    QCOMPARE(odt->titles.size(), 1);
    QVERIFY2(odt->titles.front().startsWith(curve.section(QLatin1Char('('), 0, 0)), qPrintable(odt->titles.front()));
    QCOMPARE(odt->descriptions, odt->titles);
    QVERIFY(odt->soundPackage);
    QVERIFY2(odt->unknownStyles.isEmpty(), qPrintable(odt->unknownStyles.join(QLatin1Char(' '))));

    // Qt's own writing of the same document says the same words: nothing
    // was lost in adding to it.
    const std::unique_ptr<QTextDocument> editable = fw::PrintedDocument::editable({document.get()});
    const QString plain = dir.filePath(QStringLiteral("plain.odt"));
    QVERIFY(QTextDocumentWriter(plain, "odf").write(editable.get()));
    const std::optional<OdtContents> given = readOdt(plain);
    QVERIFY(given);
    QCOMPARE(odt->paragraphs, given->paragraphs);
    QCOMPARE(odt->cells, given->cells);
    QCOMPARE(odt->frames, given->frames);
    QCOMPARE(odt->pictures, given->pictures);
}

QTEST_MAIN(TestReportPage)
#include "tst_gui_report_page.moc"
