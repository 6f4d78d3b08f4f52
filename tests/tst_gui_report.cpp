// The Score Report driven as the user drives it: calculate in the converter,
// open the report, fill in who and when, set its parameters, read how each
// figure was reached, copy, and watch it follow the converter.
#include "interpretation/interpretation.h"
#include "report_window/curve_picture.h"
#include "report_window/curve_view.h"
#include "report_window/identification.h"
#include "report_window/report_numbers.h"
#include "report_window/report_text.h"
#include "tests/report_fixture.h"
#include "tests/mnemonics.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <sys/stat.h>

using report::ReportWnd;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestReport : public QObject, ReportFixture {
    Q_OBJECT

private slots:
    void initTestCase() { startTests(); }
    void init() { startProgram(); }
    void cleanup() { endProgram(); }

    void ordinals_data();
    void ordinals();
    void trueScoreStaysOnItsScale_data();
    void trueScoreStaysOnItsScale();
    void openedFromTheMenus();
    void reportsTheScore_data();
    void reportsTheScore();
    void followsTheConverter();
    void invalidReliability_data();
    void invalidReliability();
    void howEachFigureWasReached_data();
    void howEachFigureWasReached();
    void identification_data();
    void identification();
    void fileNames_data();
    void fileNames();
    void nothingIdentifyingStored();
    void settingsThatCannotBeSaved();
    void copyTableAndSentence();
    void parametersRemembered();
    void customDescriptorFile();
    void storedDescriptorFileUnusable_data();
    void storedDescriptorFileUnusable();
    void pictureFollowsTheReport_data();
    void pictureFollowsTheReport();
    void smallestWindow();
    void keyboard();
    void heardAndClosedFromTheKeyboard();

private:
    QString shownSentence() const
    {
        return QTextDocumentFragment::fromHtml(in<QLabel>("sentenceTxt")->text()).toPlainText();
    }
    QString howText() const { return in<QTextBrowser>("howPane")->toPlainText(); }
};

void TestReport::ordinals_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("expected");
    const char *const rows[][2] = {{"1", "1st"}, {"2", "2nd"}, {"3", "3rd"}, {"4", "4th"},
                                   {"11", "11th"}, {"12", "12th"}, {"13", "13th"}, {"21", "21st"},
                                   {"22", "22nd"}, {"23", "23rd"}, {"50", "50th"}, {"93", "93rd"},
                                   {"111", "111th"}, {"0.1", "0.1st"}, {"0.2", "0.2nd"},
                                   {"99.7", "99.7th"}, {"99.9", "99.9th"}};
    for (const auto &row : rows)
        QTest::newRow(row[0]) << row[0] << row[1];
}

void TestReport::ordinals()
{
    QFETCH(QString, number);
    QFETCH(QString, expected);
    QCOMPARE(report::ordinal(number), expected);
}

// Nothing of the report exists until it is asked for; the item works from
// the converter and the Description window. (The shell's menu table pins
// which items are enabled with which window in front.)
void TestReport::openedFromTheMenus()
{
    QVERIFY(!fw::existingWindow(ReportWnd::kClassName));
    auto *converter = fw::implicitWindow<ControlWnd>();
    QTest::keyClick(converter, Qt::Key_R, Qt::ControlModifier);
    auto *report = existing<ReportWnd>();
    QVERIFY(report);
    QVERIFY(QTest::qWaitForWindowActive(report));
    QCOMPARE(report->windowTitle(), QStringLiteral("Score Report"));
    QCOMPARE(in<QLabel>("sourceTxt")->text(), QStringLiteral("No score yet"));

    QVERIFY(bar().trigger("ControlMenuItem"));
    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
    QVERIFY(bar().trigger("DescriptionMenuItem"));
    QTRY_COMPARE(frontName(), QStringLiteral("DescriptionWnd"));
    QVERIFY(bar().trigger("ReportMenuItem"));
    QTRY_COMPARE(frontName(), QStringLiteral("ReportWnd"));
    QCOMPARE(fw::existingWindow(ReportWnd::kClassName), report); // the same window, brought forward
}

void TestReport::reportsTheScore_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("reliability");
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("wechslerRow"); // the Wechsler row's cells, joined by "|"

    QTest::newRow("Wechsler IQ, true score")
        << Fields{{"wechslerFld", "115"}} << ".90" << 0 << "Wechsler IQ 115"
        << "A Wechsler IQ of 115 is at the 84th percentile and in the High Average range (AACN). "
           "With a reliability of .90, the 95% confidence interval (true-score method) is 105 to 122 "
           "(62nd to 93rd percentile)."
        << "Wechsler IQ|115|113.5|4.50|105 to 122";
    QTest::newRow("Wechsler IQ, obtained score")
        << Fields{{"wechslerFld", "115"}} << ".90" << 1 << "Wechsler IQ 115"
        << "A Wechsler IQ of 115 is at the 84th percentile and in the High Average range (AACN). "
           "With a reliability of .90, the 95% confidence interval (obtained-score method) is 106 to 124 "
           "(65th to 95th percentile)."
        << "Wechsler IQ|115|4.74|106 to 124";
    QTest::newRow("raw score, on the Wechsler metric")
        << Fields{{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}} << "" << 0
        << "raw score 23 (mean 20, sd 4)"
        << "A raw score of 23 (mean 20, sd 4) is a Wechsler-metric standard score of 111, at the 77th "
           "percentile and in the High Average range (AACN)."
        << "Wechsler IQ|111";
    QTest::newRow("z below the 0.1st percentile, a true minus")
        << Fields{{"zFld", "-3.2"}} << "" << 0 << "z score \u22123.2"
        << "A z score of \u22123.2 is below the 0.1st percentile and in the Exceptionally Low range (AACN)."
        << "Wechsler IQ|52";
    QTest::newRow("percentile in, Wechsler metric out")
        << Fields{{"percentileFld", "2"}} << "" << 0 << "percentile 2"
        << "A score at the 2nd percentile is a Wechsler-metric standard score of 69 and in the "
           "Exceptionally Low range (AACN)."
        << "Wechsler IQ|69";
    QTest::newRow("raw score beyond every scale")
        << Fields{{"rawFld", "250"}, {"rawmeanFld", "100"}, {"rawsdFld", "15"}} << ".90" << 0
        << "raw score 250 (mean 100, sd 15)"
        << "A raw score of 250 (mean 100, sd 15) is a Wechsler-metric standard score of more than 199, "
           "above the 99.9th percentile and in the Exceptionally High range (AACN). With a reliability "
           "of .90, the 95% confidence interval (true-score method) lies entirely above 199 (above the "
           "99.9th percentile)."
        << "Wechsler IQ|199*|199.0*|4.50|199* to 199*";
    QTest::newRow("z of zero, unsigned")
        << Fields{{"zFld", "0"}} << ".90" << 0 << "z score 0.0"
        << "A z score of 0.0 is at the 50th percentile and in the Average range (AACN). With a reliability of "
           ".90, the 95% confidence interval (true-score method) is \u22120.59 to +0.59 (28th to 72nd percentile)."
        << "Wechsler IQ|100|100.0|4.50|91 to 109";
    QTest::newRow("interval from below the 0.1st percentile, leading zeros")
        << Fields{{"zFld", "-3.5"}} << ".8" << 1 << "z score \u22123.5"
        << "A z score of \u22123.5 is below the 0.1st percentile and in the Exceptionally Low range (AACN). "
           "With a reliability of .8, the 95% confidence interval (obtained-score method) is \u22124.38 to "
           "\u22122.62 (from below the 0.1st percentile to the 0.4th percentile)."
        << "Wechsler IQ|48|6.71|34 to 61";
}

void TestReport::trueScoreStaysOnItsScale_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("reliability");
    QTest::newRow("T 20, .90") << Fields{{"tFld", "20"}} << ".90";
    QTest::newRow("z -4.5, .90") << Fields{{"zFld", "-4.5"}} << ".90";
    QTest::newRow("z +4.5, .99") << Fields{{"zFld", "4.5"}} << ".99";
    QTest::newRow("T 80, .30") << Fields{{"tFld", "80"}} << ".30";
    QTest::newRow("Wechsler 100, .5") << Fields{{"wechslerFld", "100"}} << ".5";
}

// The estimated true score on each scale is on that scale: beyond its range
// it is the range's end marked "*", with the legend that says so; on the
// band scales it is the band the estimated true score falls in.
void TestReport::trueScoreStaysOnItsScale()
{
    QFETCH(Fields, fields);
    QFETCH(QString, reliability);
    calculate(fields);
    ReportWnd *report = openReport();
    QVERIFY(report);
    in<QComboBox>("methodBox")->setCurrentIndex(0);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), reliability);
    QCOMPARE(header().value(2), QStringLiteral("Estimated true score"));
    const double trueZ = report->facts()->reading.interval.centre;
    bool marked = false;
    for (int row = 0; row < interpretation::kScaleIdCount; ++row) {
        const auto id = interpretation::ScaleId(row);
        const conversion::Scale &scale = interpretation::scaleRow(id);
        const QString shown = cell(row, 2);
        QString digits = shown;
        digits.replace(QChar(0x2212), QLatin1Char('-')).remove(QLatin1Char('*')).remove(QLatin1Char('+'));
        bool number = false;
        const double value = digits.toDouble(&number);
        if (scale.display == conversion::Display::Band) {
            QCOMPARE(shown, QString::fromStdString(interpretation::showScore(id, trueZ).text));
            QVERIFY2(number && value == std::round(value) && value >= scale.lowest && value <= scale.highest,
                     qPrintable(shown));
            continue;
        }
        if (scale.display != conversion::Display::Linear)
            continue;
        QVERIFY2(number && value >= scale.lowest && value <= scale.highest, qPrintable(shown));
        const double exact = scale.mean + scale.sd * trueZ;
        const bool beyond = exact < scale.lowest || exact > scale.highest;
        QCOMPARE(shown.endsWith(QLatin1Char('*')), beyond);
        QVERIFY2(beyond ? value == (exact < scale.lowest ? scale.lowest : scale.highest) : std::abs(value - exact) < 0.0051 + 0.045 * (scale.sd >= 2),
                 qPrintable(QStringLiteral("%1: %2 for %3").arg(row).arg(shown).arg(exact)));
        marked |= beyond;
    }
    QCOMPARE(!in<QLabel>("legendTxt")->isHidden(), marked || report::hasMarkedScore(*report->facts()));
    if (marked)
        QVERIFY(!in<QLabel>("legendTxt")->isHidden());
    // The explanation of a row says how its true score is shown.
    auto *table = in<QTableWidget>("scoresTable");
    for (const auto id : {interpretation::ScaleId::Stanine, interpretation::ScaleId::Nce}) {
        table->setCurrentCell(int(id), 0);
        const QString how = in<QTextBrowser>("howPane")->toPlainText();
        const QString shown = cell(int(id), 2);
        if (id == interpretation::ScaleId::Stanine)
            QVERIFY2(how.contains("as " + shown + ", the band it falls in"), qPrintable(how));
        else
            QCOMPARE(how.contains("as " + shown + ": it lies outside the possible range"), shown.endsWith('*'));
    }
}

// The sentence in words; the table as the core gives it, written as a
// report writes numbers, with the interval's centre and standard error.
void TestReport::reportsTheScore()
{
    QFETCH(Fields, fields);
    QFETCH(QString, reliability);
    QFETCH(int, method);
    QFETCH(QString, source);
    QFETCH(QString, sentence);
    QFETCH(QString, wechslerRow);
    calculate(fields);
    ReportWnd *report = openReport();
    QVERIFY(report);
    in<QComboBox>("methodBox")->setCurrentIndex(method);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), reliability);

    QCOMPARE(in<QLabel>("sourceTxt")->text(), "Score: " + source);
    QCOMPARE(shownSentence(), sentence);
    QStringList heads{"Scale", "Score"};
    if (!reliability.isEmpty())
        heads << (method ? QStringList{"SEM", "95 % interval, obtained score"}
                         : QStringList{"Estimated true score", "SEE", "95 % interval, true score"});
    QCOMPARE(header(), heads);
    const int wechsler = int(interpretation::ScaleId::Wechsler);
    QStringList cells;
    for (int column = 0; column < heads.size(); ++column)
        cells << cell(wechsler, column);
    QCOMPARE(cells.join('|'), wechslerRow);

    // The six scales of the converter read as its fields do; the rest, and
    // every bound, as the core gives them.
    const interpretation::IntervalSettings settings{
        reliability.toDouble(), 95, method ? interpretation::Method::Obtained : interpretation::Method::TrueScore};
    const auto core = interpretation::interpret(report->facts()->reading.z, *interpretation::findSystem("aacn"),
                                                reliability.isEmpty() ? nullptr : &settings);
    auto *converter = fw::implicitWindow<ControlWnd>();
    const char *const converterFields[] = {"zFld", "tFld", "wechslerFld", "nceFld", "greFld", "agctFld"};
    for (int row = 0; row < interpretation::kScaleIdCount; ++row) {
        QCOMPARE(cell(row, 1), report::pageNumber(row < 6 ? converter->Text(converterFields[row]) : core.score[row].text));
        if (core.hasInterval)
            QCOMPARE(cell(row, heads.size() - 1), report::pageNumber(core.lower[row].text) + " to "
                                                      + report::pageNumber(core.upper[row].text));
    }
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QString::fromStdString(core.descriptor) + " (AACN)");
    bool marked = false;
    for (int row = 0; row < interpretation::kScaleIdCount; ++row)
        for (int column = 1; column < heads.size(); ++column)
            marked = marked || cell(row, column).contains(QLatin1Char('*'));
    QCOMPARE(in<QLabel>("legendTxt")->isVisibleTo(report), marked);
}

// A new Calculate shows at once; a refused one changes nothing; Clear
// leaves nothing to copy.
void TestReport::followsTheConverter()
{
    ReportWnd *report = openReport();
    QVERIFY(report);
    calculate({{"tFld", "60"}});
    QCOMPARE(in<QLabel>("sourceTxt")->text(), QStringLiteral("Score: T score 60"));
    QCOMPARE(cell(2, 1), QStringLiteral("115"));

    calculate({{"wechslerFld", "70"}});
    QCOMPARE(in<QLabel>("sourceTxt")->text(), QStringLiteral("Score: Wechsler IQ 70"));
    QCOMPARE(cell(1, 1), QStringLiteral("30"));
    const QString before = shownSentence();

    // Typed over the result, out of range: refused.
    auto *converter = fw::implicitWindow<ControlWnd>();
    QWidget *wechsler = converter->control("wechslerFld");
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(wechsler, Qt::Key_Backspace);
    QTest::keyClicks(wechsler, "250");
    QTest::mouseClick(converter->control("CalculateBtn"), Qt::LeftButton);
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(shownSentence(), before);

    bringToFront(report);
    bar().runEnablingPass();
    QVERIFY(bar().enabled("CopyTableAction"));
    QTest::mouseClick(converter->control("ClearBtn"), Qt::LeftButton);
    QCOMPARE(in<QLabel>("sourceTxt")->text(), QStringLiteral("No score yet"));
    QCOMPARE(cell(1, 1), QString());
    bringToFront(report);
    QGuiApplication::clipboard()->setText(QStringLiteral("left alone"));
    for (const char *item : {"CopyTableAction", "CopySentenceAction", "EditCopy", "Print", "ExportPdfItem"})
        QVERIFY2(!bar().trigger(item), item);
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("left alone"));
}

void TestReport::invalidReliability_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("interval");
    QTest::addColumn<bool>("marked");
    QTest::newRow("empty: no interval, nothing wrong") << "" << false << false;
    QTest::newRow(".90") << ".90" << true << false;
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("0") << "0" << false << true;
    QTest::newRow("90, a percentage") << "90" << false << true;
    QTest::newRow("negative") << "-.5" << false << true;
    QTest::newRow("a point alone") << "." << false << true;
    QTest::newRow("nan") << "nan" << false << true;
    QTest::newRow("exponent") << "9e-1" << false << true;
    QTest::newRow("comma") << "0,9" << false << true;
    QTest::newRow("below 1 as written, 1 as a double")
        << ".99999999999999999999" << false << true;
}

void TestReport::invalidReliability()
{
    QFETCH(QString, typed);
    QFETCH(bool, interval);
    QFETCH(bool, marked);
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), typed);
    const QLabel *reason = in<QLabel>("reliabilityErrorTxt");
    QCOMPARE(reason->isVisibleTo(reason->window()), marked);
    if (marked)
        QVERIFY(reason->text().contains(QLatin1String("reliability")));
    // Never "must be less than 1" for a text that is less than 1.
    if (typed.startsWith(QLatin1String(".9999")))
        QVERIFY2(reason->text().contains(QLatin1String("rounds to 1")), qPrintable(reason->text()));
    QCOMPARE(header().size() > 2, interval);
    QCOMPARE(shownSentence().contains(QLatin1String("confidence interval")), interval);
    QCOMPARE(in<report::CurveView>("curveView")->accessibleDescription().contains(QLatin1String("confidence")),
             interval);
}

void TestReport::howEachFigureWasReached_data()
{
    QTest::addColumn<Fields>("fields");
    QTest::addColumn<QString>("reliability");
    QTest::addColumn<int>("row"); // -1: none selected, the button pressed
    QTest::addColumn<QStringList>("said");
    const int descriptor = interpretation::kScaleIdCount;
    const int rank = int(interpretation::ScaleId::PercentileRank);
    QTest::newRow("the interval, worked on the scale given")
        << Fields{{"wechslerFld", "115"}} << ".90" << int(interpretation::ScaleId::Wechsler)
        << QStringList{"Wechsler IQ 115", "100 + .90 \u00d7 15 = 113.5", "15 \u00d7 \u221a(.90 \u00d7 .10) = 4.50",
                       "Critical value for 95 %", "1.96", "104.7", "122.3", "shown as 105 and 122", "Kelley, 1927"};
    QTest::newRow("the button, with no row selected: the scale stated")
        << Fields{{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}} << "" << -1
        << QStringList{"Wechsler IQ 111", "(23 \u2212 20) / 4 = 0.75", "100 + 15 \u00d7 0.75 = 111.3, shown as 111"};
    QTest::newRow("T 20: the converter's percentile beside the exact rank")
        << Fields{{"tFld", "20"}} << "" << rank
        << QStringList{"100 \u03a6(\u22123.00) = 0.13, shown as 0.1", "polynomial approximation",
                       "held at the limit of the scale and shown as 1*", "differs from the exact percentile rank, 0.1"};
    QTest::newRow("the descriptor: its band and system")
        << Fields{{"wechslerFld", "115"}} << "" << descriptor
        << QStringList{"Descriptor: High Average (AACN)", "AACN system", "standard scores from 110 to 119",
                       "Guilmette et al., 2020"};
}

void TestReport::howEachFigureWasReached()
{
    QFETCH(Fields, fields);
    QFETCH(QString, reliability);
    QFETCH(int, row);
    QFETCH(QStringList, said);
    calculate(fields);
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), reliability);
    if (row >= 0)
        QTest::mouseClick(in<QTableWidget>("scoresTable")->viewport(), Qt::LeftButton, {},
                          in<QTableWidget>("scoresTable")->visualItemRect(in<QTableWidget>("scoresTable")->item(row, 0)).center());
    else
        QTest::mouseClick(in<QPushButton>("howBtn"), Qt::LeftButton);
    const QString text = howText().simplified();
    for (const QString &words : said)
        QVERIFY2(text.contains(words), qPrintable(words + "\n in: " + text));
    if (row < 0)
        QCOMPARE(QApplication::focusWidget(), in<QTextBrowser>("howPane"));
}

void TestReport::identification_data()
{
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("testing");
    QTest::addColumn<QString>("age");
    QTest::addColumn<QString>("marked"); // the fields marked, by name
    QTest::newRow("age, days borrowed") << "2016-03-14" << "2026-11-02" << "10;7 (18 days)" << "";
    QTest::newRow("one day") << "2016-03-14" << "2016-04-15" << "0;1 (1 day)" << "";
    QTest::newRow("no date of birth: no age") << "" << "2026-11-02" << "" << "";
    QTest::newRow("testing before birth") << "2016-03-14" << "2015-03-14"
                                          << "The date of testing is before the date of birth." << "testDateFld";
    QTest::newRow("not a day") << "2016-02-30" << "2026-11-02" << "Date of birth is not a date" << "birthDateFld";
}

// The age follows the dates as they are typed; a date that cannot be one
// is marked in place.
void TestReport::identification()
{
    QFETCH(QString, birth);
    QFETCH(QString, testing);
    QFETCH(QString, age);
    QFETCH(QString, marked);
    QVERIFY(openReport());
    auto *testDate = in<QLineEdit>("testDateFld");
    QCOMPARE(testDate->text(), QDate::currentDate().toString(Qt::ISODate));
    testDate->clear();
    QTest::keyClicks(testDate, testing);
    QTest::keyClicks(in<QLineEdit>("birthDateFld"), birth);
    const QString shown = in<QLabel>("ageLbl")->text();
    QVERIFY2(age.isEmpty() ? shown.isEmpty() : shown.startsWith(age), qPrintable(shown));
    for (const char *name : {"birthDateFld", "testDateFld"})
        QCOMPARE(in<QLineEdit>(name)->styleSheet().contains("border"), marked == QLatin1String(name));
}

void TestReport::fileNames_data()
{
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("testing");
    QTest::addColumn<QString>("name");
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QTest::newRow("code and date") << "K-0117" << "2026-11-02" << "K-0117-2026-11-02.pdf";
    QTest::newRow("characters no file name holds") << "A/B: \"x\"?" << "2026-11-02" << "A_B_ _x__-2026-11-02.pdf";
    QTest::newRow("no code") << "  " << "2026-11-02" << "score-report-2026-11-02.pdf";
    QTest::newRow("no date: today") << "K-0117" << "" << "K-0117-" + today + ".pdf";
    QTest::newRow("not hidden") << "..x" << "2026-11-02" << "x-2026-11-02.pdf";
}

void TestReport::fileNames()
{
    QFETCH(QString, person);
    QFETCH(QString, testing);
    QFETCH(QString, name);
    report::Identification id;
    id.person = person;
    id.testDate = testing;
    QCOMPARE(report::suggestedFileName(id, "score-report", "pdf"), name);
}

// Who was tested, and the reliability of the test given, are gone at the
// next start; the choices that belong to the user stay.
void TestReport::nothingIdentifyingStored()
{
    calculate({{"wechslerFld", "125"}});
    QVERIFY(openReport());
    const QStringList secrets{"Ada Example", "2016-03-14", "2026-11-02", "WISC-V", "Dr. Example", ".85"};
    const char *const fields[] = {"clientFld", "birthDateFld", "testDateFld", "testNameFld", "examinerFld",
                                  "reliabilityFld"};
    for (int i = 0; i < secrets.size(); ++i) {
        in<QLineEdit>(fields[i])->clear();
        QTest::keyClicks(in<QLineEdit>(fields[i]), secrets[i]);
    }
    in<QComboBox>("confidenceBox")->setCurrentIndex(1);
    closeReport();
    QSettings settings;
    settings.sync();
    for (const QString &key : settings.allKeys())
        for (const QString &secret : secrets)
            QVERIFY2(!settings.value(key).toString().contains(secret), qPrintable(key));
    QFile file(settings.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray stored = file.readAll();
    for (const QString &secret : secrets)
        QVERIFY2(!stored.contains(secret.toUtf8()), qPrintable(secret));

    QVERIFY(openReport());
    for (const char *name : {"clientFld", "birthDateFld", "testNameFld", "examinerFld", "reliabilityFld"})
        QVERIFY2(in<QLineEdit>(name)->text().isEmpty(), name);
    QCOMPARE(in<QComboBox>("confidenceBox")->currentText(), QStringLiteral("90%"));
}

// A read-only home: the user hears of it once, and the choices still work.
void TestReport::settingsThatCannotBeSaved()
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath("not-a-folder");
    QVERIFY(writeFile(blocker, "x"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker + "/config");
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    auto *confidence = in<QComboBox>("confidenceBox");
    for (int index : {0, 1, 3})
        confidence->setCurrentIndex(index);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains("could not be saved"), qPrintable(m_messages.first()));
    QCOMPARE(in<QComboBox>("confidenceBox")->currentText(), QStringLiteral("99%"));
}

void TestReport::copyTableAndSentence()
{
    calculate({{"zFld", "-.25"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");

    QTest::keyClick(fw::existingWindow(ReportWnd::kClassName), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    const QString copied = data->text();
    const QStringList lines = copied.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), interpretation::kScaleIdCount + 2);
    QCOMPARE(lines.first(), QStringLiteral("Scale\tScore\tEstimated true score\tSEE\t95 % interval, true score: "
                                           "lower\t95 % interval, true score: upper"));
    // ASCII minus and a leading zero: what a spreadsheet reads as a number.
    QCOMPARE(lines[1], QStringLiteral("z\t-0.25\t-0.23\t0.30\t-0.81\t+0.36"));
    QCOMPARE(lines[3], QStringLiteral("Wechsler IQ\t96\t96.6\t4.50\t88\t105"));
    QCOMPARE(lines.last(), QStringLiteral("Descriptor\tAverage (AACN)"));
    const QString html = data->html();
    QVERIFY(html.contains(QStringLiteral("<td>z</td><td>\u22120.25</td><td>\u22120.23</td><td>0.30</td>"
                                         "<td>\u22120.81 to +0.36</td>")));
    QVERIFY(html.contains(QLatin1String("<td colspan=\"4\">Average (AACN)</td>")));

    // Edit > Copy: a field's selection while it has one, else the table.
    auto *client = in<QLineEdit>("clientFld");
    QTest::keyClicks(client, "K-0117");
    client->selectAll();
    QVERIFY(bar().trigger("EditCopy"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("K-0117"));
    in<QTableWidget>("scoresTable")->setFocus();
    QTRY_VERIFY(in<QTableWidget>("scoresTable")->hasFocus());
    QTest::keyClick(in<QTableWidget>("scoresTable"), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);

    in<QLineEdit>("reliabilityFld")->clear();
    QVERIFY(bar().trigger("CopyTableAction"));
    QCOMPARE(QGuiApplication::clipboard()->text().split(QLatin1Char('\n'))[3], QStringLiteral("Wechsler IQ\t96"));

    QVERIFY(bar().trigger("CopySentenceAction"));
    QCOMPARE(QGuiApplication::clipboard()->text(), shownSentence());
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());

    // A descriptor label a spreadsheet would run as a formula reaches it as
    // text, and only in the tab-separated text.
    QTemporaryDir dir;
    const QString labels = dir.filePath(QStringLiteral("labels.csv"));
    QVERIFY(writeFile(labels, "from,label\n0,=1+1\n110,\"@SUM(A1)\r\"\n"));
    QCOMPARE(existing<ReportWnd>()->loadDescriptorFile(labels), QString());
    QVERIFY(bar().trigger("CopyTableAction"));
    QCOMPARE(QGuiApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts).last(),
             QStringLiteral("Descriptor\t'=1+1 (labels)"));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->html().contains(QLatin1String(">=1+1 (labels)</td>")));
}

void TestReport::parametersRemembered()
{
    calculate({{"wechslerFld", "125"}});
    QVERIFY(openReport());
    QCOMPARE(in<QComboBox>("confidenceBox")->currentText(), QStringLiteral("95%"));
    QCOMPARE(in<QComboBox>("methodBox")->currentText(), QStringLiteral("True score"));
    QCOMPARE(in<QComboBox>("descriptorBox")->currentText(), QStringLiteral("AACN"));
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".85");
    in<QComboBox>("confidenceBox")->setCurrentIndex(1);
    in<QComboBox>("methodBox")->setCurrentIndex(1);
    auto *descriptors = in<QComboBox>("descriptorBox");
    const int wechsler = descriptors->findText(QStringLiteral("Wechsler"));
    descriptors->setCurrentIndex(wechsler);
    emit descriptors->activated(wechsler);
    QVERIFY(shownSentence().contains(
        QLatin1String("in the Very High range (Wechsler). With a reliability of .85, the 90% confidence "
                      "interval (obtained-score method)")));

    closeReport();
    QVERIFY(openReport());
    QCOMPARE(in<QComboBox>("confidenceBox")->currentText(), QStringLiteral("90%"));
    QCOMPARE(in<QComboBox>("methodBox")->currentText(), QStringLiteral("Obtained score"));
    QCOMPARE(in<QComboBox>("descriptorBox")->currentText(), QStringLiteral("Wechsler"));
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("Very High (Wechsler)"));
}

// Chosen through "Custom…"; a bad file is refused naming its line and
// leaves the choice as it was.
void TestReport::customDescriptorFile()
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("district.csv"));
    const QString bad = dir.filePath(QStringLiteral("broken.csv"));
    QVERIFY(writeFile(good, "from,label\n100,Typical\n115,Strong\n0,Weak\n"));
    QVERIFY(writeFile(bad, "from,label\n100,Typical\nhigh,Strong\n"));
    QString answer;
    fw::setFileDialogHook([&answer](fw::FileDialogKind kind, const QString &) {
        return kind == fw::FileDialogKind::Open ? answer : QString();
    });
    calculate({{"tFld", "61"}});
    QVERIFY(openReport());
    auto *descriptors = in<QComboBox>("descriptorBox");
    auto choose = [descriptors] { // as a click on the item does
        const int custom = descriptors->findText(QStringLiteral("Custom\u2026"));
        descriptors->setCurrentIndex(custom);
        emit descriptors->activated(custom);
    };

    for (const QString &refused : {bad, QStringLiteral("/dev/zero")}) {
        answer = refused;
        choose();
        QCOMPARE(descriptors->currentText(), QStringLiteral("AACN"));
    }
    QCOMPARE(m_messages.size(), 2);
    QVERIFY2(m_messages[0].contains(QLatin1String("line 3")), qPrintable(m_messages[0]));
    QVERIFY2(m_messages[1].contains(QLatin1String("not a regular file")), qPrintable(m_messages[1]));

    answer = good;
    choose();
    QCOMPARE(m_messages.size(), 2);
    QCOMPARE(descriptors->currentText(), QStringLiteral("Custom: district.csv"));
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("Strong (district)"));

    answer.clear(); // cancelled: still the file's system
    choose();
    QCOMPARE(descriptors->currentText(), QStringLiteral("Custom: district.csv"));

    // Export PDF… and Save Picture… never write over the file in use, by any name.
    const QByteArray labels = "from,label\n100,Typical\n115,Strong\n0,Weak\n";
    QVERIFY(QFile::link(good, dir.filePath(QStringLiteral("linked.pdf"))));
    QVERIFY(QFile::link(good, dir.filePath(QStringLiteral("linked.svg"))));
    for (const char *item : {"ExportPdfItem", "SavePictureAction"}) {
        m_messages.clear();
        const QString target = dir.filePath(QLatin1String(item) == QLatin1String("ExportPdfItem") ? "linked.pdf" : "linked.svg");
        fw::setFileDialogHook([target](fw::FileDialogKind, const QString &) { return target; });
        QVERIFY(bar().trigger(item));
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages[0].contains(QLatin1String("it is the descriptor file the report uses")), qPrintable(m_messages[0]));
        QFile file(good);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), labels);
    }
    m_messages.clear();

    closeReport();
    QVERIFY(openReport());
    QCOMPARE(in<QComboBox>("descriptorBox")->currentText(), QStringLiteral("Custom: district.csv"));
    QVERIFY(!in<QLabel>("descriptorErrorTxt")->isVisibleTo(in<QLabel>("descriptorErrorTxt")->window()));
}

void TestReport::storedDescriptorFileUnusable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("gone") << "gone" << "No such file";
    QTest::newRow("gone bad") << "bad" << "line 2";
    QTest::newRow("a pipe nobody writes to") << "fifo" << "not a regular file";
    QTest::newRow("endless") << "zero" << "not a regular file";
}

// A stored file that cannot be read is said to be so, its choice kept, and
// the window neither waits on it nor reads it without end.
void TestReport::storedDescriptorFileUnusable()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = dir.filePath("district.csv");
    if (kind == "bad")
        QVERIFY(writeFile(path, "from,label\nhigh,Strong\n"));
    else if (kind == "fifo")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == "zero")
        path = "/dev/zero";
    {
        QSettings settings;
        settings.setValue("report/descriptors", "custom");
        settings.setValue("report/descriptorFile", path);
    }
    calculate({{"wechslerFld", "115"}});
    QElapsedTimer clock;
    clock.start();
    QVERIFY(openReport());
    QVERIFY(clock.elapsed() < 20000);
    const QLabel *problem = in<QLabel>("descriptorErrorTxt");
    QVERIFY(problem->isVisibleTo(problem->window()));
    QVERIFY2(problem->text().contains(reason) && problem->text().contains(QFileInfo(path).fileName()),
             qPrintable(problem->text()));
    QCOMPARE(in<QComboBox>("descriptorBox")->currentText(), "Custom: " + QFileInfo(path).fileName());
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("High Average (AACN)"));
    in<QComboBox>("confidenceBox")->setCurrentIndex(1); // the settings are written again
    closeReport();
    QSettings settings;
    QCOMPARE(settings.value("report/descriptors").toString(), QStringLiteral("custom"));
    QCOMPARE(settings.value("report/descriptorFile").toString(), path);
}

void TestReport::pictureFollowsTheReport_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QList<double>>("edges"); // standard scores where bands begin on the picture
    QTest::newRow("AACN") << "AACN" << QList<double>{69.5, 79.5, 89.5, 109.5, 119.5, 129.5};
    QTest::newRow("Woodcock-Johnson") << "Woodcock-Johnson" << QList<double>{69.5, 79.5, 89.5, 110.5, 120.5, 130.5};
}

// The bands begin where a rounded standard score reaches each cut; the
// interval spans the worked example's bounds, 104.68 to 122.32.
void TestReport::pictureFollowsTheReport()
{
    QFETCH(QString, system);
    QFETCH(QList<double>, edges);
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    auto *descriptors = in<QComboBox>("descriptorBox");
    const int at = descriptors->findText(system);
    descriptors->setCurrentIndex(at);
    emit descriptors->activated(at);
    const auto *view = in<report::CurveView>("curveView");
    const report::CurvePicture::Geometry g = view->picture().geometry(QRectF(view->rect()), view->fontPixels());
    QCOMPARE(int(g.bands.size()), edges.size() + 1);
    for (int i = 0; i < edges.size(); ++i)
        QVERIFY2(std::fabs(g.bands[i + 1].left() - g.x((edges[i] - 100) / 15)) < 0.01,
                 qPrintable(QString("band from %1").arg(edges[i])));
    const double critical = 1.959963984540054;
    QVERIFY(g.intervalBand);
    QVERIFY(std::fabs(g.intervalBand->left() - g.x(0.9 - critical * 0.3)) < 0.01);
    QVERIFY(std::fabs(g.intervalBand->right() - g.x(0.9 + critical * 0.3)) < 0.01);
    QVERIFY(std::fabs(g.scoreLine->center().x() - g.x(1)) < 0.01);
}

// At its smallest, with the widest table, the window shows every row and
// column and a curve with room for all its parts.
void TestReport::smallestWindow()
{
    calculate({{"rawFld", "250"}, {"rawmeanFld", "100"}, {"rawsdFld", "15"}});
    ReportWnd *report = openReport();
    QVERIFY(report);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    report->resize(report->minimumSize());
    QTRY_COMPARE(report->size(), report->minimumSize());
    QVERIFY2(report->minimumHeight() <= 720, qPrintable(QString::number(report->minimumHeight()))); // a 768-pixel screen
    const auto *table = in<QTableWidget>("scoresTable");
    QTRY_VERIFY(report->content()->rect().contains(QRect(table->mapTo(report->content(), QPoint()), table->size())));
    const int last = table->rowCount() - 1;
    QVERIFY(table->rowViewportPosition(last) + table->rowHeight(last) <= table->viewport()->height());
    const int lastColumn = table->columnCount() - 1;
    QVERIFY(table->columnViewportPosition(lastColumn) + table->columnWidth(lastColumn) <= table->viewport()->width());
    const auto *view = in<report::CurveView>("curveView");
    const QSizeF least = report::CurvePicture::minimumSize(view->fontPixels());
    QVERIFY(view->width() >= least.width() && view->height() >= least.height());
    const report::CurvePicture::Geometry g = view->picture().geometry(QRectF(view->rect()), view->fontPixels());
    for (std::size_t i = 0; i < g.texts.size(); ++i)
        for (std::size_t j = i + 1; j < g.texts.size(); ++j)
            QVERIFY2(!g.texts[i].box.intersects(g.texts[j].box), qPrintable(g.texts[i].text + " / " + g.texts[j].text));
}

// Tab walks the controls in reading order; the picture says in words what
// it shows.
void TestReport::keyboard()
{
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    in<QLineEdit>("clientFld")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 14; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"clientFld", "testNameFld", "examinerFld", "birthDateFld", "testDateFld",
                                 "reliabilityFld", "confidenceBox", "methodBox", "descriptorBox", "curveView",
                                 "scoresTable", "howPane", "howBtn", "sentenceTxt", "clientFld"}));
    const auto *view = in<report::CurveView>("curveView");
    QVERIFY(!view->accessibleName().isEmpty());
    for (const char *words : {"Wechsler IQ of 115", "84th percentile", "105 to 122"})
        QVERIFY2(view->accessibleDescription().contains(QLatin1String(words)), words);
    for (const char *name : {"clientFld", "birthDateFld", "testDateFld", "testNameFld", "examinerFld"})
        QVERIFY2(!in<QLineEdit>(name)->accessibleName().isEmpty(), name);
}

// The sentence and the refusals are heard, the parameters are reached with
// the Battery Sheet's letters and named without their colons, and the
// window closes from its own keys.
void TestReport::heardAndClosedFromTheKeyboard()
{
    calculate({{"wechslerFld", "78"}});
    ReportWnd *report = openReport();
    QVERIFY(report);
    auto heard = [](QWidget *widget, QAccessible::Text text = QAccessible::Name) {
        return QAccessible::queryAccessibleInterface(widget)->text(text);
    };
    QVERIFY(shownSentence().contains(QLatin1String("78")));
    QCOMPARE(heard(in<QLabel>("sentenceTxt")), shownSentence());
    QCOMPARE(QAccessible::queryAccessibleInterface(in<report::CurveView>("curveView"))->role(), QAccessible::Graphic);

    const std::pair<const char *, const char *> parameters[] = {
        {"reliabilityFld", "Reliability"}, {"confidenceBox", "Confidence"}, {"methodBox", "Method"},
        {"descriptorBox", "Descriptors"}};
    const Qt::Key letters[] = {Qt::Key_L, Qt::Key_N, Qt::Key_T, Qt::Key_D};
    for (std::size_t i = 0; i < std::size(parameters); ++i) {
        QWidget *control = in<QWidget>(parameters[i].first);
        // A list box is heard by its value and its label: its own name is for the rest.
        QCOMPARE(control->accessibleName(), QLatin1String(parameters[i].second));
        if (i == 0)
            QCOMPARE(heard(control), QLatin1String(parameters[i].second));
        in<QLineEdit>("clientFld")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), letters[i], Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), control);
    }
    QCOMPARE(QKeySequence::mnemonic(in<QPushButton>("howBtn")->text()), QKeySequence(Qt::ALT | Qt::Key_O));
    in<QLineEdit>("reliabilityFld")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
    QTRY_COMPARE(QApplication::focusWidget(), in<QWidget>("clientFld"));
    const QStringList clashes = mnemonicClashes(report);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1String("; "))));

    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), "1.5");
    QAccessibleInterface *reason = QAccessible::queryAccessibleInterface(in<QLabel>("reliabilityErrorTxt"));
    QCOMPARE(reason->role(), QAccessible::StatusBar);
    QVERIFY2(reason->text(QAccessible::Name).contains(QLatin1String("reliability")),
             qPrintable(reason->text(QAccessible::Name)));
    QVERIFY(!heard(in<QLineEdit>("reliabilityFld"), QAccessible::Description).isEmpty());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!fw::existingWindow(ReportWnd::kClassName));
    QVERIFY(openReport());
    in<QComboBox>("methodBox")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!fw::existingWindow(ReportWnd::kClassName));
}

QTEST_MAIN(TestReport)
#include "tst_gui_report.moc"
