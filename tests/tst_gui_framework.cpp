// The window layer driven through a small window of its own.
#include "framework/application.h"
#include "framework/beep.h"
#include "framework/canvas.h"
#include "framework/edit_commands.h"
#include "framework/entry_field.h"
#include "framework/implicit_window.h"
#include "framework/menu_bar.h"
#include "framework/message_box.h"
#include "framework/picture.h"
#include "framework/printing.h"
#include "framework/styled_text_printer.h"
#include "framework/text_area.h"
#include "framework/text_routines.h"
#include "framework/timer.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <optional>

using fw::ControlKind;
using fw::ControlRecord;
using fw::MenuItem;

namespace {

const ControlRecord kControls[] = {
    {"Rectangle1", ControlKind::Rectangle, 50, 85, 430, 75},
    {"aFld", ControlKind::EntryField, 70, 105, 80, 22, "", {}, fw::Align::Center, {}, 3, "Rectangle1"},
    {"bFld", ControlKind::EntryField, 226, 105, 80, 22},
    {"GoBtn", ControlKind::PushButton, 45, 390, 80, 30, "Go"},
    {"legend", ControlKind::Label, 380, 320, 100, 28, "one\r   two"},
    {"Pic", ControlKind::Canvas, 250, 388, 32, 32, "", {}, fw::Align::Left, {}, 0, "", true, 99999},
    {"Notes", ControlKind::TextArea, 10, 200, 200, 100},
};

class FakeWnd : public fw::Window {
public:
    static constexpr const char *kClassName = "FakeWnd";
    static inline std::vector<std::string> s_log;
    static inline bool s_visible = true;
    std::function<bool()> enableHook;
    std::optional<std::string> lastKey;
    QPoint lastClick;

    void Layout() override
    {
        s_log.push_back("Layout");
        fw::WindowRecord record{"Fake", 535, 445};
        record.visible = s_visible;
        applyRecord(record);
    }
    void CreateControls() override
    {
        s_log.push_back("CreateControls");
        createControls(kControls);
        onKeyDown("aFld", [this](const std::string &key) { lastKey = key; return key == "x"; });
    }
    void AddMenuHandlers() override { s_log.push_back("AddMenuHandlers"); }
    void Open() override { s_log.push_back(isVisible() ? "Open shown" : "Open hidden"); }
    void Close() override { s_log.push_back("Close"); }
    bool KeyDown(const std::string &key) override { lastKey = key; return true; }
    bool MouseDown(int x, int y) override { lastClick = QPoint(x, y); return false; }
    void EnableMenuItems() override
    {
        if (auto *item = fw::App()->menuBar()->find("DescriptionMenuItem"))
            item->SetEnabled(true);
    }
};

class TestApp : public fw::Application {
public:
    void EnableMenuItems() override { menuBar()->find("AboutVex")->SetEnabled(true); }
};

std::unique_ptr<MenuItem> item(MenuItem::Kind kind, const char *name, const char *text,
                               const char *shortcut = "", bool autoEnable = false)
{
    auto made = std::make_unique<MenuItem>(kind);
    made->SetName(name);
    made->SetAutoEnable(autoEnable);
    made->SetText(text);
    made->SetKeyboardShortcut(shortcut);
    return made;
}

std::unique_ptr<fw::MenuBar> makeMenuBar()
{
    using K = MenuItem::Kind;
    auto bar = std::make_unique<fw::MenuBar>();
    bar->Append(item(K::Menu, "FileMenu", "File"));
    bar->Append("FileMenu", item(K::Quit, "FileQuit", "Quit", "Cmd+Q", true));
    bar->Append(item(K::Menu, "EditMenu", "Edit"));
    for (auto name : {fw::kEditUndo, fw::kEditCut, fw::kEditCopy, fw::kEditPaste, fw::kEditClear})
        bar->Append("EditMenu", item(K::Item, std::string(name).c_str(), "x"));
    bar->Append(item(K::Menu, "WindowMenu", "Window"));
    bar->Append("WindowMenu", item(K::Item, "ControlMenuItem", "Control"));
    bar->Append("WindowMenu", item(K::Item, "DescriptionMenuItem", "Description"));
    bar->Append("WindowMenu", item(K::AppleMenuItem, "AboutVex", "About"));
    return bar;
}

FakeWnd *activeFake()
{
    auto *w = fw::implicitWindow<FakeWnd>();
    w->Show();
    if (!QTest::qWaitForWindowActive(w))
        qWarning("fake window did not become active");
    return w;
}

} // namespace

class TestFramework : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void buildRunsHooksInOrder();
    void contentAreaKeepsItsSize();
    void closedWindowIsForgotten();
    void keyCodes_data();
    void keyCodes();
    void tabPassesThenMovesFocus();
    void typingLimitBindsTheUserOnly();
    void pasteIsCutToTheLimit_data();
    void pasteIsCutToTheLimit();
    void buttonIsNeverDefaultAndTakesNoFocus();
    void windowGetsWhatControlsLeave();
    void labelBreaksLinesAtCarriageReturn();
    void menuRouting_data();
    void menuRouting();
    void enablingPass();
    void editItemsFollowTheFocusedField();
    void appleItemSitsInHelpMenuOnly();
    void msgBoxHookRecords();
    void realMsgBoxIsDismissed();
    void pictureIsReadOnce();
    void singleTimerFiresOnce();
    void styledTextPrintsInBlocks_data();
    void styledTextPrintsInBlocks();

private:
    std::unique_ptr<TestApp> m_app;
};

void TestFramework::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    m_app = std::make_unique<TestApp>();
    m_app->setMenuBar(makeMenuBar());
}

void TestFramework::buildRunsHooksInOrder()
{
    FakeWnd::s_log.clear();
    FakeWnd::s_visible = false;
    auto *w = fw::implicitWindow<FakeWnd>();
    FakeWnd::s_visible = true;
    QCOMPARE(FakeWnd::s_log, (std::vector<std::string>{"Layout", "CreateControls",
                                                        "AddMenuHandlers", "Open hidden"}));
    QCOMPARE(w->objectName(), QStringLiteral("FakeWnd"));
    QCOMPARE(fw::implicitWindow<FakeWnd>(), w);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestFramework::contentAreaKeepsItsSize()
{
    FakeWnd *w = activeFake();
    QVERIFY(w->menuBar()->isVisible());
    QCOMPARE(w->content()->size(), QSize(535, 445));
    // Children of the rectangle are placed in content-area coordinates.
    QCOMPARE(w->control("aFld")->mapTo(w->content(), QPoint()), QPoint(70, 105));
    QCOMPARE(w->control("aFld")->objectName(), QStringLiteral("aFld"));
    QVERIFY(!w->control("noSuchFld"));
}

void TestFramework::closedWindowIsForgotten()
{
    QPointer<FakeWnd> first = fw::implicitWindow<FakeWnd>();
    first->SetText("bFld", "kept");
    first->Hide();
    QCOMPARE(fw::implicitWindow<FakeWnd>()->Text("bFld"), std::string("kept"));
    FakeWnd::s_log.clear();
    first->close();
    QCOMPARE(FakeWnd::s_log, std::vector<std::string>{"Close"});
    QVERIFY(!fw::existingWindow("FakeWnd"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    FakeWnd *fresh = fw::implicitWindow<FakeWnd>();
    QCOMPARE(fresh->Text("bFld"), std::string());
}

void TestFramework::keyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code"); // -1: no handler call

    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << 8;
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << 127;
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << 28;
    QTest::newRow("right") << int(Qt::Key_Right) << 0 << 29;
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << 30;
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << 31;
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << 1;
    QTest::newRow("end") << int(Qt::Key_End) << 0 << 4;
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 0 << 11;
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 0 << 12;
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << 16;
    QTest::newRow("return") << int(Qt::Key_Return) << 0 << 13;
    QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << 27;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << 22;
    QTest::newRow("ctrl+z") << int(Qt::Key_Z) << int(Qt::ControlModifier) << 26;
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << int('7');
    QTest::newRow("point") << int(Qt::Key_Period) << 0 << int('.');
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << -1;
    QTest::newRow("control alone") << int(Qt::Key_Control) << int(Qt::ControlModifier) << -1;
}

void TestFramework::keyCodes()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    FakeWnd *w = activeFake();
    w->SetFocus("aFld");
    w->lastKey.reset();
    QTest::keyClick(w->control("aFld"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (code < 0) {
        QVERIFY(!w->lastKey);
        return;
    }
    QVERIFY(w->lastKey);
    QCOMPARE(fw::Len(*w->lastKey), 1);
    QCOMPARE(fw::Asc(*w->lastKey), code);
}

void TestFramework::tabPassesThenMovesFocus()
{
    FakeWnd *w = activeFake();
    w->SetFocus("aFld");
    QTest::keyClick(w->control("aFld"), Qt::Key_Tab);
    QCOMPARE(*w->lastKey, fw::Chr(9));
    QCOMPARE(QApplication::focusWidget(), w->control("bFld"));
    w->SetFocus("aFld");
    QTest::keyClick(w->control("aFld"), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(*w->lastKey, fw::Chr(9));
}

void TestFramework::typingLimitBindsTheUserOnly()
{
    FakeWnd *w = activeFake();
    w->SetText("aFld", "");
    w->SetFocus("aFld");
    QTest::keyClicks(w->control("aFld"), "12x345");
    QCOMPARE(w->Text("aFld"), std::string("123")); // "x" consumed by the handler
    w->SetText("aFld", "800*");
    QCOMPARE(w->Text("aFld"), std::string("800*"));
    QTest::keyClick(w->control("aFld"), Qt::Key_End);
    QTest::keyClick(w->control("aFld"), Qt::Key_9);
    QCOMPARE(w->Text("aFld"), std::string("800*"));
    QTest::keyClick(w->control("aFld"), Qt::Key_Backspace);
    QTest::keyClick(w->control("aFld"), Qt::Key_Backspace);
    QTest::keyClick(w->control("aFld"), Qt::Key_5);
    QCOMPARE(w->Text("aFld"), std::string("805"));
    QTest::keyClick(w->control("aFld"), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w->control("aFld"), Qt::Key_4);
    QCOMPARE(w->Text("aFld"), std::string("4")); // typing over a selection
}

void TestFramework::pasteIsCutToTheLimit_data()
{
    QTest::addColumn<QString>("via");
    QTest::newRow("ctrl+v") << "keys";
    QTest::newRow("edit menu") << "menu";
    QTest::newRow("context menu") << "context";
}

void TestFramework::pasteIsCutToTheLimit()
{
    QFETCH(QString, via);
    FakeWnd *w = activeFake();
    w->SetText("aFld", "1");
    w->SetFocus("aFld");
    QTest::keyClick(w->control("aFld"), Qt::Key_End);
    QGuiApplication::clipboard()->setText(QStringLiteral("98765"));
    QWidget *field = w->control("aFld");
    if (via == "menu") {
        QVERIFY(m_app->menuBar()->trigger(fw::kEditPaste));
    } else if (via == "keys") {
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    } else {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &event);
        QWidget *popup = QApplication::activePopupWidget();
        QVERIFY(popup);
        const QList<QAction *> actions = popup->actions();
        const auto paste = std::find_if(actions.begin(), actions.end(), [](QAction *action) {
            return action->text().startsWith(QLineEdit::tr("&Paste"));
        });
        QVERIFY(paste != actions.end());
        (*paste)->trigger();
        popup->close();
    }
    QCOMPARE(w->Text("aFld"), std::string("198"));
}

void TestFramework::buttonIsNeverDefaultAndTakesNoFocus()
{
    FakeWnd *w = activeFake();
    auto *button = qobject_cast<QPushButton *>(w->control("GoBtn"));
    QVERIFY(button && !button->isDefault() && !button->autoDefault());
    int pressed = 0;
    w->onAction("GoBtn", [&pressed] { ++pressed; });
    w->SetFocus("bFld");
    QTest::keyClick(w->control("bFld"), Qt::Key_Return);
    QCOMPARE(pressed, 0);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(pressed, 1);
    QCOMPARE(QApplication::focusWidget(), w->control("bFld"));
    w->onAction("GoBtn", {});
}

void TestFramework::windowGetsWhatControlsLeave()
{
    FakeWnd *w = activeFake();
    QTest::mouseClick(w->control("Pic"), Qt::LeftButton, {}, QPoint(5, 6));
    QCOMPARE(w->lastClick, QPoint(255, 394)); // in content-area coordinates
    QApplication::focusWidget()->clearFocus();
    w->lastKey.reset();
    QTest::keyClick(w, Qt::Key_Q);
    QCOMPARE(w->lastKey, std::optional<std::string>("q"));
}

void TestFramework::labelBreaksLinesAtCarriageReturn()
{
    FakeWnd *w = activeFake();
    QCOMPARE(w->Text("legend"), std::string("one\r   two"));
    QVERIFY(qobject_cast<QLabel *>(w->control("legend"))->text().contains(QLatin1Char('\n')));
}

void TestFramework::menuRouting_data()
{
    QTest::addColumn<int>("windowResult"); // -1: no window handler
    QTest::addColumn<QString>("expected");
    QTest::newRow("window passes on") << 0 << "window app";
    QTest::newRow("window consumes") << 1 << "window";
    QTest::newRow("no window handler") << -1 << "app";
}

void TestFramework::menuRouting()
{
    QFETCH(int, windowResult);
    QFETCH(QString, expected);
    fw::implicitWindow<FakeWnd>()->close();
    FakeWnd *w = activeFake();
    QStringList calls;
    if (windowResult >= 0)
        w->registerMenuHandler("DescriptionMenuItem", [&] {
            calls << "window";
            return windowResult == 1;
        });
    m_app->registerMenuHandler("DescriptionMenuItem", [&] { calls << "app"; return false; });
    QVERIFY(m_app->menuBar()->trigger("DescriptionMenuItem"));
    QCOMPARE(calls.join(' '), expected);
    m_app->registerMenuHandler("DescriptionMenuItem", {});
}

void TestFramework::enablingPass()
{
    fw::MenuBar *bar = m_app->menuBar();
    activeFake();
    bar->runEnablingPass();
    QVERIFY(bar->enabled("FileQuit"));            // AutoEnable
    QVERIFY(!bar->enabled("ControlMenuItem"));    // nobody enables it
    QVERIFY(bar->enabled("DescriptionMenuItem")); // the front window's hook
    QVERIFY(bar->enabled("AboutVex"));            // the application's hook
    QVERIFY(!bar->trigger("ControlMenuItem"));
    bar->find("ControlMenuItem")->SetEnabled(true);
    bar->runEnablingPass();
    QVERIFY(!bar->enabled("ControlMenuItem")); // every pass starts afresh
    // The QActions are shared, so every window's bar shows the same state.
    QMenu *menu = fw::implicitWindow<FakeWnd>()->menuBar()->findChild<QMenu *>("WindowMenu");
    QVERIFY(menu->actions().contains(bar->find("DescriptionMenuItem")->action()));
}

void TestFramework::editItemsFollowTheFocusedField()
{
    fw::MenuBar *bar = m_app->menuBar();
    FakeWnd *w = activeFake();
    w->SetText("bFld", "abc");
    w->SetFocus("bFld");
    auto *field = w->entryField("bFld");
    field->deselect();
    bar->runEnablingPass();
    QVERIFY(!bar->enabled(fw::kEditCopy));
    QVERIFY(!bar->enabled(fw::kEditClear));
    field->selectAll();
    bar->runEnablingPass();
    QVERIFY(bar->enabled(fw::kEditCopy));
    QVERIFY(bar->trigger(fw::kEditCut));
    QCOMPARE(w->Text("bFld"), std::string());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
    QVERIFY(bar->trigger(fw::kEditUndo));
    QCOMPARE(w->Text("bFld"), std::string("abc"));
}

void TestFramework::appleItemSitsInHelpMenuOnly()
{
#ifdef Q_OS_MACOS
    QSKIP("the application menu holds it here");
#endif
    QMenuBar *menuBar = activeFake()->menuBar();
    QAction *about = m_app->menuBar()->find("AboutVex")->action();
    QCOMPARE(menuBar->actions().last()->menu()->actions(), QList<QAction *>{about});
    QVERIFY(!menuBar->findChild<QMenu *>("WindowMenu")->actions().contains(about));
}

void TestFramework::msgBoxHookRecords()
{
    std::vector<std::string> shown;
    fw::setMsgBoxHook([&shown](const std::string &text) { shown.push_back(text); });
    fw::MsgBox("Out of range");
    fw::setMsgBoxHook({});
    QCOMPARE(shown, std::vector<std::string>{"Out of range"});
}

void TestFramework::realMsgBoxIsDismissed()
{
    QString seen;
    QTimer::singleShot(0, this, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    fw::MsgBox("<b>not markup</b>");
    QCOMPARE(seen, QStringLiteral("<b>not markup</b>"));
}

void TestFramework::pictureIsReadOnce()
{
    QVERIFY(!fw::Picture(99999));
    FakeWnd *w = activeFake();
    w->canvas("Pic")->grab(); // a missing picture draws nothing and no crash
    if (!fw::Picture(170))
        QSKIP("the pictures are not in the resources yet");
    QCOMPARE(fw::Picture(170), fw::Picture(170));
    w->SetBackdrop("Pic", 170);
    QVERIFY(!w->canvas("Pic")->grab().isNull());
}

void TestFramework::singleTimerFiresOnce()
{
    FakeWnd *w = activeFake();
    fw::Timer *timer = w->addTimer("Timer1");
    int fired = 0;
    w->onAction("Timer1", [&fired] { ++fired; });
    timer->setMode(fw::Timer::Single);
    timer->setPeriod(10);
    QTRY_COMPARE(fired, 1);
    QTest::qWait(50);
    QCOMPARE(fired, 1);
    QCOMPARE(timer->mode(), int(fw::Timer::Off));
}

void TestFramework::styledTextPrintsInBlocks_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("blockHeight");
    QTest::addColumn<int>("minBlocks");
    QTest::addColumn<int>("maxBlocks");
    QTest::newRow("fits in one") << 3 << 540 << 1 << 1;
    QTest::newRow("needs several") << 200 << 540 << 3 << 6;
    QTest::newRow("block lower than a line") << 3 << 2 << 3 << 30;
}

void TestFramework::styledTextPrintsInBlocks()
{
    QFETCH(int, lines);
    QFETCH(int, blockHeight);
    QFETCH(int, minBlocks);
    QFETCH(int, maxBlocks);
    QTemporaryDir dir;
    fw::setPrinterDialogHook([&dir] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath("out.pdf"));
        return printer;
    });
    std::unique_ptr<QPrinter> printer = fw::OpenPrinterDialog();
    fw::setPrinterDialogHook({});
    QVERIFY(printer);
    fw::TextArea area;
    area.setStyled(true);
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "Line " + std::to_string(i) + "\r";
    area.SetText(text);
    area.SetSelLength(8);
    area.SetSelBold(true);
    QVERIFY(area.SelBold());
    int blocks = 0;
    {
        fw::StyledTextPrinter styled(area, *printer, 540);
        for (bool more = true; more && blocks <= maxBlocks; ++blocks) {
            more = styled.DrawBlock(0, 0, blockHeight);
            if (more)
                printer->newPage();
        }
    }
    QVERIFY2(blocks >= minBlocks && blocks <= maxBlocks, qPrintable(QString::number(blocks)));
    QVERIFY(QFileInfo(dir.filePath("out.pdf")).size() > 0);
}

QTEST_MAIN(TestFramework)
#include "tst_gui_framework.moc"
