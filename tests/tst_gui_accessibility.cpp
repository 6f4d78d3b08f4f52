// The converter window as assistive technology meets it: every control found
// through Qt's accessibility interfaces under the window with a name that
// says what it is, the legend readable once shown, the message box exposed
// as an alert, and the whole window usable from the keyboard alone.
//
// The offscreen platform has no accessibility bridge, so Qt raises no
// accessibility events here; the tests read the interfaces themselves.
#include "tests/converter_fixture.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

// Every interface under `root`, depth first.
QList<QAccessibleInterface *> descendants(QAccessibleInterface *root)
{
    QList<QAccessibleInterface *> all;
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            all << child;
            all << descendants(child);
        }
    }
    return all;
}

QStringList textsUnder(QAccessibleInterface *root)
{
    QStringList texts;
    QList<QAccessibleInterface *> all = descendants(root);
    all.prepend(root);
    for (QAccessibleInterface *iface : all)
        for (QAccessible::Text t : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            texts << iface->text(t);
    return texts;
}

} // namespace

class TestAccessibility : public QObject, private ConverterFixture {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(openWindow()); }
    void init() { QVERIFY(resetWindow()); }
    void cleanupTestCase() { catchMessages(false); }

    void controlsAreNamedInTheTree_data();
    void controlsAreNamedInTheTree();
    void legendIsReadableWhenShown();
    void messageBoxIsAnAlert();
    void tabWalksTheWindow_data();
    void tabWalksTheWindow();
    void keyboardOnlyCalculateAndClear();
    void buttonsPressThroughTheirAction();

private:
    QAccessibleInterface *iface(const char *name) const;
    QString focusedName() const;
    void tab(int times);
};

QAccessibleInterface *TestAccessibility::iface(const char *name) const
{
    return QAccessible::queryAccessibleInterface(m_wnd->control(name));
}

QString TestAccessibility::focusedName() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

void TestAccessibility::tab(int times)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

void TestAccessibility::controlsAreNamedInTheTree_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("focusable");

    const int edit = QAccessible::EditableText;
    const int button = QAccessible::Button;
    const int picture = QAccessible::Graphic;
    QTest::newRow("raw") << "rawFld" << "raw score" << edit << true;
    QTest::newRow("raw mean") << "rawmeanFld" << "raw score mean" << edit << true;
    QTest::newRow("raw sd") << "rawsdFld" << "raw score sd" << edit << true;
    QTest::newRow("z") << "zFld" << "z score" << edit << true;
    QTest::newRow("T") << "tFld" << "T score" << edit << true;
    QTest::newRow("Wechsler") << "wechslerFld" << "Wechsler IQ" << edit << true;
    QTest::newRow("NCE") << "nceFld" << "NCE score" << edit << true;
    QTest::newRow("CEEB") << "greFld" << "CEEB score" << edit << true;
    QTest::newRow("percentile") << "percentileFld" << "percentile" << edit << true;
    QTest::newRow("AGCT") << "agctFld" << "AGCT score" << edit << true;
    QTest::newRow("Calculate") << "CalculateBtn" << "Calculate" << button << true;
    QTest::newRow("Clear") << "ClearBtn" << "Clear" << button << true;
    QTest::newRow("banner") << "Canvas1" << "Quintaval" << picture << false;
    QTest::newRow("info icon") << "Canvas2" << "Description" << picture << false;
}

// Found by walking down from the window, as a screen reader does, not by
// asking the widget: a control missing from the tree would go unheard.
void TestAccessibility::controlsAreNamedInTheTree()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(bool, focusable);

    QWidget *widget = m_wnd->control(control.toStdString());
    QVERIFY(widget);
    QAccessibleInterface *found = nullptr;
    for (QAccessibleInterface *candidate : descendants(QAccessible::queryAccessibleInterface(m_wnd)))
        if (candidate->object() == widget)
            found = candidate;
    QVERIFY2(found, "not reachable from the window");
    QCOMPARE(found->text(QAccessible::Name), name);
    QCOMPARE(int(found->role()), role);
    QCOMPARE(bool(found->state().focusable), focusable);
    QVERIFY(!found->state().invisible);
}

void TestAccessibility::legendIsReadableWhenShown()
{
    QAccessibleInterface *legend = iface("boundtext");
    QVERIFY(legend);
    QVERIFY(legend->state().invisible);

    m_wnd->SetText("tFld", "99");
    press("CalculateBtn");
    QVERIFY(m_wnd->IsVisible("boundtext"));
    QVERIFY(!legend->state().invisible);
    // Read as one sentence: the line break and its indent are layout only.
    const QString heard = legend->text(QAccessible::Name);
    QCOMPARE(heard, heard.simplified());
    QVERIFY2(heard.contains(QLatin1String("outside possible range of scores")), qPrintable(heard));
    QVERIFY(heard.startsWith(QLatin1Char('*')));
}

// A real modal box, read while it is up and dismissed with Return, as a
// keyboard user would. The box gives the focus to OK only once it has become
// the active window, which on a busy machine is a while after it is shown:
// it is read when the focus has reached it, or after a generous time.
void TestAccessibility::messageBoxIsAnAlert()
{
    catchMessages(false);
    int role = -1;
    QStringList heard;
    QString okFocused;
    int polls = 0;
    QElapsedTimer up;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (role != -1) {
            if (++polls > 200) // Return failed to dismiss it: do not hang
                box->done(0);
            return;
        }
        QWidget *focus = QApplication::focusWidget();
        if (!up.isValid())
            up.start();
        if ((!focus || focus->window() != box) && up.elapsed() < 20000)
            return;
        QAccessibleInterface *boxIface = QAccessible::queryAccessibleInterface(box);
        role = boxIface->role();
        heard = textsUnder(boxIface);
        okFocused = focus ? QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name)
                          : QString();
        QTest::keyClick(focus ? focus : box, Qt::Key_Return);
    });
    poll.start(10);
    fill({"wechslerFld=200"});
    press("CalculateBtn");
    poll.stop();
    catchMessages(true);

    QCOMPARE(role, int(QAccessible::AlertMessage));
    QVERIFY2(heard.contains(QStringLiteral("Wechsler IQ scores must range from 1 to 199.")),
             qPrintable(heard.join(QLatin1String(" | "))));
    QCOMPARE(okFocused, QStringLiteral("OK"));
    QVERIFY2(polls <= 200, "Return did not dismiss the box");
    // Offscreen does not give the window back its activation; a window
    // manager does, and the window's focus then goes to the field.
    QCOMPARE(focused(), field("wechslerFld"));
    QCOMPARE(text("wechslerFld"), QStringLiteral("200"));
    QVERIFY(text("zFld").isEmpty());
}

void TestAccessibility::tabWalksTheWindow_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("visited"); // after each key, from rawFld

    const QStringList forward{"rawmeanFld", "rawsdFld", "zFld", "tFld", "wechslerFld", "nceFld",
                              "greFld", "percentileFld", "agctFld", "CalculateBtn", "ClearBtn",
                              "rawFld"};
    QStringList backward = forward;
    std::reverse(backward.begin(), backward.end());
    backward.removeFirst();
    backward << "rawFld";
    QTest::newRow("tab") << int(Qt::Key_Tab) << forward;
    QTest::newRow("shift tab") << int(Qt::Key_Backtab) << backward;
}

// The accessible focus follows: what a screen reader announces is the
// control the key reached.
void TestAccessibility::tabWalksTheWindow()
{
    QFETCH(int, key);
    QFETCH(QStringList, visited);
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(m_wnd);
    QStringList walked;
    QStringList announced;
    for (int i = 0; i < visited.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        walked << focusedName();
        QAccessibleInterface *focus = window->focusChild();
        announced << (focus ? focus->object()->objectName() : QString());
    }
    QCOMPARE(walked, visited);
    QCOMPARE(announced, visited);
}

// A result longer than its field's typing limit is read whole.
void TestAccessibility::keyboardOnlyCalculateAndClear()
{
    QTest::keyClicks(QApplication::focusWidget(), "150");
    tab(1);
    QTest::keyClicks(QApplication::focusWidget(), "100");
    tab(1);
    QTest::keyClicks(QApplication::focusWidget(), "15");
    tab(8);
    QCOMPARE(focusedName(), QStringLiteral("CalculateBtn"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(results(), QStringLiteral("+3.33 83 150 99* 800* 167 99*"));
    QCOMPARE(iface("greFld")->text(QAccessible::Value), QStringLiteral("800*"));
    QCOMPARE(iface("rawFld")->text(QAccessible::Value), QStringLiteral("150"));
    QVERIFY(m_messages.isEmpty());

    tab(1);
    QCOMPARE(focusedName(), QStringLiteral("ClearBtn"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(texts(), QStringList(std::size(kFields), QString()));
    QCOMPARE(focusedName(), QStringLiteral("rawFld"));
}

// Assistive technology presses a button through its action interface.
void TestAccessibility::buttonsPressThroughTheirAction()
{
    fill({"rawFld=115", "rawmeanFld=100", "rawsdFld=15"});
    QAccessibleActionInterface *calculate = iface("CalculateBtn")->actionInterface();
    QVERIFY(calculate);
    QVERIFY(calculate->actionNames().contains(QAccessibleActionInterface::pressAction()));
    calculate->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(m_wnd->Text("tFld"), std::string("60"));

    iface("ClearBtn")->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(m_wnd->Text("rawFld").empty());
    QVERIFY(m_wnd->Text("tFld").empty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_gui_accessibility.moc"
