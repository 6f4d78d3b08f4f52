// The converter window driven as a user drives it: real key events into the
// fields, clicks on the buttons, and the fields read back.
#include "conversion/calculate.h"
#include "framework/beep.h"
#include "tests/converter_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

class TestConverter : public QObject, private ConverterFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QVERIFY(resetWindow()); }
    void cleanupTestCase() { catchMessages(false); }

    void typing_data();
    void typing();
    void controlKeysPassEverywhere_data();
    void controlKeysPassEverywhere();
    void clearingOnKeys_data();
    void clearingOnKeys();
    void calculate_data();
    void calculate();
    void failedPressKeepsEarlierResults();
    void returnAndEscapePressNoButton();
    void layoutMatchesTheDesign_data();
    void layoutMatchesTheDesign();
    void editCommandKeysAreNotTyping_data();
    void editCommandKeysAreNotTyping();
    void inputMethodTextPassesTheRule_data();
    void inputMethodTextPassesTheRule();
};

void TestConverter::initTestCase()
{
    QVERIFY(openWindow());
    QCOMPARE(texts(), QStringList(std::size(kFields), QString()));
    QVERIFY(!m_wnd->IsVisible("boundtext"));
    QCOMPARE(m_wnd->content()->size(), QSize(535, 445));
}

void TestConverter::typing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps"); // the typing limit is silent; only the rule beeps
    QTest::newRow("raw limit") << "rawFld" << "1234567890" << "123456789" << 0;
    QTest::newRow("raw mean limit") << "rawmeanFld" << "12345.67890" << "12345.678" << 0;
    QTest::newRow("raw sd limit") << "rawsdFld" << "1234567890" << "123456789" << 0;
    QTest::newRow("z limit") << "zFld" << "-1.234" << "-1.23" << 0;
    QTest::newRow("T limit") << "tFld" << "123" << "12" << 0;
    QTest::newRow("Wechsler limit") << "wechslerFld" << "1234" << "123" << 0;
    QTest::newRow("NCE limit") << "nceFld" << "123" << "12" << 0;
    QTest::newRow("CEEB limit") << "greFld" << "8000" << "800" << 0;
    QTest::newRow("percentile limit") << "percentileFld" << "123" << "12" << 0;
    QTest::newRow("AGCT limit") << "agctFld" << "12.5" << "12." << 0;
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

void TestConverter::typing()
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
    QTest::newRow("end") << int(Qt::Key_End) << 0 << "12";
    QTest::newRow("page up") << int(Qt::Key_PageUp) << 0 << "12";
    QTest::newRow("page down") << int(Qt::Key_PageDown) << 0 << "12";
    QTest::newRow("return") << int(Qt::Key_Return) << 0 << "12";
    QTest::newRow("enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "12";
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "12";
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "12";
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << "12";
    QTest::newRow("control letter of no command") << int(Qt::Key_B) << int(Qt::ControlModifier) << "12";
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

    // The key reaches the rule: with results up, it empties the scores.
    m_wnd->SetText("zFld", "7");
    Module1::dirty = "yes";
    m_wnd->SetFocus("rawFld");
    QTest::keyClick(field("rawFld"), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(text("zFld").isEmpty());
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
    QTest::newRow("raw tab dirty") << "rawFld" << int(Qt::Key_Tab) << "yes" << scores << true;
    QTest::newRow("raw shift alone dirty")
        << "rawFld" << int(Qt::Key_Shift) << "yes" << QStringList() << true;
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
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("shown"); // z T IQ NCE CEEB AGCT percentile; empty: refused
    QTest::addColumn<bool>("legend");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    QTest::newRow("raw 150 marks results longer than their fields")
        << QStringList{"rawFld=150", "rawmeanFld=100", "rawsdFld=15"}
        << "+3.33 83 150 99* 800* 167 99*" << true << "" << "rawFld";
    QTest::newRow("raw mode overwrites a typed z")
        << QStringList{"rawFld=115", "rawmeanFld=100", "rawsdFld=15", "zFld=-2"}
        << "+1.0 60 115 71 600 120 84" << false << "" << "rawFld";
    QTest::newRow("z out of range")
        << QStringList{"zFld=7"} << "" << false
        << "z scores must range from -6.99 to +6.99." << "zFld";
    QTest::newRow("percentile 0 out of range")
        << QStringList{"tFld=50", "percentileFld=0"} << "" << false
        << "Percentile scores must range from 1 to 99." << "percentileFld";
    QTest::newRow("CEEB below range")
        << QStringList{"greFld=199"} << "" << false
        << "CEEB scores must range from 200 to 800." << "greFld";
    QTest::newRow("two raw fields only")
        << QStringList{"rawFld=115", "rawmeanFld=100"} << "" << false
        << QString::fromLatin1(conversion::kNothingToCalculateMessage) << "rawFld";
}

void TestConverter::calculate()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, shown);
    QFETCH(bool, legend);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    fill(typed);
    const QStringList before = texts();
    press("CalculateBtn");

    QCOMPARE(m_messages, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(focused()->objectName(), focus);
    QCOMPARE(m_wnd->IsVisible("boundtext"), legend);
    if (shown.isEmpty()) {
        QCOMPARE(texts(), before);
        QCOMPARE(Module1::dirty, std::string());
    } else {
        QCOMPARE(results(), shown);
        QCOMPARE(Module1::dirty, std::string("yes"));
    }
}

void TestConverter::failedPressKeepsEarlierResults()
{
    fill({"tFld=99"});
    press("CalculateBtn");
    QVERIFY(m_wnd->IsVisible("boundtext"));
    QCOMPARE(text("greFld"), QStringLiteral("800*"));
    QTest::keyClick(field("greFld"), Qt::Key_End);
    QTest::keyClick(field("greFld"), Qt::Key_5); // the result is over the limit already
    QCOMPARE(text("greFld"), QStringLiteral("800*"));

    // Select the percentile and type over it: no clearing, then a refusal.
    m_wnd->SetFocus("percentileFld");
    QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(focused(), "0");
    const QStringList before = texts();
    QCOMPARE(before.at(8), QStringLiteral("0"));

    press("CalculateBtn");
    QCOMPARE(m_messages, QStringList{"Percentile scores must range from 1 to 99."});
    QCOMPARE(texts(), before);
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

void TestConverter::layoutMatchesTheDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // in the content area
    QTest::addColumn<bool>("inFrame"); // a child of Rectangle1

    QTest::newRow("Rectangle1") << "Rectangle1" << QRect(50, 85, 430, 75) << false;
    QTest::newRow("ClearBtn") << "ClearBtn" << QRect(417, 390, 70, 30) << false;
    QTest::newRow("rawFld") << "rawFld" << QRect(70, 105, 80, 22) << true;
    QTest::newRow("rawmeanFld") << "rawmeanFld" << QRect(226, 105, 80, 22) << true;
    QTest::newRow("rawsdFld") << "rawsdFld" << QRect(380, 105, 80, 22) << true;
    QTest::newRow("zFld") << "zFld" << QRect(70, 197, 80, 22) << false;
    QTest::newRow("tFld") << "tFld" << QRect(226, 197, 80, 22) << false;
    QTest::newRow("wechslerFld") << "wechslerFld" << QRect(380, 197, 80, 22) << false;
    QTest::newRow("nceFld") << "nceFld" << QRect(70, 259, 80, 22) << false;
    QTest::newRow("greFld") << "greFld" << QRect(226, 259, 80, 22) << false;
    QTest::newRow("CalculateBtn") << "CalculateBtn" << QRect(45, 390, 80, 30) << false;
    QTest::newRow("Canvas1") << "Canvas1" << QRect(11, 3, 510, 36) << false;
    QTest::newRow("StaticText1") << "StaticText1" << QRect(70, 219, 80, 20) << false;
    QTest::newRow("StaticText2") << "StaticText2" << QRect(226, 219, 80, 20) << false;
    QTest::newRow("StaticText3") << "StaticText3" << QRect(380, 219, 80, 20) << false;
    QTest::newRow("StaticText4") << "StaticText4" << QRect(70, 281, 80, 20) << false;
    QTest::newRow("StaticText5") << "StaticText5" << QRect(226, 281, 80, 20) << false;
    QTest::newRow("percentileFld") << "percentileFld" << QRect(226, 320, 80, 22) << false;
    QTest::newRow("percentileTxt") << "percentileTxt" << QRect(226, 343, 80, 20) << false;
    QTest::newRow("Canvas2") << "Canvas2" << QRect(250, 388, 32, 32) << false;
    QTest::newRow("cTxt") << "cTxt" << QRect(1, 35, 534, 20) << false;
    QTest::newRow("rawTxt") << "rawTxt" << QRect(70, 128, 80, 20) << true;
    QTest::newRow("rawmeanTxt") << "rawmeanTxt" << QRect(216, 128, 100, 20) << true;
    QTest::newRow("rawsdTxt") << "rawsdTxt" << QRect(370, 128, 100, 20) << true;
    QTest::newRow("StaticText6") << "StaticText6" << QRect(380, 281, 80, 20) << false;
    QTest::newRow("agctFld") << "agctFld" << QRect(380, 259, 80, 22) << false;
    QTest::newRow("boundtext") << "boundtext" << QRect(380, 320, 100, 28) << false;
}

// Where each control stands, written out here rather than taken from the
// window's table. A centred label may grow evenly on both sides where the
// font is wider than the one the layout was drawn for; its middle stays.
void TestConverter::layoutMatchesTheDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(bool, inFrame);
    QWidget *control = m_wnd->control(name.toStdString());
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), inFrame ? m_wnd->control("Rectangle1") : m_wnd->content());
    const QRect actual(control->mapTo(m_wnd->content(), QPoint(0, 0)), control->size());
    const auto *label = qobject_cast<QLabel *>(control);
    if (label && (label->alignment() & Qt::AlignHCenter) && actual.width() > place.width()) {
        QCOMPARE(actual.top(), place.top());
        QCOMPARE(actual.height(), place.height());
        const int doubledMiddle = 2 * actual.left() + actual.width();
        QVERIFY2(qAbs(doubledMiddle - (2 * place.left() + place.width())) <= 1,
                 qPrintable(QStringLiteral("%1 grew off its middle: left %2, width %3")
                                .arg(name).arg(actual.left()).arg(actual.width())));
        return;
    }
    QCOMPARE(actual, place);
}

void TestConverter::editCommandKeysAreNotTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("rawAfter");
    QTest::addColumn<QString>("clipboardAfter");
    QTest::newRow("select all") << "Ctrl+A" << "" << "115" << "";
    QTest::newRow("copy") << "Ctrl+A, Ctrl+C" << "" << "115" << "115";
    QTest::newRow("cut") << "Ctrl+A, Ctrl+X" << "" << "" << "115";
    QTest::newRow("paste") << "Ctrl+A, Ctrl+V" << "120" << "120" << "120";
    QTest::newRow("undo") << "Ctrl+A, Ctrl+X, Ctrl+Z" << "" << "115" << "115";
    QTest::newRow("redo") << "Ctrl+A, Ctrl+X, Ctrl+Z, Ctrl+Shift+Z" << "" << "" << "115";
}

// After a calculation the results stay: the keys run the field's editing
// commands and never reach the keystroke rule, which would empty them.
void TestConverter::editCommandKeysAreNotTyping()
{
    QFETCH(QString, keys);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, rawAfter);
    QFETCH(QString, clipboardAfter);
    fill({"rawFld=115", "rawmeanFld=100", "rawsdFld=15"});
    press("CalculateBtn");
    const QString shown = results();
    QCOMPARE(shown, QStringLiteral("+1.0 60 115 71 600 120 84"));
    QGuiApplication::clipboard()->setText(clipboardBefore);
    m_wnd->SetFocus("rawFld");
    const int beeps = fw::beepCount();

    const QKeySequence sequence(keys, QKeySequence::PortableText);
    for (int i = 0; i < sequence.count(); ++i)
        QTest::keyClick(field("rawFld"), sequence[i].key(), sequence[i].keyboardModifiers());

    QCOMPARE(text("rawFld"), rawAfter);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
    QCOMPARE(results(), shown);
    QCOMPARE(fw::beepCount(), beeps);
}

void TestConverter::inputMethodTextPassesTheRule_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<bool>("dirty");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<bool>("agctEmptied");
    QTest::newRow("composed letter in T") << "tFld" << "\u00e9" << false << "" << 1 << false;
    QTest::newRow("digit and letter in T") << "tFld" << "5\u00e9" << false << "5" << 1 << false;
    QTest::newRow("over the limit in T") << "tFld" << "123" << false << "12" << 0 << false;
    QTest::newRow("sign and point in z") << "zFld" << "-1.5" << false << "-1.5" << 0 << false;
    QTest::newRow("full-width digit in raw") << "rawFld" << "\uff15" << false << "" << 1 << false;
    QTest::newRow("raw after a calculation") << "rawFld" << "1" << true << "1" << 0 << true;
    QTest::newRow("refused in raw after a calculation")
        << "rawFld" << "\u00e9" << true << "" << 1 << true;
    QTest::newRow("T after a calculation") << "tFld" << "5" << true << "5" << 0 << false;
}

// Text that an input method, a compose key or a dead key commits is typed
// character by character through the same rule as keys.
void TestConverter::inputMethodTextPassesTheRule()
{
    QFETCH(QString, name);
    QFETCH(QString, committed);
    QFETCH(bool, dirty);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    QFETCH(bool, agctEmptied);
    m_wnd->SetText("agctFld", "7");
    Module1::dirty = dirty ? "yes" : "no";
    m_wnd->SetFocus(name.toStdString());
    const int before = fw::beepCount();

    QInputMethodEvent commit;
    commit.setCommitString(committed);
    QCoreApplication::sendEvent(field(name), &commit);

    QCOMPARE(text(name), kept);
    QCOMPARE(fw::beepCount() - before, beeps);
    QCOMPARE(text("agctFld").isEmpty(), agctEmptied);
}

QTEST_MAIN(TestConverter)
#include "tst_gui_converter.moc"
