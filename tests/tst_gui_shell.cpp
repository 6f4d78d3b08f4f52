// The application shell driven as the user drives it: start-up and the
// splash box, the menus and their routing, the converter window's own
// events, and the Description window with its printing.
#include "converter_window/control_wnd.h"
#include "converter_window/module1.h"
#include "framework/application.h"
#include "framework/implicit_window.h"
#include "framework/menu_bar.h"
#include "framework/message_box.h"
#include "framework/printing.h"
#include "framework/text_area.h"
#include "framework/timer.h"
#include "shell/about_wnd.h"
#include "shell/description_text.h"
#include "shell/description_wnd.h"
#include "shell/invisible_wnd.h"
#include "shell/program.h"

#include <QApplication>
#include <QFontInfo>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>
#include <optional>

using shell::AboutWnd;
using shell::DescriptionWnd;
using shell::InvisibleWnd;

namespace {

template <class T>
T *existing()
{
    return dynamic_cast<T *>(fw::existingWindow(T::kClassName));
}

bool shown(const char *className)
{
    const fw::Window *window = fw::existingWindow(className);
    return window && window->isVisible();
}

QString frontName()
{
    const fw::Window *front = fw::Window::front();
    return front ? front->objectName() : QStringLiteral("none");
}

int topLevelCount(const char *className)
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String(className);
    return count;
}

fw::MenuBar &bar()
{
    return *fw::App()->menuBar();
}

// What pdftotext reads in a PDF: pages end in a form feed.
std::optional<QString> pdfText(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(tool, {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000))
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QtMessageHandler s_nextHandler = nullptr;

// The offscreen platform can neither raise a window nor pass on size hints,
// and says so every time.
void quietOffscreen(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        s_nextHandler(type, context, message);
}

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void splashStandsAloneThenConverterWindow();
    void keyOrClickBringsConverterWindow_data();
    void keyOrClickBringsConverterWindow();
    void quitShortcutDuringSplash();
    void enablingFollowsFrontWindow_data();
    void enablingFollowsFrontWindow();
    void commandRouting_data();
    void commandRouting();
    void activationResetsDirty();
    void descriptionLifecycle();
    void tableStaysAlignedInField();
    void closingConverterWindowQuits();
    void printing_data();
    void printing();

private:
    void endSplash();
    void bringToFront(fw::Window *window);

    std::unique_ptr<shell::Program> m_program;
    std::vector<int> m_quits;
};

void TestShell::initTestCase()
{
    s_nextHandler = qInstallMessageHandler(quietOffscreen);
    fw::setQuitHook([this](int code) { m_quits.push_back(code); });
    fw::setMsgBoxHook([](const std::string &) {});
}

void TestShell::init()
{
    m_quits.clear();
    Module1::dirty.clear();
    m_program = std::make_unique<shell::Program>();
}

void TestShell::cleanup()
{
    fw::setPrinterDialogHook({});
    m_program.reset();
    QVERIFY(!fw::existingWindow(ControlWnd::kClassName));
}

// Fires the start-up timer now rather than after the full delay.
void TestShell::endSplash()
{
    fw::Timer *timer = existing<InvisibleWnd>()->timer("Timer1");
    timer->setPeriod(0);
    QTRY_COMPARE(timer->mode(), int(fw::Timer::Off));
    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
}

void TestShell::bringToFront(fw::Window *window)
{
    window->Show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void TestShell::splashStandsAloneThenConverterWindow()
{
    QVERIFY(shown(AboutWnd::kClassName));
    QVERIFY(!shown(InvisibleWnd::kClassName));
    QVERIFY(!fw::existingWindow(ControlWnd::kClassName));
    QTRY_COMPARE(frontName(), QStringLiteral("AboutWnd"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Quintaval"));
    QTRY_VERIFY(!existing<AboutWnd>()->windowIcon().isNull());

    QTest::qWait(InvisibleWnd::kSplashMilliseconds / 2);
    QVERIFY(!fw::existingWindow(ControlWnd::kClassName));
    QTRY_VERIFY_WITH_TIMEOUT(shown(ControlWnd::kClassName), InvisibleWnd::kSplashMilliseconds * 2);

    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
    QVERIFY(!shown(AboutWnd::kClassName));
    QVERIFY(!shown(InvisibleWnd::kClassName));
    QCOMPARE(existing<ControlWnd>()->Text("rawFld"), std::string());
}

void TestShell::keyOrClickBringsConverterWindow_data()
{
    QTest::addColumn<bool>("overDescription");
    QTest::addColumn<QString>("where");
    QTest::newRow("splash: letter key") << false << "key:a";
    QTest::newRow("splash: escape key") << false << "key:escape";
    QTest::newRow("splash: click on the badge") << false << "Canvas2";
    QTest::newRow("splash: click on the notice") << false << "StaticText5";
    QTest::newRow("splash: click on the background") << false << "content";
    QTest::newRow("over Description: key") << true << "key:a";
    QTest::newRow("over Description: click") << true << "Canvas1";
}

void TestShell::keyOrClickBringsConverterWindow()
{
    QFETCH(bool, overDescription);
    QFETCH(QString, where);
    if (overDescription) {
        endSplash();
        bringToFront(fw::implicitWindow<DescriptionWnd>());
        QVERIFY(bar().trigger("AboutMenuItem"));
    }
    auto *about = existing<AboutWnd>();
    QVERIFY(QTest::qWaitForWindowActive(about));
    if (where == QLatin1String("key:a"))
        QTest::keyClick(about, Qt::Key_A);
    else if (where == QLatin1String("key:escape"))
        QTest::keyClick(about, Qt::Key_Escape);
    else if (where == QLatin1String("content"))
        QTest::mouseClick(about->content(), Qt::LeftButton, {}, QPoint(20, 100));
    else
        QTest::mouseClick(about->control(where.toStdString()), Qt::LeftButton);

    QVERIFY(!shown(AboutWnd::kClassName));
    QVERIFY(shown(ControlWnd::kClassName));
    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
    QCOMPARE(shown(DescriptionWnd::kClassName), overDescription);
    if (overDescription)
        return;

    // The start-up timer still fires: an About box opened meanwhile goes.
    QVERIFY(bar().trigger("AboutMenuItem"));
    QVERIFY(shown(AboutWnd::kClassName));
    endSplash();
    QVERIFY(!shown(AboutWnd::kClassName));
    QCOMPARE(topLevelCount(ControlWnd::kClassName), 1);
}

void TestShell::quitShortcutDuringSplash()
{
    auto *about = existing<AboutWnd>();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(m_quits, std::vector<int>{0});
    QVERIFY(!fw::existingWindow(ControlWnd::kClassName));
}

void TestShell::enablingFollowsFrontWindow_data()
{
    QTest::addColumn<QString>("front");
    // Items: FileQuit, AboutVex, ControlMenuItem, DescriptionMenuItem,
    // AboutMenuItem, Print.
    QTest::addColumn<QString>("expected");
    QTest::newRow("splash box") << "splash" << "YYNNNN";
    QTest::newRow("no window") << "none" << "YYNNNN";
    QTest::newRow("converter window") << "ControlWnd" << "YYNYYN";
    QTest::newRow("Description window") << "DescriptionWnd" << "YYYNYY";
    QTest::newRow("About box over the converter") << "AboutWnd" << "YYNNNN";
}

void TestShell::enablingFollowsFrontWindow()
{
    QFETCH(QString, front);
    QFETCH(QString, expected);
    if (front == QLatin1String("none")) {
        existing<AboutWnd>()->Hide();
        QTRY_VERIFY(!QApplication::activeWindow());
    } else if (front != QLatin1String("splash")) {
        endSplash();
        if (front == QLatin1String("DescriptionWnd"))
            bringToFront(fw::implicitWindow<DescriptionWnd>());
        else if (front == QLatin1String("AboutWnd"))
            bringToFront(fw::implicitWindow<AboutWnd>());
    }
    if (front != QLatin1String("none"))
        QTRY_COMPARE(frontName(), front == QLatin1String("splash") ? QStringLiteral("AboutWnd") : front);

    bar().runEnablingPass();
    const char *items[] = {"FileQuit", "AboutVex", "ControlMenuItem", "DescriptionMenuItem",
                           "AboutMenuItem", "Print"};
    QString actual;
    for (const char *item : items)
        actual += bar().enabled(item) ? QLatin1Char('Y') : QLatin1Char('N');
    QCOMPARE(actual, expected);
}

void TestShell::commandRouting_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("frontAfter");
    QTest::addColumn<bool>("descriptionShown");
    QTest::newRow("converter: Description")
        << "ControlWnd" << "DescriptionMenuItem" << "DescriptionWnd" << true;
    QTest::newRow("converter: About, both handlers")
        << "ControlWnd" << "AboutVex" << "AboutWnd" << false;
    QTest::newRow("converter: Window > About, the application's")
        << "ControlWnd" << "AboutMenuItem" << "AboutWnd" << false;
    QTest::newRow("Description: Control keeps it open")
        << "DescriptionWnd" << "ControlMenuItem" << "ControlWnd" << true;
    QTest::newRow("Description: Window > About, both handlers")
        << "DescriptionWnd" << "AboutMenuItem" << "AboutWnd" << true;
    QTest::newRow("Description: About, the application's")
        << "DescriptionWnd" << "AboutVex" << "AboutWnd" << true;
}

void TestShell::commandRouting()
{
    QFETCH(QString, from);
    QFETCH(QString, item);
    QFETCH(QString, frontAfter);
    QFETCH(bool, descriptionShown);
    endSplash();
    if (from == QLatin1String("DescriptionWnd"))
        bringToFront(fw::implicitWindow<DescriptionWnd>());
    QTRY_COMPARE(frontName(), from);

    QVERIFY(bar().trigger(item.toStdString()));
    QTRY_COMPARE(frontName(), frontAfter);
    QCOMPARE(shown(DescriptionWnd::kClassName), descriptionShown);
    QCOMPARE(topLevelCount(AboutWnd::kClassName), 1);
    QCOMPARE(topLevelCount(DescriptionWnd::kClassName), descriptionShown ? 1 : 0);
}

// Activation, not the About box, ends the results: the next key no longer
// empties them.
void TestShell::activationResetsDirty()
{
    endSplash();
    auto *converter = existing<ControlWnd>();
    QTest::keyClicks(converter->control("tFld"), "99");
    QTest::mouseClick(converter->control("CalculateBtn"), Qt::LeftButton);
    QCOMPARE(Module1::dirty, std::string("yes"));
    QVERIFY(bar().trigger("AboutVex"));
    QTRY_COMPARE(frontName(), QStringLiteral("AboutWnd"));
    QCOMPARE(Module1::dirty, std::string("yes"));
    bringToFront(converter);
    QVERIFY(!shown(AboutWnd::kClassName));
    QCOMPARE(converter->Text("tFld"), std::string("99"));
    QCOMPARE(Module1::dirty, std::string("no"));
}

// Opened by the information icon, brought forward by it again, closed and
// opened afresh: Open runs once per instance, edits live as long as it.
void TestShell::descriptionLifecycle()
{
    endSplash();
    auto *converter = existing<ControlWnd>();
    QTest::mouseClick(converter->control("Canvas2"), Qt::LeftButton);
    auto *description = existing<DescriptionWnd>();
    QVERIFY(QTest::qWaitForWindowActive(description));
    fw::TextArea *area = description->textArea("DescribeFld2");
    QCOMPARE(QApplication::focusWidget(), area);
    QTextCursor cursor(area->document());
    for (int at = 1; at <= 31; ++at) {
        cursor.setPosition(at);
        QCOMPARE(cursor.charFormat().fontWeight() >= QFont::Bold, at <= 29);
    }
    QVERIFY(!area->document()->isUndoAvailable());
    QTest::keyClick(area, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(area, " Edited.");
    const std::string edited = shell::descriptionText() + " Edited.";

    bringToFront(converter);
    QTest::mouseClick(converter->control("Canvas2"), Qt::LeftButton);
    QTRY_COMPARE(frontName(), QStringLiteral("DescriptionWnd"));
    QCOMPARE(topLevelCount(DescriptionWnd::kClassName), 1);
    QCOMPARE(description->Text("DescribeFld2"), edited);
    QCOMPARE(area->SelLength(), 0);

    description->close();
    QVERIFY(!fw::existingWindow(DescriptionWnd::kClassName)); // forgotten at once, not when deleted
    QVERIFY(m_quits.empty());
    QTRY_COMPARE(topLevelCount(DescriptionWnd::kClassName), 0);
    bringToFront(converter);
    QVERIFY(bar().trigger("DescriptionMenuItem"));
    auto *fresh = existing<DescriptionWnd>();
    QVERIFY(fresh);
    QCOMPARE(fresh->Text("DescribeFld2"), shell::descriptionText());
    QCOMPARE(fresh->textArea("DescribeFld2")->SelLength(), 29);
    QVERIFY(fresh->textArea("DescribeFld2")->SelBold());
}

// Each row of the table lays out as one line in the window's first size.
void TestShell::tableStaysAlignedInField()
{
    endSplash();
    auto *description = fw::implicitWindow<DescriptionWnd>();
    const fw::TextArea *area = description->textArea("DescribeFld2");
    QVERIFY(QFontInfo(area->font()).fixedPitch());
    int tableLines = 0;
    for (QTextBlock block = area->document()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        if (!line.startsWith(QLatin1String("++++")) && !line.contains(QLatin1String("   ")))
            continue;
        ++tableLines;
        QVERIFY2(block.layout()->lineCount() == 1, qPrintable(line));
    }
    QCOMPARE(tableLines, 9);
}

void TestShell::closingConverterWindowQuits()
{
    endSplash();
    fw::implicitWindow<DescriptionWnd>();
    fw::implicitWindow<AboutWnd>()->close();
    QVERIFY(m_quits.empty());
    existing<ControlWnd>()->close();
    QCOMPARE(m_quits, std::vector<int>{0});
}

void TestShell::printing_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("addedLines");
    QTest::addColumn<int>("minPages");
    QTest::newRow("the description") << false << 0 << 1;
    QTest::newRow("edited to several pages") << false << 240 << 4;
    QTest::newRow("dialog cancelled") << true << 240 << 0;
}

// Every line of the field, edits included, in order on as many pages as
// it takes; wrapped lines read the same once white space is made one.
void TestShell::printing()
{
    QFETCH(bool, cancel);
    QFETCH(int, addedLines);
    QFETCH(int, minPages);
    if (!cancel && QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("description.pdf"));
    fw::setPrinterDialogHook([pdf, cancel]() -> std::unique_ptr<QPrinter> {
        if (cancel)
            return nullptr;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    endSplash();
    auto *description = fw::implicitWindow<DescriptionWnd>();
    QVERIFY(QTest::qWaitForWindowActive(description));
    std::string text = description->Text("DescribeFld2");
    for (int i = 1; i <= addedLines; ++i)
        text += "\rAdded line " + std::to_string(i) + " of the edited text.";
    description->SetText("DescribeFld2", text);

    QVERIFY(bar().trigger("Print"));
    QCOMPARE(description->Text("DescribeFld2"), text);
    if (cancel) {
        QVERIFY(!QFile::exists(pdf));
        return;
    }
    const std::optional<QString> printed = pdfText(pdf);
    QVERIFY(printed);
    QVERIFY(printed->count(QLatin1Char('\f')) >= minPages);
    const QString words = printed->simplified();
    qsizetype from = 0;
    for (const QString &line : QString::fromStdString(text).split(QLatin1Char('\r'))) {
        if (line.trimmed().isEmpty())
            continue;
        const qsizetype at = words.indexOf(line.simplified(), from);
        QVERIFY2(at >= 0, qPrintable(line));
        from = at + 1;
    }
}

QTEST_MAIN(TestShell)
#include "tst_gui_shell.moc"
