// The Score Report driven as the user drives it: calculate in the converter,
// open the report, set its parameters, copy, save and print, and watch it
// follow the converter.
#include "converter_window/control_wnd.h"
#include "framework/file_dialog.h"
#include "framework/message_box.h"
#include "interpretation/interpretation.h"
#include "report_window/curve_picture.h"
#include "report_window/curve_view.h"
#include "report_window/report_text.h"
#include "report_window/report_wnd.h"
#include "shell/program.h"
#include "tests/program_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QRegularExpression>
#include <QSettings>
#include <QSvgRenderer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

using report::ReportWnd;
using Field = QPair<QString, QString>;
using Fields = QList<Field>;

namespace {

// The column with the most pixels of the score's blue: where its line is.
int scoreColumn(const QImage &image, int *rightmost = nullptr)
{
    int best = -1, bestCount = 0;
    if (rightmost)
        *rightmost = -1;
    for (int x = 0; x < image.width(); ++x) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            const QColor colour = image.pixelColor(x, y);
            count += colour.blue() - colour.red() > 60;
        }
        if (count > bestCount) {
            best = x;
            bestCount = count;
        }
        if (count && rightmost)
            *rightmost = x;
    }
    return best;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void ordinals_data();
    void ordinals();
    void openedFromTheMenus();
    void reportsTheScore_data();
    void reportsTheScore();
    void followsTheConverter();
    void invalidReliability_data();
    void invalidReliability();
    void copyTableAndSentence();
    void parametersRemembered();
    void customDescriptorFile();
    void curveEdges_data();
    void curveEdges();
    void savePicture_data();
    void savePicture();
    void printReport_data();
    void printReport();
    void keyboard();

private:
    void calculate(const Fields &fields);
    ReportWnd *openReport();
    template <class T>
    T *in(const char *name) const
    {
        return fw::existingWindow(ReportWnd::kClassName)->findChild<T *>(QLatin1String(name));
    }
    QString cell(int row, int column) const;
    QString shownSentence() const
    {
        return QTextDocumentFragment::fromHtml(in<QLabel>("sentenceTxt")->text()).toPlainText();
    }

    std::unique_ptr<shell::Program> m_program;
    QStringList m_messages;
};

void TestReport::initTestCase()
{
    quietOffscreen();
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("QuintavalTest"));
    QLocale::setDefault(QLocale::c());
    fw::setQuitHook([](int) {});
    fw::setMsgBoxHook([this](const std::string &message) { m_messages << QString::fromStdString(message); });
}

void TestReport::init()
{
    m_messages.clear();
    m_program = std::make_unique<shell::Program>();
    QSettings().clear();
    endSplash();
}

void TestReport::cleanup()
{
    fw::setPrinterDialogHook({});
    fw::setFileDialogHook({});
    m_program.reset();
    QSettings().clear();
}

// Clear, type each field, Calculate: as the user does it.
void TestReport::calculate(const Fields &fields)
{
    auto *converter = fw::implicitWindow<ControlWnd>();
    QTest::mouseClick(converter->control("ClearBtn"), Qt::LeftButton);
    for (const Field &field : fields)
        QTest::keyClicks(converter->control(field.first.toStdString()), field.second);
    QTest::mouseClick(converter->control("CalculateBtn"), Qt::LeftButton);
}

ReportWnd *TestReport::openReport()
{
    bringToFront(fw::implicitWindow<ControlWnd>());
    if (!bar().trigger("ReportMenuItem"))
        return nullptr;
    auto *report = existing<ReportWnd>();
    if (!report || !QTest::qWaitForWindowActive(report))
        return nullptr;
    return report;
}

QString TestReport::cell(int row, int column) const
{
    const QTableWidgetItem *item = in<QTableWidget>("scoresTable")->item(row, column);
    return item ? item->text() : QString();
}

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
    QVERIFY(report->minimumWidth() >= 560 && report->minimumHeight() >= 520);
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

    QTest::newRow("Wechsler IQ, true score")
        << Fields{{"wechslerFld", "115"}} << ".90" << 0 << "Wechsler IQ 115"
        << "A Wechsler IQ of 115 is at the 84th percentile and in the High Average range (AACN). "
           "With a reliability of .90, the 95% confidence interval (true-score method) is 105 to 122 "
           "(62nd to 93rd percentile).";
    QTest::newRow("Wechsler IQ, obtained score")
        << Fields{{"wechslerFld", "115"}} << ".90" << 1 << "Wechsler IQ 115"
        << "A Wechsler IQ of 115 is at the 84th percentile and in the High Average range (AACN). "
           "With a reliability of .90, the 95% confidence interval (obtained-score method) is 106 to 124 "
           "(65th to 95th percentile).";
    QTest::newRow("raw score, on the Wechsler metric")
        << Fields{{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}} << "" << 0
        << "raw score 23 (mean 20, sd 4)"
        << "A raw score of 23 (mean 20, sd 4) is a Wechsler-metric standard score of 111, at the 77th "
           "percentile and in the High Average range (AACN).";
    QTest::newRow("z below the 0.1st percentile")
        << Fields{{"zFld", "-3.2"}} << "" << 0 << "z score -3.2"
        << "A z score of -3.2 is below the 0.1st percentile and in the Exceptionally Low range (AACN).";
    QTest::newRow("percentile in, Wechsler metric out")
        << Fields{{"percentileFld", "2"}} << "" << 0 << "percentile 2"
        << "A score at the 2nd percentile is a Wechsler-metric standard score of 69 and in the "
           "Exceptionally Low range (AACN).";
    QTest::newRow("raw score beyond every scale")
        << Fields{{"rawFld", "250"}, {"rawmeanFld", "100"}, {"rawsdFld", "15"}} << ".90" << 0
        << "raw score 250 (mean 100, sd 15)"
        << "A raw score of 250 (mean 100, sd 15) is a Wechsler-metric standard score of more than 199, "
           "above the 99.9th percentile and in the Exceptionally High range (AACN). With a reliability "
           "of .90, the 95% confidence interval (true-score method) lies entirely above 199 (above the "
           "99.9th percentile).";
    QTest::newRow("interval from below the 0.1st percentile")
        << Fields{{"zFld", "-3.5"}} << ".8" << 1 << "z score -3.5"
        << "A z score of -3.5 is below the 0.1st percentile and in the Exceptionally Low range (AACN). "
           "With a reliability of .8, the 95% confidence interval (obtained-score method) is -4.38 to "
           "-2.62 (from below the 0.1st percentile to the 0.4th percentile).";
}

// The sentence in words, the table exactly as the core gives it.
void TestReport::reportsTheScore()
{
    QFETCH(Fields, fields);
    QFETCH(QString, reliability);
    QFETCH(int, method);
    QFETCH(QString, source);
    QFETCH(QString, sentence);
    calculate(fields);
    ReportWnd *report = openReport();
    QVERIFY(report);
    in<QComboBox>("methodBox")->setCurrentIndex(method);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), reliability);

    QCOMPARE(in<QLabel>("sourceTxt")->text(), "Score: " + source);
    QCOMPARE(shownSentence(), sentence);

    // The six scales of the converter read as its fields do; the rest, and
    // every bound, as the core gives them.
    const interpretation::IntervalSettings settings{
        reliability.toDouble(), 95, method ? interpretation::Method::Obtained : interpretation::Method::TrueScore};
    const auto core = interpretation::interpret(report->facts()->reading.z, *interpretation::findSystem("aacn"),
                                                reliability.isEmpty() ? nullptr : &settings);
    auto *converter = fw::implicitWindow<ControlWnd>();
    const char *const converterFields[] = {"zFld", "tFld", "wechslerFld", "nceFld", "greFld", "agctFld"};
    for (int row = 0; row < interpretation::kScaleIdCount; ++row) {
        QCOMPARE(cell(row, 1), row < 6 ? QString::fromStdString(converter->Text(converterFields[row]))
                                       : QString::fromStdString(core.score[row].text));
        QCOMPARE(cell(row, 2), QString::fromStdString(core.hasInterval ? core.lower[row].text : ""));
        QCOMPARE(cell(row, 3), QString::fromStdString(core.hasInterval ? core.upper[row].text : ""));
    }
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QString::fromStdString(core.descriptor) + " (AACN)");
    QCOMPARE(in<QTableWidget>("scoresTable")->isColumnHidden(2), reliability.isEmpty());
    bool marked = false;
    for (int row = 0; row < interpretation::kScaleIdCount; ++row)
        for (int column = 1; column < 4; ++column)
            marked = marked || cell(row, column).endsWith(QLatin1Char('*'));
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
    QVERIFY(!bar().trigger("CopyTableAction"));
    QVERIFY(!bar().trigger("CopySentenceAction"));
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
    QCOMPARE(!in<QTableWidget>("scoresTable")->isColumnHidden(2), interval);
    QCOMPARE(shownSentence().contains(QLatin1String("confidence interval")), interval);
    QCOMPARE(in<report::CurveView>("curveView")->accessibleDescription().contains(QLatin1String("confidence")),
             interval);
}

void TestReport::copyTableAndSentence()
{
    calculate({{"wechslerFld", "115"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");

    QTest::keyClick(fw::existingWindow(ReportWnd::kClassName), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasHtml());
    const QStringList lines = data->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), interpretation::kScaleIdCount + 2);
    QCOMPARE(lines.first(), QStringLiteral("Scale\tScore\tLower\tUpper"));
    QCOMPARE(lines[3], QStringLiteral("Wechsler IQ\t115\t105\t122"));
    QCOMPARE(lines[10], QStringLiteral("Percentile rank\t84\t62\t93"));
    QCOMPARE(lines.last(), QStringLiteral("Descriptor\tHigh Average (AACN)"));
    const QString html = data->html();
    QVERIFY(html.contains(QLatin1String("<td>Wechsler IQ</td><td>115</td><td>105</td><td>122</td>")));
    QVERIFY(html.contains(QLatin1String("<td colspan=\"3\">High Average (AACN)</td>")));

    // Without an interval the bounds are empty cells, not missing ones.
    in<QLineEdit>("reliabilityFld")->clear();
    QVERIFY(bar().trigger("CopyTableAction"));
    QCOMPARE(QGuiApplication::clipboard()->text().split(QLatin1Char('\n'))[3],
             QStringLiteral("Wechsler IQ\t115\t\t"));

    QVERIFY(bar().trigger("CopySentenceAction"));
    QCOMPARE(QGuiApplication::clipboard()->text(), shownSentence());
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
}

void TestReport::parametersRemembered()
{
    calculate({{"wechslerFld", "125"}});
    ReportWnd *report = openReport();
    QVERIFY(report);
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

    report->close();
    QTRY_VERIFY(!fw::existingWindow(ReportWnd::kClassName));
    QVERIFY(openReport());
    QCOMPARE(in<QLineEdit>("reliabilityFld")->text(), QStringLiteral(".85"));
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
    for (const auto &[path, text] : {std::pair{good, "from,label\n100,Typical\n115,Strong\n0,Weak\n"},
                                     std::pair{bad, "from,label\n100,Typical\nhigh,Strong\n"}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
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

    answer = bad;
    choose();
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.first().contains(QLatin1String("line 3")), qPrintable(m_messages.first()));
    QCOMPARE(descriptors->currentText(), QStringLiteral("AACN"));

    answer = good;
    choose();
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(descriptors->currentText(), QStringLiteral("Custom: district.csv"));
    QCOMPARE(cell(interpretation::kScaleIdCount, 1), QStringLiteral("Strong (district)"));

    answer.clear(); // cancelled: still the file's system
    choose();
    QCOMPARE(descriptors->currentText(), QStringLiteral("Custom: district.csv"));

    fw::existingWindow(ReportWnd::kClassName)->close();
    QTRY_VERIFY(!fw::existingWindow(ReportWnd::kClassName));
    QVERIFY(openReport());
    QCOMPARE(in<QComboBox>("descriptorBox")->currentText(), QStringLiteral("Custom: district.csv"));
}

void TestReport::curveEdges_data()
{
    QTest::addColumn<double>("z");
    QTest::addColumn<int>("marker");
    using M = report::CurvePicture::Marker;
    QTest::newRow("z -4: a line at the left edge") << -4.0 << int(M::Line);
    QTest::newRow("z +4: a line at the right edge") << 4.0 << int(M::Line);
    QTest::newRow("z just past -4: arrow") << -4.0000001 << int(M::ArrowLeft);
    QTest::newRow("z +4.07: arrow") << 4.0667 << int(M::ArrowRight);
    QTest::newRow("z -10: arrow") << -10.0 << int(M::ArrowLeft);
}

// The score's line stands where its z falls on the axis, and a score past
// either end is an arrow whose tip is at that end.
void TestReport::curveEdges()
{
    QFETCH(double, z);
    QFETCH(int, marker);
    const QSize size(800, 400);
    auto render = [size](double at) {
        report::CurvePicture picture;
        picture.setScore(at, QStringLiteral("IQ"));
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        picture.paint(painter, QRectF(QPointF(0, 0), size), 12);
        return std::pair{picture.marker(), image};
    };
    const auto [shown, image] = render(z);
    QCOMPARE(int(shown), marker);
    const int left = scoreColumn(render(-4).second);
    const int right = scoreColumn(render(4).second);
    QVERIFY(left > 0 && right > left);
    int rightmost = -1;
    const int column = scoreColumn(image, &rightmost);
    if (shown == report::CurvePicture::Marker::Line) {
        QVERIFY(qAbs(column - (left + (right - left) * (z + 4) / 8)) <= 1.5);
    } else if (shown == report::CurvePicture::Marker::ArrowRight) {
        QVERIFY(qAbs(rightmost - right) <= 2);
    } else {
        int leftmost = 0;
        while (leftmost < image.width() && scoreColumn(image.copy(leftmost, 0, 1, image.height())) < 0)
            ++leftmost;
        QVERIFY(qAbs(leftmost - left) <= 2);
    }
}

void TestReport::savePicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("SVG") << "curve.svg";
    QTest::newRow("PNG") << "curve.PNG";
    QTest::newRow("PDF") << "curve.pdf";
    QTest::newRow("unknown extension") << "curve.jpg";
    QTest::newRow("folder that does not exist") << "missing/curve.svg";
}

void TestReport::savePicture()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    fw::setFileDialogHook([path](fw::FileDialogKind, const QString &) { return path; });
    calculate({{"wechslerFld", "115"}});
    ReportWnd *report = openReport();
    QVERIFY(report);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    QVERIFY(bar().trigger("SavePictureAction"));

    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("jpg") || name.startsWith(QLatin1String("missing"))) {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!QFile::exists(path));
        return;
    }
    QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto *view = in<report::CurveView>("curveView");
    if (suffix == QLatin1String("svg")) {
        QVERIFY(QSvgRenderer(bytes).isValid());
        QVERIFY(bytes.contains("Wechsler IQ"));
    } else if (suffix == QLatin1String("png")) {
        const QImage image = QImage::fromData(bytes, "PNG");
        QCOMPARE(image.size(), (QSizeF(view->size()) * view->devicePixelRatioF() * 2).toSize());
    } else {
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
        if (const auto text = pdfText(path))
            QVERIFY(text->contains(QLatin1String("Percentile")));
    }
}

void TestReport::printReport_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("printed") << false;
    QTest::newRow("dialog cancelled") << true;
}

void TestReport::printReport()
{
    QFETCH(bool, cancel);
    if (!cancel && QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    printDialogAnswers(pdf, cancel);
    calculate({{"rawFld", "23"}, {"rawmeanFld", "20"}, {"rawsdFld", "4"}});
    QVERIFY(openReport());
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    QVERIFY(bar().trigger("PrintReportAction"));
    if (cancel) {
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    QCOMPARE(printed->count(QLatin1Char('\f')), 1);
    // NFKC: pdftotext gives ligatures as one character.
    const QString words = printed->normalized(QString::NormalizationForm_KC).simplified();
    for (const QString &expected :
         {QStringLiteral("Score Report"), QStringLiteral("raw score 23 (mean 20, sd 4)"),
          QStringLiteral("Stanine"), QStringLiteral("Percentile rank"), QStringLiteral("High Average (AACN)"),
          shownSentence()})
        QVERIFY2(words.contains(expected), qPrintable(expected));
}

// Tab walks the controls in reading order; the picture says in words what
// it shows.
void TestReport::keyboard()
{
    calculate({{"wechslerFld", "115"}});
    ReportWnd *report = openReport();
    QVERIFY(report);
    QTest::keyClicks(in<QLineEdit>("reliabilityFld"), ".90");
    in<QLineEdit>("reliabilityFld")->setFocus();
    QStringList order{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, QStringList({"reliabilityFld", "confidenceBox", "methodBox", "descriptorBox",
                                 "curveView", "scoresTable", "sentenceTxt", "reliabilityFld"}));
    const auto *view = in<report::CurveView>("curveView");
    QVERIFY(!view->accessibleName().isEmpty());
    for (const char *words : {"Wechsler IQ of 115", "84th percentile", "105 to 122"})
        QVERIFY2(view->accessibleDescription().contains(QLatin1String(words)), words);
}

QTEST_MAIN(TestReport)
#include "tst_gui_report.moc"
