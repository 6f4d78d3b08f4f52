// The English windows and printed pages as the README shows them: the
// converter after a calculation, the About box, the Description window, the
// Score Report with a reliability and its printed page, the Battery Sheet
// with comparison sets and correlations, its correlation grid and its
// printed pages. Each is checked for what its picture is meant to show;
// with QUINTAVAL_SCREENSHOTS set to a folder, each is also saved there.
#include "battery_window/battery_wnd.h"
#include "battery_window/correlation_grid.h"
#include "battery_window/scores_model.h"
#include "shell/about_wnd.h"
#include "shell/description_wnd.h"
#include "tests/report_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {

QString folder()
{
    return qEnvironmentVariable("QUINTAVAL_SCREENSHOTS");
}

void keepPicture(QWidget *window, const char *name)
{
    if (folder().isEmpty())
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QVERIFY(window->grab().save(folder() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
}

// A printed page at the width the README shows it (an A4 page 744 dots wide).
void keepPage(const QString &pdf, int page, const char *name)
{
    if (folder().isEmpty())
        return;
    const QList<QImage> pages = pdfPages(pdf, 90);
    QVERIFY(pages.size() > page);
    QVERIFY(pages[page].save(folder() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
}

bool hasPoppler()
{
    for (const char *tool : {"pdftotext", "pdftoppm", "pdfinfo"})
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            return false;
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The school psychologist's battery: ten subtests, two indexes and two
// achievement T scores, each kind in a comparison set of its own.
const char *const kBattery =
    "person,birth_date,test_date,battery,examiner,name,scale,score,reliability,retest,practice,group,set\n"
    "C-0417,2015-03-12,2026-11-02,Cognitive and achievement battery,R. Meyer,Word Meaning,scaled,14,.92,,,Verbal,subtests\n"
    "C-0417,,,,,Analogies,scaled,13,.88,,,Verbal,subtests\n"
    "C-0417,,,,,General Knowledge,scaled,12,.87,,,Verbal,subtests\n"
    "C-0417,,,,,Matrices,scaled,9,.90,,,Reasoning,subtests\n"
    "C-0417,,,,,Block Patterns,scaled,7,.86,,,Reasoning,subtests\n"
    "C-0417,,,,,Quantitative,scaled,10,.89,,,Reasoning,subtests\n"
    "C-0417,,,,,Digit Recall,scaled,8,.91,,,Memory,subtests\n"
    "C-0417,,,,,Word List,scaled,6,.84,10,,Memory,subtests\n"
    "C-0417,,,,,Symbol Coding,scaled,5,.85,7,1,Speed,subtests\n"
    "C-0417,,,,,Visual Search,scaled,7,.81,,,Speed,subtests\n"
    "C-0417,,,,,Verbal Index,wechsler,108,.94,,,,indexes\n"
    "C-0417,,,,,Reasoning Index,wechsler,91,.92,,,,indexes\n"
    "C-0417,,,,,Reading,t,42,.93,45,,,achievement\n"
    "C-0417,,,,,Spelling,t,44,.92,,,,achievement\n";

const char *const kCorrelations =
    "name,Word Meaning,Analogies,General Knowledge,Matrices,Block Patterns,Quantitative,Digit Recall,Word List,"
    "Symbol Coding,Visual Search\n"
    "Word Meaning,1\nAnalogies,.66,1\nGeneral Knowledge,.63,.60,1\nMatrices,.52,.50,.49,1\n"
    "Block Patterns,.49,.47,.45,.56,1\nQuantitative,.51,.49,.48,.56,.54,1\n"
    "Digit Recall,.41,.40,.39,.39,.36,.37,1\nWord List,.38,.36,.35,.35,.33,.34,.43,1\n"
    "Symbol Coding,.34,.32,.32,.32,.29,.31,.25,.23,1\nVisual Search,.34,.32,.32,.32,.29,.31,.25,.23,.39,1\n";

} // namespace

class TestScreenshots : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        startTests();
        QVERIFY(m_dir.isValid());
    }
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

    void converterAndItsWindows();
    void scoreReport();
    void batterySheetWithSets();
    void longBatteryPrinted();

private:
    battery::BatteryWnd *openSheet(const QByteArray &file);
    QString sheetCell(int row, int column) const;

    QTemporaryDir m_dir;
};

void TestScreenshots::converterAndItsWindows()
{
    calculate({{"rawFld", "23"}, {"rawmeanFld", "20.5"}, {"rawsdFld", "4"}});
    auto *converter = fw::implicitWindow<ControlWnd>();
    QCOMPARE(converter->Text("wechslerFld"), std::string("109"));
    keepPicture(converter, "screenshot");
    QVERIFY(bar().trigger("AboutMenuItem"));
    auto *about = existing<shell::AboutWnd>();
    QVERIFY(about && QTest::qWaitForWindowExposed(about));
    keepPicture(about, "about");
    about->close();
    bringToFront(converter);
    QVERIFY(bar().trigger("DescriptionMenuItem"));
    auto *description = existing<shell::DescriptionWnd>();
    QVERIFY(description && QTest::qWaitForWindowExposed(description));
    QVERIFY(QString::fromStdString(description->Text("DescribeFld2")).startsWith(QLatin1String("Quintaval")));
    keepPicture(description, "description");
}

// A Wechsler IQ of 115 with a reliability of .90: the interval about the
// true score, explained; then its printed page.
void TestScreenshots::scoreReport()
{
    calculate({{"wechslerFld", "115"}});
    report::ReportWnd *report = openReport();
    QVERIFY(report);
    const std::pair<const char *, const char *> fields[] = {
        {"clientFld", "K-0117"}, {"birthDateFld", "2016-03-14"}, {"testDateFld", "2026-11-02"},
        {"testNameFld", "Cognitive battery"}, {"examinerFld", "Dr. Example"}};
    for (const auto &[name, text] : fields) {
        in<QLineEdit>(name)->clear();
        QTest::keyClicks(in<QLineEdit>(name), QLatin1String(text));
    }
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    auto *table = in<QTableWidget>("scoresTable");
    table->setCurrentCell(int(interpretation::ScaleId::Wechsler), 0);
    QVERIFY(in<QTextBrowser>("howPane")->toPlainText().contains(QLatin1String("Estimated true score")));
    keepPicture(report, "report");

    if (!hasPoppler())
        QSKIP("needs pdftotext, pdftoppm and pdfinfo (poppler-utils)");
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    fw::setFileDialogHook([pdf](fw::FileDialogKind, const QString &) { return pdf; });
    QVERIFY(bar().trigger("ExportPdfItem"));
    QTRY_VERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(pdfText(pdf).value_or(QString()).contains(QLatin1String("K-0117")));
    keepPage(pdf, 0, "report-print");
}

battery::BatteryWnd *TestScreenshots::openSheet(const QByteArray &file)
{
    const QString path = m_dir.filePath(QStringLiteral("battery.csv"));
    if (!writeFile(path, file))
        return nullptr;
    bringToFront(fw::implicitWindow<ControlWnd>());
    if (!bar().trigger("BatteryMenuItem"))
        return nullptr;
    auto *sheet = existing<battery::BatteryWnd>();
    if (!sheet || !QTest::qWaitForWindowActive(sheet) || !sheet->openFile(path))
        return nullptr;
    return sheet;
}

QString TestScreenshots::sheetCell(int row, int column) const
{
    return existing<battery::BatteryWnd>()->scoresModel()->cellText(row, column);
}

// Strengths and weaknesses only among the subtests; the indexes and the
// achievement scores are not set against the subtests' mean.
void TestScreenshots::batterySheetWithSets()
{
    battery::BatteryWnd *sheet = openSheet(kBattery);
    QVERIFY(sheet);
    const QString correlations = m_dir.filePath(QStringLiteral("correlations.csv"));
    QVERIFY(writeFile(correlations, kCorrelations));
    QVERIFY(sheet->loadCorrelations(correlations).isEmpty());
    QStringList marks;
    for (int row = 0; row < 14; ++row)
        marks << sheetCell(row, battery::kMarkColumn);
    QCOMPARE(marks, (QStringList{"S", "S", "S", "", "W", "", "", "W", "W", "", "", "", "", ""}));
    auto *table = sheet->findChild<QTableView *>(QStringLiteral("scoresTable"));
    table->setCurrentIndex(sheet->scoresModel()->index(0, battery::kDeviationColumn));
    QVERIFY(sheet->findChild<QTextBrowser *>(QStringLiteral("howPane"))->toPlainText().contains(
        QLatin1String("subtests")));
    // The subtests' low-score rate is worked out aside; the picture shows it.
    auto *unusual = sheet->findChild<QTableView *>(QStringLiteral("unusualTable"));
    const auto lowRate = [unusual] { return unusual->model()->index(0, 3).data().toString(); };
    QTRY_VERIFY2(!lowRate().isEmpty() && lowRate() != QStringLiteral("\u2026"), qPrintable(lowRate()));
    // Larger than it opens, so that the chart has room for its fourteen names.
    sheet->resize(1280, 980);
    keepPicture(sheet, "battery");

    QVERIFY(bar().trigger("EditCorrelationsAction"));
    auto *grid = existing<battery::CorrelationGrid>();
    QVERIFY(grid && QTest::qWaitForWindowActive(grid));
    QCOMPARE(grid->names().size(), 14);
    QCOMPARE(grid->value(1, 0), 0.66);
    auto *cells = grid->findChild<QTableWidget *>(QStringLiteral("gridTbl"));
    grid->resize(1180, 540);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    cells->setCurrentCell(7, 6);
    keepPicture(grid, "correlations");
    grid->close();

    if (!hasPoppler())
        QSKIP("needs pdftotext, pdftoppm and pdfinfo (poppler-utils)");
    bringToFront(sheet);
    const QString pdf = m_dir.filePath(QStringLiteral("battery.pdf"));
    fw::setFileDialogHook([pdf](fw::FileDialogKind, const QString &) { return pdf; });
    QVERIFY(bar().trigger("ExportPdfItem"));
    QTRY_VERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(pdfText(pdf).value_or(QString()).contains(QLatin1String("achievement")));
    keepPage(pdf, 0, "battery-print");
}

// Thirty scores with names of up to 72 characters, and a battery and an
// examiner of over 110: nothing printed is cut.
void TestScreenshots::longBatteryPrinted()
{
    if (!hasPoppler())
        QSKIP("needs pdftotext, pdftoppm and pdfinfo (poppler-utils)");
    const QString battery = QStringLiteral("Comprehensive assessment of cognitive abilities, academic achievement "
                                           "and executive functions, second edition");
    const QString examiner = QStringLiteral("Dr. Alexandra Konstantinopoulou-Westerhagen, school psychologist, "
                                            "regional counselling and assessment service");
    QByteArray file = "person,battery,examiner,test_date,name,scale,score,reliability,group\n";
    const char *const words[] = {"Verbal", "reasoning", "with", "delayed", "recall", "of", "complex",
                                 "narrative", "material", "presented", "orally"};
    for (int i = 0; i < 30; ++i) {
        QString name = QStringLiteral("Subtest %1:").arg(i + 1);
        for (int w = 0; name.size() < 20 + (i * 7) % 53; ++w)
            name += QLatin1Char(' ') + QLatin1String(words[w % std::size(words)]);
        file += "L-0030,\"" + battery.toUtf8() + "\",\"" + examiner.toUtf8() + "\",2026-11-02,\"" + name.toUtf8()
                + "\",scaled," + QByteArray::number(4 + (i * 5) % 13) + ",.88,Group " + QByteArray::number(i / 6 + 1)
                + "\n";
    }
    battery::BatteryWnd *sheet = openSheet(file);
    QVERIFY(sheet);
    QCOMPARE(sheet->scoresModel()->sheet().rows.size(), std::size_t(30));
    const QString pdf = m_dir.filePath(QStringLiteral("long.pdf"));
    fw::setFileDialogHook([pdf](fw::FileDialogKind, const QString &) { return pdf; });
    QVERIFY(bar().trigger("ExportPdfItem"));
    QTRY_VERIFY(QFileInfo(pdf).size() > 0);
    QVERIFY(pdfText(pdf).value_or(QString()).simplified().contains(QLatin1String("executive functions")));
    keepPage(pdf, 0, "battery-print-long");
}

QTEST_MAIN(TestScreenshots)
#include "tst_gui_screenshots.moc"
