// The converter window driven as a user drives it: real key events into the
// fields, clicks on the buttons, and the fields read back.
#include "conversion/calculate.h"
#include "converter_window/control_wnd.h"
#include "converter_window/module1.h"
#include "framework/application.h"
#include "framework/beep.h"
#include "framework/entry_field.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace {

const char *const kFields[] = {"rawFld", "rawmeanFld", "rawsdFld", "zFld", "tFld",
                               "wechslerFld", "nceFld", "greFld", "percentileFld", "agctFld"};
// In scale order: z, T, Wechsler IQ, NCE, CEEB, AGCT, percentile.
const char *const kScoreFields[] = {"zFld", "tFld", "wechslerFld", "nceFld",
                                    "greFld", "agctFld", "percentileFld"};

// "name=text" pairs.
using Entries = QStringList;

} // namespace

class TestConverter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void startsEmptyWithLegendHidden();
    void focusableControlsAreNamed();
    void typingStopsAtTheLimit_data();
    void typingStopsAtTheLimit();
    void characterAcceptance_data();
    void characterAcceptance();
    void controlKeysPassEverywhere_data();
    void controlKeysPassEverywhere();
    void clearingOnKeys_data();
    void clearingOnKeys();
    void calculate_data();
    void calculate();
    void typedAsAUserWould();
    void failedPressKeepsEarlierResults();
    void returnAndEscapePressNoButton();
    void clickOnCalculateLeavesTheCaret();
    void tabReachesButtonsAndSpacePresses();
    void clearEmptiesEverything();
    void realMessageBoxIsDismissed();

private:
    fw::EntryField *field(const QString &name) const;
    QString text(const QString &name) const;
    void fill(const Entries &entries);
    void press(const char *button);
    QWidget *focused() const { return m_wnd->focusWidget(); }

    ControlWnd *m_wnd = nullptr;
    QStringList m_messages;
};

fw::EntryField *TestConverter::field(const QString &name) const
{
    return m_wnd->entryField(name.toStdString());
}

QString TestConverter::text(const QString &name) const
{
    return QString::fromStdString(m_wnd->Text(name.toStdString()));
}

// Types each text into its field.
void TestConverter::fill(const Entries &entries)
{
    for (const QString &entry : entries) {
        const QStringList parts = entry.split(QLatin1Char('='));
        QTest::keyClicks(field(parts[0]), parts[1]);
    }
}

void TestConverter::press(const char *button)
{
    QTest::mouseClick(m_wnd->control(button), Qt::LeftButton);
}

void TestConverter::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    fw::setQuitHook([](int) {});
    fw::setMsgBoxHook([this](const std::string &message) {
        m_messages << QString::fromStdString(message);
    });
    m_wnd = fw::implicitWindow<ControlWnd>();
    QVERIFY(m_wnd);
    QVERIFY(QTest::qWaitForWindowActive(m_wnd));
}

void TestConverter::init()
{
    if (!m_wnd->isActiveWindow())
        m_wnd->Show();
    QVERIFY(QTest::qWaitForWindowActive(m_wnd));
    for (const char *name : kFields)
        m_wnd->SetText(name, std::string());
    m_wnd->SetVisible("boundtext", false);
    m_wnd->SetFocus("rawFld");
    Module1::dirty.clear();
    m_messages.clear();
}

void TestConverter::cleanupTestCase()
{
    fw::setMsgBoxHook(nullptr);
}

void TestConverter::startsEmptyWithLegendHidden()
{
    for (const char *name : kFields)
        QVERIFY2(text(name).isEmpty(), name);
    QVERIFY(!m_wnd->control("boundtext")->isVisible());
    QCOMPARE(m_wnd->content()->size(), QSize(535, 445));
}

void TestConverter::focusableControlsAreNamed()
{
    for (QWidget *child : m_wnd->content()->findChildren<QWidget *>()) {
        const bool reachable = child->focusPolicy() != Qt::NoFocus;
        if (reachable || child->inherits("fw::Canvas"))
            QVERIFY2(!child->accessibleName().isEmpty(), qPrintable(child->objectName()));
    }
}

void TestConverter::typingStopsAtTheLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("raw") << "rawFld" << "1234567890" << "123456789";
    QTest::newRow("raw mean") << "rawmeanFld" << "12345.67890" << "12345.678";
    QTest::newRow("raw sd") << "rawsdFld" << "1234567890" << "123456789";
    QTest::newRow("z") << "zFld" << "-1.234" << "-1.23";
    QTest::newRow("T") << "tFld" << "123" << "12";
    QTest::newRow("Wechsler") << "wechslerFld" << "1234" << "123";
    QTest::newRow("NCE") << "nceFld" << "123" << "12";
    QTest::newRow("CEEB") << "greFld" << "8000" << "800";
    QTest::newRow("percentile") << "percentileFld" << "123" << "12";
    QTest::newRow("AGCT") << "agctFld" << "12.5" << "12.";
}

void TestConverter::typingStopsAtTheLimit()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    const int beeps = fw::beepCount();
    QTest::keyClicks(field(name), typed);
    QCOMPARE(text(name), kept);
    QCOMPARE(fw::beepCount(), beeps); // the limit is silent; only the rule beeps
}

void TestConverter::characterAcceptance_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("raw point") << "rawFld" << "1.5" << "1.5" << 0;
    QTest::newRow("raw minus") << "rawFld" << "-1" << "1" << 1;
    QTest::newRow("raw mean point") << "rawmeanFld" << "9.5" << "9.5" << 0;
    QTest::newRow("raw sd point") << "rawsdFld" << ".5" << ".5" << 0;
    QTest::newRow("raw letters and space") << "rawFld" << "1e 5+" << "15" << 3;
    QTest::newRow("z point and minus") << "zFld" << "-1.5" << "-1.5" << 0;
    QTest::newRow("z plus") << "zFld" << "+1" << "1" << 1;
    QTest::newRow("T point") << "tFld" << "6.3" << "63" << 1;
    QTest::newRow("T minus") << "tFld" << "-6" << "6" << 1;
    QTest::newRow("Wechsler point") << "wechslerFld" << "1.0" << "10" << 1;
    QTest::newRow("NCE minus") << "nceFld" << "-5" << "5" << 1;
    QTest::newRow("CEEB point") << "greFld" << "5.0" << "50" << 1;
    QTest::newRow("percentile point") << "percentileFld" << ".5" << "5" << 1;
    QTest::newRow("AGCT point") << "agctFld" << "9.5" << "9.5" << 0;
    QTest::newRow("AGCT minus") << "agctFld" << "-9" << "9" << 1;
}

void TestConverter::characterAcceptance()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    const int before = fw::beepCount();
    QTest::keyClicks(field(name), typed);
    QCOMPARE(text(name), kept);
    QCOMPARE(fw::beepCount() - before, beeps);
}

void TestConverter::controlKeysPassEverywhere_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after"); // the field's text after "12" and the key
    QTest::newRow("left") << int(Qt::Key_Left) << 0 << "12";
    QTest::newRow("right") << int(Qt::Key_Right) << 0 << "12";
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << "12";
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << "12";
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << "12";
    QTest::newRow("return") << int(Qt::Key_Return) << 0 << "12";
    QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "12";
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "12";
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "12";
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "12";
    QTest::newRow("copy") << int(Qt::Key_C) << int(Qt::ControlModifier) << "12";
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "1";
}

void TestConverter::controlKeysPassEverywhere()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    const int before = fw::beepCount();
    for (const char *name : kFields) {
        m_wnd->SetFocus(name);
        QTest::keyClicks(field(name), "12");
        QTest::keyClick(field(name), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(text(name), after);
    }
    QCOMPARE(fw::beepCount(), before);
}

void TestConverter::clearingOnKeys_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("dirty");
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<bool>("legendAfter");

    const QStringList scores{"zFld", "tFld", "wechslerFld", "nceFld", "greFld", "agctFld",
                             "percentileFld"};
    auto othersThan = [](const QString &name) {
        QStringList others;
        for (const char *f : kFields)
            if (name != QLatin1String(f))
                others << f;
        return others;
    };
    const int bs = Qt::Key_Backspace;
    const int del = Qt::Key_Delete;

    // Form A: deletion always empties the scores; any key does while dirty.
    QTest::newRow("raw backspace clean") << "rawFld" << bs << "no" << scores << true;
    QTest::newRow("raw delete before any activation") << "rawFld" << del << "" << scores << true;
    QTest::newRow("raw digit clean") << "rawFld" << int(Qt::Key_5) << "no" << QStringList() << true;
    QTest::newRow("raw digit dirty") << "rawFld" << int(Qt::Key_5) << "yes" << scores << true;
    QTest::newRow("raw refused letter dirty") << "rawFld" << int(Qt::Key_X) << "yes" << scores << true;
    QTest::newRow("raw arrow dirty") << "rawFld" << int(Qt::Key_Left) << "yes" << scores << true;
    // Form B: deletion while dirty empties the other nine.
    QTest::newRow("T backspace dirty") << "tFld" << bs << "yes" << othersThan("tFld") << false;
    QTest::newRow("T backspace clean") << "tFld" << bs << "no" << QStringList() << true;
    QTest::newRow("T digit dirty") << "tFld" << int(Qt::Key_5) << "yes" << QStringList() << true;
    QTest::newRow("z delete dirty") << "zFld" << del << "yes" << othersThan("zFld") << false;
    QTest::newRow("percentile backspace dirty")
        << "percentileFld" << bs << "yes" << othersThan("percentileFld") << false;
    QTest::newRow("CEEB delete dirty") << "greFld" << del << "yes" << othersThan("greFld") << false;
    QTest::newRow("Wechsler backspace dirty")
        << "wechslerFld" << bs << "yes" << othersThan("wechslerFld") << false;
    QTest::newRow("NCE backspace dirty") << "nceFld" << bs << "yes" << othersThan("nceFld") << false;
    QTest::newRow("raw mean backspace dirty keeps legend")
        << "rawmeanFld" << bs << "yes" << othersThan("rawmeanFld") << true;
    QTest::newRow("raw sd delete dirty keeps legend")
        << "rawsdFld" << del << "yes" << othersThan("rawsdFld") << true;
    QTest::newRow("AGCT backspace dirty keeps legend")
        << "agctFld" << bs << "yes" << othersThan("agctFld") << true;
}

void TestConverter::clearingOnKeys()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(QString, dirty);
    QFETCH(QStringList, emptied);
    QFETCH(bool, legendAfter);

    for (const char *f : kFields)
        m_wnd->SetText(f, "7");
    m_wnd->SetVisible("boundtext", true);
    Module1::dirty = dirty.toStdString();

    QTest::keyClick(field(name), Qt::Key(key));

    for (const char *f : kFields) {
        if (name == QLatin1String(f))
            continue;
        QCOMPARE(text(f), emptied.contains(QLatin1String(f)) ? QString() : QStringLiteral("7"));
    }
    QCOMPARE(m_wnd->IsVisible("boundtext"), legendAfter);
    QCOMPARE(QString::fromStdString(Module1::dirty), dirty); // the rule never writes it
}

void TestConverter::calculate_data()
{
    QTest::addColumn<Entries>("typed");
    QTest::addColumn<QString>("results"); // z T IQ NCE CEEB AGCT percentile; empty: refused
    QTest::addColumn<bool>("legend");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("raw 115")
        << Entries{"rawFld=115", "rawmeanFld=100", "rawsdFld=15"}
        << "+1.0 60 115 71 600 120 84" << false << "" << "rawFld";
    QTest::newRow("raw 150 marks results longer than their fields")
        << Entries{"rawFld=150", "rawmeanFld=100", "rawsdFld=15"}
        << "+3.33 83 150 99* 800* 167 99*" << true << "" << "rawFld";
    QTest::newRow("raw mode overwrites a typed z")
        << Entries{"rawFld=115", "rawmeanFld=100", "rawsdFld=15", "zFld=-2"}
        << "+1.0 60 115 71 600 120 84" << false << "" << "rawFld";
    QTest::newRow("percentile wins over T")
        << Entries{"tFld=63", "percentileFld=50"}
        << "+.0 50 100 50 500 100 50" << false << "" << "rawFld";
    QTest::newRow("z out of range")
        << Entries{"zFld=7"} << "" << false
        << "z scores must range from -6.99 to +6.99." << "zFld";
    QTest::newRow("percentile 0 out of range")
        << Entries{"tFld=50", "percentileFld=0"} << "" << false
        << "Percentile scores must range from 1 to 99." << "percentileFld";
    QTest::newRow("CEEB below range")
        << Entries{"greFld=199"} << "" << false
        << "CEEB scores must range from 200 to 800." << "greFld";
    QTest::newRow("two raw fields only")
        << Entries{"rawFld=115", "rawmeanFld=100"} << "" << false
        << QString::fromLatin1(conversion::kNothingToCalculateMessage) << "rawFld";
    QTest::newRow("nothing typed")
        << Entries{} << "" << false
        << QString::fromLatin1(conversion::kNothingToCalculateMessage) << "rawFld";
}

void TestConverter::calculate()
{
    QFETCH(Entries, typed);
    QFETCH(QString, results);
    QFETCH(bool, legend);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    fill(typed);
    QStringList before;
    for (const char *f : kFields)
        before << text(f);

    press("CalculateBtn");

    QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(focused()->objectName(), focus);
    QCOMPARE(m_wnd->IsVisible("boundtext"), legend);
    if (results.isEmpty()) {
        QStringList after;
        for (const char *f : kFields)
            after << text(f);
        QCOMPARE(after, before);
        QCOMPARE(Module1::dirty, std::string());
        return;
    }
    const QStringList expected = results.split(QLatin1Char(' '));
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(text(kScoreFields[i]), expected[i]);
    QCOMPARE(Module1::dirty, std::string("yes"));
}

void TestConverter::typedAsAUserWould()
{
    QTest::keyClicks(focused(), "115");
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), "100");
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClicks(focused(), "15");
    press("CalculateBtn");
    QStringList shown;
    for (const char *f : kScoreFields)
        shown << text(f);
    QCOMPARE(shown.join(QLatin1Char(' ')), QStringLiteral("+1.0 60 115 71 600 120 84"));
    QCOMPARE(text("rawsdFld"), QStringLiteral("15"));
    QVERIFY(!m_wnd->IsVisible("boundtext"));
}

void TestConverter::failedPressKeepsEarlierResults()
{
    fill({"tFld=99"});
    press("CalculateBtn");
    QVERIFY(m_wnd->IsVisible("boundtext"));
    QCOMPARE(text("greFld"), QStringLiteral("800*"));

    // Select the percentile and type over it: no clearing, then a refusal.
    m_wnd->SetFocus("percentileFld");
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "0");
    QStringList before;
    for (const char *f : kFields)
        before << text(f);
    QCOMPARE(before.at(8), QStringLiteral("0"));

    press("CalculateBtn");
    QCOMPARE(m_messages, QStringList{"Percentile scores must range from 1 to 99."});
    QStringList after;
    for (const char *f : kFields)
        after << text(f);
    QCOMPARE(after, before);
    QVERIFY(m_wnd->IsVisible("boundtext"));
    QCOMPARE(Module1::dirty, std::string("yes"));
}

void TestConverter::returnAndEscapePressNoButton()
{
    fill({"rawFld=115", "rawmeanFld=100", "rawsdFld=15"});
    QTest::keyClick(field("rawsdFld"), Qt::Key_Return);
    QTest::keyClick(field("rawsdFld"), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(text("zFld").isEmpty());
    QVERIFY(m_messages.isEmpty());

    press("CalculateBtn");
    QTest::keyClick(field("tFld"), Qt::Key_Escape);
    QCOMPARE(text("rawFld"), QStringLiteral("115"));
    QCOMPARE(text("tFld"), QStringLiteral("60"));
}

void TestConverter::clickOnCalculateLeavesTheCaret()
{
    m_wnd->SetFocus("rawsdFld");
    fill({"rawFld=115", "rawmeanFld=100", "rawsdFld=15"});
    press("CalculateBtn");
    QCOMPARE(text("tFld"), QStringLiteral("60"));
    QCOMPARE(focused(), field("rawsdFld"));
}

void TestConverter::tabReachesButtonsAndSpacePresses()
{
    fill({"rawFld=115", "rawmeanFld=100", "rawsdFld=15"});
    m_wnd->SetFocus("agctFld");
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("CalculateBtn"));
    QTest::keyClick(focused(), Qt::Key_Space);
    QCOMPARE(text("zFld"), QStringLiteral("+1.0"));

    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused()->objectName(), QStringLiteral("ClearBtn"));
    QTest::keyClick(focused(), Qt::Key_Space);
    QVERIFY(text("rawFld").isEmpty());
}

void TestConverter::clearEmptiesEverything()
{
    fill({"rawFld=150", "rawmeanFld=100", "rawsdFld=15"});
    press("CalculateBtn");
    QVERIFY(m_wnd->IsVisible("boundtext"));
    m_wnd->SetFocus("zFld");

    press("ClearBtn");
    for (const char *f : kFields)
        QVERIFY2(text(f).isEmpty(), f);
    QVERIFY(!m_wnd->IsVisible("boundtext"));
    QCOMPARE(focused(), field("rawFld"));
    QCOMPARE(Module1::dirty, std::string("no"));

    // With the flag down, a backspace elsewhere empties nothing.
    m_wnd->SetText("rawmeanFld", "100");
    QTest::keyClicks(field("tFld"), "5");
    QTest::keyClick(field("tFld"), Qt::Key_Backspace);
    QCOMPARE(text("rawmeanFld"), QStringLiteral("100"));
}

void TestConverter::realMessageBoxIsDismissed()
{
    fw::setMsgBoxHook(nullptr);
    QString shown;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(10);
    fill({"wechslerFld=200"});
    press("CalculateBtn");
    poll.stop();
    fw::setMsgBoxHook([this](const std::string &message) {
        m_messages << QString::fromStdString(message);
    });
    QCOMPARE(shown, QStringLiteral("Wechsler IQ scores must range from 1 to 199."));
    QCOMPARE(focused(), field("wechslerFld"));
    QCOMPARE(text("wechslerFld"), QStringLiteral("200"));
    QVERIFY(text("zFld").isEmpty());
}

QTEST_MAIN(TestConverter)
#include "tst_gui_converter.moc"
