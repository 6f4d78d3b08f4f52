// The application shell driven as the user drives it: start-up and the
// splash box, the menus and their routing, the converter window's own
// events, and the Description window with its printing.
#include "battery_window/battery_wnd.h"
#include "converter_window/control_wnd.h"
#include "converter_window/module1.h"
#include "framework/message_box.h"
#include "framework/text_area.h"
#include "report_window/report_wnd.h"
#include "shell/about_wnd.h"
#include "shell/description_text.h"
#include "shell/description_wnd.h"
#include "shell/menu.h"
#include "shell/program.h"
#include "tests/program_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTranslator>

#include <sys/stat.h>
#include <unistd.h>

using shell::AboutWnd;
using shell::DescriptionWnd;
using shell::InvisibleWnd;

namespace {

bool shown(const char *className)
{
    const fw::Window *window = fw::existingWindow(className);
    return window && window->isVisible();
}

int topLevelCount(const char *className)
{
    int count = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == QLatin1String(className);
    return count;
}

// The menus as the user meets them on Linux, in order: each menu of the bar,
// then its items. Enabled: with the splash box, no window, the converter
// window, the Description window, an About box over the converter window,
// the Score Report and the Battery Sheet (empty, its scores table focused)
// in front, the Edit items for an empty clipboard.
struct MenuRow {
    const char *name;
    const char *menu; // nullptr: a menu of the bar
    const char *caption;
    const char *shortcut;
    const char *enabled;
};

const MenuRow kMenus[] = {
    {"UntitledMenu2", nullptr, "File", "", "YYYYYYY"},
    {"FileNew", "UntitledMenu2", "&New", "Ctrl+N", "NNNNNNY"},
    {"FileOpen", "UntitledMenu2", "&Open\u2026", "Ctrl+O", "NNNNNNY"},
    {"FileSave", "UntitledMenu2", "&Save", "Ctrl+S", "NNNNNNY"},
    {"FileSaveAs", "UntitledMenu2", "Save &As\u2026", "Ctrl+Shift+S", "NNNNNNY"},
    {"LoadCorrelationsAction", "UntitledMenu2", "&Load Correlations\u2026", "", "NNNNNNY"},
    {"FileSeparator1", "UntitledMenu2", "", "", "NNNNNNN"},
    {"Print", "UntitledMenu2", "&Print\u2026", "Ctrl+P", "NNNYNNY"},
    {"ExportPdfItem", "UntitledMenu2", "&Export PDF\u2026", "", "NNNNNNY"},
    {"ExportDocumentItem", "UntitledMenu2", "Export &Document\u2026", "Ctrl+Shift+E", "NNNNNNY"},
    {"FileSeparator2", "UntitledMenu2", "", "", "NNNNNNN"},
    {"RecentFile1", "UntitledMenu2", "", "", "NNNNNNN"}, // named by the Battery Sheet
    {"RecentFile2", "UntitledMenu2", "", "", "NNNNNNN"},
    {"RecentFile3", "UntitledMenu2", "", "", "NNNNNNN"},
    {"RecentFile4", "UntitledMenu2", "", "", "NNNNNNN"},
    {"RecentFile5", "UntitledMenu2", "", "", "NNNNNNN"},
    {"FileSeparator3", "UntitledMenu2", "", "", "NNNNNNN"},
    {"FileClose", "UntitledMenu2", "&Close", "Ctrl+W", "NNNNNYY"},
    {"FileQuit", "UntitledMenu2", "&Quit", "Ctrl+Q", "YYYYYYY"},
    {"UntitledMenu0", nullptr, "Edit", "", "YYYYYYY"},
    {"EditUndo", "UntitledMenu0", "&Undo", "Ctrl+Z", "NNNNNNN"},
    {"EditRedo", "UntitledMenu0", "&Redo", "Ctrl+Shift+Z", "NNNNNNN"},
    {"UntitledMenu1", "UntitledMenu0", "", "", "NNNNNNN"}, // a separator
    {"EditCut", "UntitledMenu0", "Cu&t", "Ctrl+X", "NNNYNNY"},
    {"EditCopy", "UntitledMenu0", "&Copy", "Ctrl+C", "NNNYNNY"},
    {"EditPaste", "UntitledMenu0", "&Paste", "Ctrl+V", "NNNNNNN"},
    {"EditClear", "UntitledMenu0", "Cle&ar", "", "NNNYNNN"},
    {"EditSeparator2", "UntitledMenu0", "", "", "NNNNNNN"},
    {"InsertRowAction", "UntitledMenu0", "&Insert Row", "Ins", "NNNNNNY"},
    {"DeleteRowAction", "UntitledMenu0", "&Delete Row", "Ctrl+-", "NNNNNNN"},
    {"MoveRowUpAction", "UntitledMenu0", "&Move Row Up", "Ctrl+Up", "NNNNNNN"},
    {"MoveRowDownAction", "UntitledMenu0", "Move Row Do&wn", "Ctrl+Down", "NNNNNNN"},
    {"EditSeparator3", "UntitledMenu0", "", "", "NNNNNNN"},
    {"EditCorrelationsAction", "UntitledMenu0", "Edit C&orrelations\u2026", "", "NNNNNNY"},
    {"ViewMenu", nullptr, "View", "", "YYYYYYY"},
    {"ShowSampleColumnsAction", "ViewMenu", "&Study and Control Columns", "", "NNNNNNY"},
    {"ReportMenu", nullptr, "Report", "", "YYYYYYY"},
    {"CopyTableAction", "ReportMenu", "Copy &Table", "Ctrl+Shift+C", "NNNNNNY"},
    {"CopySentenceAction", "ReportMenu", "Copy &Sentence", "", "NNNNNNN"},
    {"SavePictureAction", "ReportMenu", "Save &Picture\u2026", "", "NNNNNNY"},
    {"PrintReportAction", "ReportMenu", "P&rint Report\u2026", "", "NNNNNNY"},
    {"WindowMenu", nullptr, "Window", "", "YYYYYYY"},
    {"ControlMenuItem", "WindowMenu", "&Control", "", "NNNYNYY"},
    {"DescriptionMenuItem", "WindowMenu", "&Description", "", "NNYNNYY"},
    {"AboutMenuItem", "WindowMenu", "&About Quintaval", "", "NNYYNYY"},
    {"ReportMenuItem", "WindowMenu", "&Score Report", "Ctrl+R", "NNYYNNN"},
    {"BatteryMenuItem", "WindowMenu", "&Battery Sheet", "Ctrl+B", "NNYYNYN"},
    {"HelpMenu", nullptr, "Help", "", "YYYYYYY"},
    {"AboutVex", "HelpMenu", "&About Quintaval", "", "YYYYYYY"},
};

const char *const kFronts[] = {"splash", "none", "ControlWnd", "DescriptionWnd", "AboutWnd",
                               "ReportWnd", "BatteryWnd"};

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
    void menusAsShown();
    void enablingFollowsFrontWindow_data();
    void enablingFollowsFrontWindow();
    void menuMnemonicsAreUnique_data();
    void menuMnemonicsAreUnique();
    void menusOpenFromTheKeyboard_data();
    void menusOpenFromTheKeyboard();
    void menuShortcutsAreNotTyping_data();
    void menuShortcutsAreNotTyping();
    void commandLineAnswersWithoutAWindow_data();
    void commandLineAnswersWithoutAWindow();
    void batteryReportWithoutADisplay_data();
    void batteryReportWithoutADisplay();
    void batteryReportNeverWritesOverWhatItReads_data();
    void batteryReportNeverWritesOverWhatItReads();
    void batteryReportOptions_data();
    void batteryReportOptions();
    void batteryReportCutShortLeavesNothing();
    void commandRouting_data();
    void commandRouting();
    void activationResetsDirty();
    void descriptionLifecycle();
    void tableStaysAlignedInField();
    void closingConverterWindowQuits();
    void printing_data();
    void printing();

private:
    std::unique_ptr<shell::Program> m_program;
    QElapsedTimer m_sinceStart;
    std::vector<int> m_quits;
};

void TestShell::initTestCase()
{
    quietOffscreen();
    QStandardPaths::setTestModeEnabled(true); // the windows' settings stay away from the user's
    fw::setQuitHook([this](int code) { m_quits.push_back(code); });
    fw::setMsgBoxHook([](const std::string &) {});
}

void TestShell::init()
{
    m_quits.clear();
    Module1::dirty.clear();
    m_sinceStart.start();
    m_program = std::make_unique<shell::Program>();
    QSettings().clear(); // no recent files, no remembered choices
}

void TestShell::cleanup()
{
    fw::setPrinterDialogHook({});
    m_program.reset();
    QVERIFY(!fw::existingWindow(ControlWnd::kClassName));
}

// The splash box, its pictures named, stands for 1.5 seconds; the converter
// window then takes the keys at once, without a click in a field.
void TestShell::splashStandsAloneThenConverterWindow()
{
    QVERIFY(shown(AboutWnd::kClassName));
    QVERIFY(!shown(InvisibleWnd::kClassName));
    QVERIFY(!fw::existingWindow(ControlWnd::kClassName));
    QTRY_COMPARE(frontName(), QStringLiteral("AboutWnd"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Quintaval"));
    // The release the version belongs to: "1.2" of "1.2.0".
    const QString release = QStringLiteral(QUINTAVAL_VERSION).section('.', 0, 1);
    // Its words and pictures go in once it is on the screen.
    QTRY_VERIFY(QString::fromStdString(existing<AboutWnd>()->Text("StaticText5")).startsWith("Quintaval " + release + " "));
    QVERIFY(existing<AboutWnd>()->control("Canvas2")->isVisible());
    QTRY_VERIFY(!existing<AboutWnd>()->windowIcon().isNull());
    QCOMPARE(existing<InvisibleWnd>()->timer("Timer1")->period(), 1500);
    for (const auto &[control, name] : {std::pair{"Canvas1", "Quintaval"}, std::pair{"Canvas2", "Quintaval badge"}}) {
        QWidget *picture = existing<AboutWnd>()->control(control);
        QVERIFY(picture);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(iface->text(QAccessible::Name), QLatin1String(name));
        QCOMPARE(int(iface->role()), int(QAccessible::Graphic));
    }

    // A coarse timer may fire up to 5% early, never earlier; late is only
    // a busy machine.
    QTRY_VERIFY_WITH_TIMEOUT(shown(ControlWnd::kClassName), 30000);
    QVERIFY2(m_sinceStart.elapsed() >= 1425, qPrintable(QString::number(m_sinceStart.elapsed())));

    QTRY_COMPARE(frontName(), QStringLiteral("ControlWnd"));
    QVERIFY(!shown(AboutWnd::kClassName));
    QVERIFY(!shown(InvisibleWnd::kClassName));
    auto *converter = existing<ControlWnd>();
    QCOMPARE(converter->Text("rawFld"), std::string());
    QTRY_COMPARE(QApplication::focusWidget(), converter->control("rawFld"));
    for (const char key : {'1', '1', '5'})
        QTest::keyClick(converter->windowHandle(), key);
    QCOMPARE(converter->Text("rawFld"), std::string("115"));
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

// The converter window's bar, read as the user reads it: menus and items in
// order, captions with the menus' mnemonics, shortcuts.
void TestShell::menusAsShown()
{
    endSplash();
    const QMenuBar *shownBar = existing<ControlWnd>()->findChild<QMenuBar *>();
    QVERIFY(shownBar);
    QStringList expected;
    QStringList actual;
    for (const MenuRow &row : kMenus) {
        expected << QStringLiteral("%1 %2 \"%3\" %4")
                        .arg(QLatin1String(row.menu ? row.menu : "bar"), QLatin1String(row.name),
                             QString::fromUtf8(row.caption), QLatin1String(row.shortcut));
    }
    for (const QAction *title : shownBar->actions()) {
        const QMenu *menu = title->menu();
        QVERIFY(menu);
        QVERIFY2(menu->title() == QLatin1Char('&') + title->iconText(), qPrintable(menu->title()));
        actual << QStringLiteral("bar %1 \"%2\" ").arg(menu->objectName(), title->iconText());
        for (const QAction *item : menu->actions())
            actual << QStringLiteral("%1 %2 \"%3\" %4")
                          .arg(menu->objectName(), item->objectName(), item->text(),
                               item->shortcut().toString(QKeySequence::PortableText));
    }
    QCOMPARE(actual, expected);
}

void TestShell::enablingFollowsFrontWindow_data()
{
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("expected"); // Y or N, item by item of kMenus
    for (std::size_t i = 0; i < std::size(kFronts); ++i) {
        QString expected;
        for (const MenuRow &row : kMenus)
            expected += QLatin1Char(row.enabled[i]);
        QTest::newRow(kFronts[i]) << kFronts[i] << expected;
    }
}

void TestShell::enablingFollowsFrontWindow()
{
    QFETCH(QString, front);
    QFETCH(QString, expected);
    QGuiApplication::clipboard()->clear();
    if (front == QLatin1String("none")) {
        existing<AboutWnd>()->Hide();
        QTRY_VERIFY(!QApplication::activeWindow());
    } else if (front != QLatin1String("splash")) {
        endSplash();
        if (front == QLatin1String("DescriptionWnd"))
            bringToFront(fw::implicitWindow<DescriptionWnd>());
        else if (front == QLatin1String("AboutWnd"))
            bringToFront(fw::implicitWindow<AboutWnd>());
        else if (front == QLatin1String("ReportWnd"))
            bringToFront(fw::implicitWindow<report::ReportWnd>());
        else if (front == QLatin1String("BatteryWnd"))
            bringToFront(fw::implicitWindow<battery::BatteryWnd>());
    }
    if (front != QLatin1String("none"))
        QTRY_COMPARE(frontName(), front == QLatin1String("splash") ? QStringLiteral("AboutWnd") : front);

    bar().runEnablingPass();
    QString actual;
    for (const MenuRow &row : kMenus) {
        const fw::MenuItem *item = bar().find(row.name);
        // The Help menu is the framework's own, and always opens.
        actual += !item || item->Enabled() ? QLatin1Char('Y') : QLatin1Char('N');
    }
    QCOMPARE(actual, expected);
}

void TestShell::menuMnemonicsAreUnique_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral(":/i18n/quintaval_de.qm");
}

// Alt and a letter reaches one menu of the bar, and within an open menu one
// item: two that share a letter only take turns being highlighted.
void TestShell::menuMnemonicsAreUnique()
{
    QFETCH(QString, catalogue);
    QTranslator german;
    if (!catalogue.isEmpty()) {
        QVERIFY(german.load(catalogue));
        QCoreApplication::installTranslator(&german);
    }
    const shell::Menu menu; // captions are translated as it is built
    const std::unique_ptr<QMenuBar> shownBar(const_cast<shell::Menu &>(menu).present());
    QCoreApplication::removeTranslator(&german);

    auto clashes = [](const QList<QAction *> &actions) {
        QStringList problems;
        QMap<QString, QString> taken;
        for (const QAction *action : actions) {
            if (!action->isVisible() || action->isSeparator() || action->text().isEmpty())
                continue;
            const QString key = QKeySequence::mnemonic(action->text()).toString();
            if (key.isEmpty())
                problems << QStringLiteral("no mnemonic: ") + action->text();
            else if (taken.contains(key))
                problems << QStringLiteral("%1 and %2 share %3").arg(taken[key], action->text(), key);
            else
                taken[key] = action->text();
        }
        return problems;
    };
    QStringList problems = clashes(shownBar->actions());
    for (const QAction *title : shownBar->actions())
        problems << clashes(title->menu()->actions());
    QVERIFY2(shownBar->actions().size() >= 4, "the bar has its menus");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}

void TestShell::menusOpenFromTheKeyboard_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("opened");
    QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "UntitledMenu2";
    for (const MenuRow &row : kMenus) {
        if (row.menu)
            continue;
        // The first letter of the caption.
        const int letter = Qt::Key_A + (QChar(QLatin1Char(row.caption[0])).toUpper().unicode() - 'A');
        QTest::newRow(qPrintable(QStringLiteral("Alt+") + QLatin1Char(row.caption[0])))
            << letter << int(Qt::AltModifier) << row.name;
    }
}

// With the focus in a field: the key opens the menu and types nothing.
void TestShell::menusOpenFromTheKeyboard()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, opened);
    endSplash();
    auto *converter = existing<ControlWnd>();
    converter->SetFocus("rawFld");
    QTRY_COMPARE(QApplication::focusWidget(), converter->control("rawFld"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(QApplication::activePopupWidget());
    QCOMPARE(QApplication::activePopupWidget()->objectName(), opened);
    // On its first item that can be chosen, F10 as Alt and a letter do.
    const auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QAction *first = nullptr;
    for (const QAction *action : menu->actions())
        if (!first && action->isVisible() && action->isEnabled() && !action->isSeparator())
            first = action;
    QCOMPARE(menu->activeAction(), first);
    QCOMPARE(converter->Text("rawFld"), std::string());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

void TestShell::menuShortcutsAreNotTyping_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("quits");
    QTest::newRow("Print, disabled here") << int(Qt::Key_P) << 0;
    QTest::newRow("Quit") << int(Qt::Key_Q) << 1;
    QTest::newRow("Copy, nothing selected") << int(Qt::Key_C) << 0;
}

// After a calculation, in the raw field, where any typed key empties the
// results: a menu item's shortcut runs its command, if it is available,
// and is not typed.
void TestShell::menuShortcutsAreNotTyping()
{
    QFETCH(int, key);
    QFETCH(int, quits);
    endSplash();
    auto *converter = existing<ControlWnd>();
    QTest::keyClicks(converter->control("tFld"), "60");
    QTest::mouseClick(converter->control("CalculateBtn"), Qt::LeftButton);
    QCOMPARE(converter->Text("zFld"), std::string("+1.0"));
    converter->SetFocus("rawFld");
    QTRY_COMPARE(QApplication::focusWidget(), converter->control("rawFld"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(converter->Text("zFld"), std::string("+1.0"));
    QCOMPARE(int(m_quits.size()), quits);
}

void TestShell::commandLineAnswersWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display"); // DISPLAY, when set
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // the start of standard output
    QTest::addColumn<QString>("error"); // found in standard error
    QTest::newRow("--help") << QStringList{"--help"} << "" << 0 << "Usage: quintaval [options]" << "";
    // The project's version, as CMake gives it to every part that reports it.
    QTest::newRow("--version") << QStringList{"--version"} << "" << 0 << "quintaval (Quintaval) " QUINTAVAL_VERSION "\n"
                               << "";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << "" << 2 << "" << "frobnicate";
    QTest::newRow("unknown short option") << QStringList{"-x"} << "" << 2 << "" << "'x'";
    QTest::newRow("an argument") << QStringList{"scores.csv"} << "" << 2 << "" << "scores.csv";
    QTest::newRow("no graphical session") << QStringList{} << "" << 1 << "" << "needs a graphical session";
    QTest::newRow("a display nobody serves") << QStringList{} << ":4711" << 1 << "" << "needs a graphical session";
}

// No display at all: a window would fail to open. Starting without one
// says so in one line, without a core dump.
void TestShell::commandLineAnswersWithoutAWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    if (!display.isEmpty())
        environment.insert("DISPLAY", display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUINTAVAL_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString stdOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(error.isEmpty() ? stdErr.isEmpty() : stdErr.contains(error), qPrintable(stdErr));
    if (status == 1)
        QCOMPARE(stdErr.count('\n'), 1);
}

void TestShell::batteryReportWithoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments"); // FILE, BAD and OUT stand for files of the test
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");         // found in standard error; empty: none at all
    QTest::newRow("written") << QStringList{"--battery", "FILE", "--pdf", "OUT"} << 0 << "";
    QTest::newRow("a file that is not there")
        << QStringList{"--battery", "missing.csv", "--pdf", "OUT"} << 1 << "quintaval: missing.csv could not be opened";
    QTest::newRow("a line that cannot be read")
        << QStringList{"--battery", "BAD", "--pdf", "OUT"} << 1 << "quintaval: bad.csv, line 3: the line has 2 cells";
    QTest::newRow("nowhere to write")
        << QStringList{"--battery", "FILE", "--pdf", "no/such/folder/out.pdf"} << 1 << "out.pdf could not be written";
    QTest::newRow("--pdf without --battery") << QStringList{"--pdf", "OUT"} << 2 << "--pdf needs --battery FILE";
    QTest::newRow("--battery without a file") << QStringList{"--battery"} << 2 << "--battery";
    QTest::newRow("a document written") << QStringList{"--battery", "FILE", "--odt", "OUT", "--metric", "t"} << 0 << "";
    QTest::newRow("a document not over the battery")
        << QStringList{"--battery", "FILE", "--odt", "FILE"} << 2 << "Give the document another name";
    QTest::newRow("a document nowhere to write")
        << QStringList{"--battery", "FILE", "--odt", "no/such/folder/out.odt"} << 1 << "out.odt could not be written";
    QTest::newRow("--odt without --battery") << QStringList{"--odt", "OUT"} << 2 << "--odt needs --battery FILE";
    QTest::newRow("--odt and --pdf") << QStringList{"--battery", "FILE", "--odt", "OUT", "--pdf", "OUT"} << 2
                                     << "--pdf and --odt cannot be given together";
}

// One report per person from a script: no display at all, exit status 0,
// 1 or 2, a line on standard error when it fails; --help says how.
void TestShell::batteryReportWithoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("battery.csv"));
    const QString bad = dir.filePath(QStringLiteral("bad.csv"));
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    for (const auto &[path, text] : {std::pair{file, QByteArray("name,scale,score,reliability\nA,wechsler,110,.9\n"
                                                                "B,t,40,.88\nC,scaled,12,.85\n")},
                                     std::pair{bad, QByteArray("name,scale,score\nA,z,1\nB,z\n")}}) {
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(text) == text.size());
    }
    for (QString &argument : arguments)
        argument = argument == QLatin1String("FILE") ? file
            : argument == QLatin1String("BAD")       ? bad
            : argument == QLatin1String("OUT")       ? out
                                                     : argument;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    // Its own settings and run-time folder, not the user's.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(QUINTAVAL_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));
    const QString stdErr = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), status);
    QVERIFY2(error.isEmpty() ? stdErr.isEmpty() : stdErr.contains(error), qPrintable(stdErr));
    QFile pdf(out);
    QCOMPARE(pdf.exists(), status == 0);
    if (status == 0) {
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        // An OpenDocument text is a zip whose first member names its kind.
        if (arguments.contains(QStringLiteral("--odt")))
            QVERIFY(pdf.readAll().contains("mimetypeapplication/vnd.oasis.opendocument.text"));
        else
            QVERIFY(pdf.read(5) == "%PDF-");
    }

    QProcess help;
    help.setProcessEnvironment(environment);
    help.start(QStringLiteral(QUINTAVAL_PROGRAM), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(60000));
    const QString said = QString::fromLocal8Bit(help.readAllStandardOutput());
    for (const char *part : {"--battery <FILE>", "--pdf <OUT>", "--odt <OUT>", "quintaval --battery FILE --pdf OUT.pdf", "--person <NAME>",
                             "--metric <M>", "--alpha <A>", "--bonferroni", "--confidence <C>", "--ci-method <M>",
                             "--descriptors <D>", "--correlations <FILE>", "--change-method <M>", "--pairs-correction <C>",
                             "--low-cutoff <P>"})
        QVERIFY2(said.contains(QLatin1String(part)), part);
}

namespace {

// A headless report run in `dir`, with its own settings (written as
// `settings`, the .conf file's text) and no display.
struct Headless {
    int status = -1;
    QString errors;
};

Headless runHeadless(const QTemporaryDir &dir, const QStringList &arguments, const QByteArray &settings = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    QDir(dir.path()).mkpath(QStringLiteral("config/Quintaval"));
    QFile conf(dir.filePath(QStringLiteral("config/Quintaval/Quintaval.conf")));
    if (conf.open(QIODevice::WriteOnly))
        conf.write(settings);
    conf.close();
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(QUINTAVAL_PROGRAM), arguments);
    Headless run;
    if (program.waitForFinished(60000) && program.exitStatus() == QProcess::NormalExit)
        run.status = program.exitCode();
    run.errors = QString::fromLocal8Bit(program.readAllStandardError());
    return run;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whatever a run leaves beside its output that is not one of the test's files.
QStringList leftBehind(const QTemporaryDir &dir)
{
    QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeIf([](const QString &name) { return !name.startsWith(QLatin1Char('.')); });
    return names;
}

const QByteArray kTwoPeople = "person,name,scale,score,reliability,group\n"
                              "Ada,Vocabulary,scaled,13,.90,Verbal\n"
                              "Ada,Similarities,scaled,12,.86,Verbal\n"
                              "Ada,Block Design,scaled,7,.86,Perceptual\n"
                              "Ben,Vocabulary,scaled,10,.90,Verbal\n"
                              "Ben,Block Design,t,44,.86,Perceptual\n";
const QByteArray kCorrelations = "name,Vocabulary,Similarities,Block Design\nVocabulary,1\nSimilarities,.74,1\n"
                                 "Block Design,.45,.48,1\n";
const QByteArray kDescriptors = "z_from,label\n-inf,Low\n0,High\n";

} // namespace

void TestShell::batteryReportNeverWritesOverWhatItReads_data()
{
    QTest::addColumn<QString>("out");      // in the test's folder; "link:X" a symbolic link to X, "hard:X" a hard link
    QTest::addColumn<QStringList>("more"); // more arguments
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    const QByteArray storedCorrelations = "[battery]\ncorrelations=CORR\n";
    const QByteArray storedDescriptors = "[report]\ndescriptors=custom\ndescriptorFile=DESC\n";
    QTest::newRow("the battery file") << "battery.csv" << QStringList() << QByteArray() << 2
                                      << "battery.csv is the battery file being printed";
    QTest::newRow("a symbolic link to it") << "link:battery.csv" << QStringList() << QByteArray() << 2
                                           << "out.pdf is the battery file being printed";
    QTest::newRow("a hard link to it") << "hard:battery.csv" << QStringList() << QByteArray() << 2
                                       << "out.pdf is the battery file being printed";
    QTest::newRow("--correlations") << "correlations.csv" << QStringList{"--correlations", "correlations.csv"}
                                    << QByteArray() << 2 << "is the correlation file the report uses";
    QTest::newRow("the stored correlation file, linked") << "link:correlations.csv" << QStringList() << storedCorrelations
                                                         << 2 << "is the correlation file the report uses";
    QTest::newRow("--descriptors") << "hard:descriptors.csv" << QStringList{"--descriptors", "descriptors.csv"}
                                   << QByteArray() << 2 << "is the descriptor file the report uses";
    QTest::newRow("the stored descriptor file") << "descriptors.csv" << QStringList() << storedDescriptors << 2
                                                << "is the descriptor file the report uses";
    QTest::newRow("a full device") << "/dev/full" << QStringList() << QByteArray() << 1
                                   << "full could not be written: No space left on device";
    QTest::newRow("a folder") << "folder" << QStringList() << QByteArray() << 1 << "folder could not be written";
    QTest::newRow("a pipe, as a stream") << "fifo" << QStringList() << QByteArray() << 0 << "";
    QTest::newRow("a device, as a stream") << "/dev/null" << QStringList() << QByteArray() << 0 << "";
}

// --pdf is refused (2) before anything is written when it would replace a
// file the report is made from, by any name; a device or a pipe is written
// as a stream and never replaced; a failed write says why (1); nothing is
// left behind.
void TestShell::batteryReportNeverWritesOverWhatItReads()
{
    QFETCH(QString, out);
    QFETCH(QStringList, more);
    QFETCH(QByteArray, settings);
    QFETCH(int, status);
    QFETCH(QString, error);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("battery.csv"), kTwoPeople));
    QVERIFY(writeFile(dir.filePath("correlations.csv"), kCorrelations));
    QVERIFY(writeFile(dir.filePath("descriptors.csv"), kDescriptors));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
    settings.replace("CORR", QFile::encodeName(dir.filePath("correlations.csv")));
    settings.replace("DESC", QFile::encodeName(dir.filePath("descriptors.csv")));
    QString target = out;
    if (out.startsWith("link:")) {
        target = dir.filePath("out.pdf");
        QVERIFY(QFile::link(out.mid(5), target));
    } else if (out.startsWith("hard:")) {
        target = dir.filePath("out.pdf");
        QVERIFY(::link(QFile::encodeName(dir.filePath(out.mid(5))).constData(), QFile::encodeName(target).constData()) == 0);
    } else if (!out.startsWith('/')) {
        target = dir.filePath(out);
    }
    const QString read = dir.filePath(out.mid(out.indexOf(':') + 1)); // the file the run reads, when it is one
    const QByteArray before = QFileInfo(read).isFile() ? contents(read) : QByteArray();

    // A pipe's reader, as a shell's `| lpr` would be.
    QProcess reader;
    if (out == "fifo") {
        reader.start("cat", {target});
        QVERIFY(reader.waitForStarted());
    }
    const Headless run = runHeadless(dir, QStringList{"--battery", "battery.csv", "--pdf", target} + more, settings);
    QCOMPARE(run.status, status);
    QVERIFY2(error.isEmpty() ? run.errors.isEmpty() : run.errors.contains(error), qPrintable(run.errors));
    if (status == 2)
        QCOMPARE(contents(read), before);
    if (out == "fifo") {
        QVERIFY(reader.waitForFinished(60000));
        QVERIFY(reader.readAllStandardOutput().startsWith("%PDF-"));
    }
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &after), 0);
    if (out == "fifo")
        QVERIFY(S_ISFIFO(after.st_mode));
    else if (out.startsWith("/dev/"))
        QVERIFY(S_ISCHR(after.st_mode));
    else if (out == "folder")
        QVERIFY(S_ISDIR(after.st_mode));
    QCOMPARE(leftBehind(dir), QStringList());
}

void TestShell::batteryReportOptions_data()
{
    QTest::addColumn<QStringList>("arguments"); // after --battery battery.csv --pdf out.pdf
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QStringList>("printed"); // each found in the PDF's text
    QTest::addColumn<QStringList>("notPrinted");
    QTest::newRow("every person, each with their own pages")
        << QStringList() << QByteArray() << 0 << "" << QStringList{"Name or code: Ada", "Name or code: Ben",
                                                                     "no set: Not worked out: a correlation is not known."}
        << QStringList{"page 3 of"}; // two pages each, counted for each person
    QTest::newRow("--person") << QStringList{"--person", "Ben"} << QByteArray() << 0 << ""
                              << QStringList{"Name or code: Ben"} << QStringList{"Ada"};
    QTest::newRow("--person not in the file") << QStringList{"--person", "Cy"} << QByteArray() << 1
                                              << "battery.csv has no person named Cy" << QStringList() << QStringList();
    QTest::newRow("the options") << QStringList{"--metric", "t", "--alpha", ".01", "--confidence", "90", "--ci-method",
                                                "obtained", "--descriptors", "wechsler", "--correlations",
                                                "correlations.csv", "--bonferroni"}
                                 << QByteArray() << 0 << ""
                                 << QStringList{"T scale", "alpha .01", "Confidence intervals: 90%", "centred on the obtained score",
                                                "Bonferroni", "from correlations.csv", "Descriptors: Wechsler."}
                                 << QStringList();
    QTest::newRow("options over stored settings")
        << QStringList{"--metric", "wechsler", "--descriptors", "aacn"}
        << QByteArray("[battery]\nmetric=z\n[report]\ndescriptors=woodcock-johnson\n") << 0 << ""
        << QStringList{"Descriptors: AACN", "Wechsler IQ"} << QStringList{"Woodcock"};
    QTest::newRow("stored settings") << QStringList() << QByteArray("[report]\ndescriptors=woodcock-johnson\n") << 0
                                     << "" << QStringList{"Descriptors: Woodcock-Johnson"} << QStringList();
    QTest::newRow("a stored correlation file that is gone")
        << QStringList() << QByteArray("[battery]\ncorrelations=/nonexistent/gone.csv\n") << 1
        << "the correlation file the sheet last used: gone.csv could not be read" << QStringList() << QStringList();
    QTest::newRow("a stored descriptor file that is gone")
        << QStringList() << QByteArray("[report]\ndescriptors=custom\ndescriptorFile=/nonexistent/labels.csv\n") << 1
        << "the descriptor file the sheet last used: labels.csv could not be read" << QStringList() << QStringList();
    QTest::newRow("--metric unknown") << QStringList{"--metric", "iq"} << QByteArray() << 2
                                      << "--metric takes wechsler, t, scaled or z" << QStringList() << QStringList();
    QTest::newRow("--alpha too large") << QStringList{"--alpha", ".5"} << QByteArray() << 2
                                       << "--alpha must be a number greater than 0" << QStringList() << QStringList();
    QTest::newRow("--confidence not a number") << QStringList{"--confidence", "high"} << QByteArray() << 2
                                               << "--confidence: \"high\" is not a number" << QStringList()
                                               << QStringList();
    QTest::newRow("--ci-method unknown") << QStringList{"--ci-method", "exact"} << QByteArray() << 2
                                         << "--ci-method takes true-score or obtained" << QStringList()
                                         << QStringList();
    QTest::newRow("--change-method unknown") << QStringList{"--change-method", "rci"} << QByteArray() << 2
                                             << "--change-method takes jt, srb or cg" << QStringList() << QStringList();
    QTest::newRow("the family's options")
        << QStringList{"--pairs-correction", "HOLM", "--low-cutoff", "7,5", "--correlations", "correlations.csv"}
        << QByteArray("[battery]\npairsCorrection=bonferroni\nlowCutoff=2\n") << 0 << ""
        << QStringList{"tested as a family with Holm's correction", "percentile rank below 7.5.", "p adj."}
        << QStringList{"Bonferroni's correction", "rank below 2."};
    QTest::newRow("--pairs-correction unknown") << QStringList{"--pairs-correction", "sidak"} << QByteArray() << 2
                                                << "--pairs-correction takes none, bonferroni or holm"
                                                << QStringList() << QStringList();
    QTest::newRow("--low-cutoff out of range") << QStringList{"--low-cutoff", "50"} << QByteArray() << 2
                                               << "--low-cutoff must be a number greater than 0 and less than 50"
                                               << QStringList() << QStringList();
    QTest::newRow("--correlations unreadable") << QStringList{"--correlations", "gone.csv"} << QByteArray() << 2
                                               << "gone.csv could not be read" << QStringList() << QStringList();
}

// The report's options mean what they mean to quintaval-convert --profile,
// the stored settings are their defaults, and every person is printed.
void TestShell::batteryReportOptions()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, settings);
    QFETCH(int, status);
    QFETCH(QString, error);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, notPrinted);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("needs pdftotext (poppler-utils)");
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("battery.csv"), kTwoPeople));
    QVERIFY(writeFile(dir.filePath("correlations.csv"), kCorrelations));
    const QString out = dir.filePath("out.pdf");
    const Headless run = runHeadless(dir, QStringList{"--battery", "battery.csv", "--pdf", out} + arguments, settings);
    QCOMPARE(run.status, status);
    QVERIFY2(error.isEmpty() ? run.errors.isEmpty() : run.errors.contains(error), qPrintable(run.errors));
    QCOMPARE(QFile::exists(out), status == 0);
    if (status != 0)
        return;
    const std::optional<QString> text = pdfText(out);
    QVERIFY(text);
    // As read: ligatures undone, lines joined.
    const QString words = QString(*text)
                              .replace(QChar(0xFB01), QStringLiteral("fi"))
                              .replace(QChar(0xFB00), QStringLiteral("ff"))
                              .simplified();
    for (const QString &part : printed)
        QVERIFY2(words.contains(part), qPrintable(part + QStringLiteral(" not in: ") + words));
    for (const QString &part : notPrinted)
        QVERIFY2(!words.contains(part), qPrintable(part));
    // Each person from a new page: a page never holds two identifications.
    for (const QString &page : text->split(QLatin1Char('\f')))
        QVERIFY(page.count(QStringLiteral("Name or code:")) <= 1);
}

// A run stopped by the file-size limit part way through its PDF leaves the
// old file whole and no temporary file beside it.
void TestShell::batteryReportCutShortLeavesNothing()
{
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("battery.csv"), kTwoPeople));
    const QString out = dir.filePath("out.pdf");
    QVERIFY(writeFile(out, "the old report"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    // 8 KB: less than any report, more than the settings need.
    program.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("ulimit -f 8; exec \"$0\" \"$@\""),
                                         QStringLiteral(QUINTAVAL_PROGRAM), QStringLiteral("--battery"),
                                         QStringLiteral("battery.csv"), QStringLiteral("--pdf"), out});
    QVERIFY(program.waitForFinished(60000));
    QVERIFY(program.exitStatus() == QProcess::CrashExit || program.exitCode() != 0);
    QCOMPARE(contents(out), QByteArray("the old report"));
    QCOMPARE(leftBehind(dir), QStringList());
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
    printDialogAnswers(pdf, cancel);
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
