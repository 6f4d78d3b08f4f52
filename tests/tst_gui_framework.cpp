// The window layer driven through a small window of its own.
#include "framework/application.h"
#include "framework/canvas.h"
#include "framework/edit_commands.h"
#include "framework/entry_field.h"
#include "framework/implicit_window.h"
#include "framework/menu_bar.h"
#include "framework/message_box.h"
#include "framework/picture.h"
#include "framework/styled_text_printer.h"
#include "framework/text_area.h"
#include "framework/timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using fw::ControlKind;
using fw::ControlRecord;
using fw::MenuItem;

namespace {

const ControlRecord kControls[] = {
    {"Rectangle1", ControlKind::Rectangle, 50, 85, 430, 75},
    {"aFld", ControlKind::EntryField, 70, 105, 80, 22, "", {}, fw::Align::Center, {}, 3, "Rectangle1"},
    {"bFld", ControlKind::EntryField, 226, 105, 80, 22},
    {"legend", ControlKind::Label, 380, 320, 100, 28, "one\r   two"},
    {"Pic", ControlKind::Canvas, 250, 388, 32, 32, "", {}, fw::Align::Left, {}, 0, "", true, 99999},
};

class FakeWnd : public fw::Window {
public:
    static constexpr const char *kClassName = "FakeWnd";
    static inline std::vector<std::string> s_log;
    static inline bool s_visible = true;

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
    }
    void AddMenuHandlers() override { s_log.push_back("AddMenuHandlers"); }
    void Open() override { s_log.push_back(isVisible() ? "Open shown" : "Open hidden"); }
    void EnableMenuItems() override
    {
        if (auto *item = fw::App()->menuBar()->find("DescriptionMenuItem"))
            item->SetEnabled(true);
    }
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
    void pasteIsCutToTheLimit_data();
    void pasteIsCutToTheLimit();
    void labelBreaksLinesAtCarriageReturn();
    void menuRouting_data();
    void menuRouting();
    void enablingPassStartsAfresh();
    void editItemsFollowTheFocusedField();
    void realMsgBoxIsDismissed();
    void pictureIsReadOnce();
    void singleTimerFiresOnce();
    void blockLowerThanALinePrints();

private:
    std::unique_ptr<fw::Application> m_app;
};

void TestFramework::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    m_app = std::make_unique<fw::Application>();
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

// Every pass starts afresh; the QActions are shared, so every window's bar
// shows the same state.
void TestFramework::enablingPassStartsAfresh()
{
    fw::MenuBar *bar = m_app->menuBar();
    QMenu *menu = activeFake()->menuBar()->findChild<QMenu *>("WindowMenu");
    bar->find("ControlMenuItem")->SetEnabled(true);
    bar->runEnablingPass();
    QVERIFY(!bar->enabled("ControlMenuItem"));
    QVERIFY(!bar->trigger("ControlMenuItem"));
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
    QVERIFY(fw::Picture(170));
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

// A block lower than a line still prints a line a block, and ends.
void TestFramework::blockLowerThanALinePrints()
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("out.pdf"));
    fw::TextArea area;
    area.setStyled(true);
    area.SetText("Line 0\rLine 1\rLine 2\r");
    int blocks = 0;
    {
        fw::StyledTextPrinter styled(area, printer, 540);
        for (bool more = true; more && blocks <= 30; ++blocks)
            if ((more = styled.DrawBlock(0, 0, 2)))
                printer.newPage();
    }
    QVERIFY2(blocks >= 3 && blocks <= 30, qPrintable(QString::number(blocks)));
}

QTEST_MAIN(TestFramework)
#include "tst_gui_framework.moc"
