// The converter window driven as a user drives it: real key events into the
// fields, clicks on the buttons, and the fields read back.
#include "conversion/calculate.h"
#include "framework/beep.h"
#include "tests/converter_fixture.h"

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

QTEST_MAIN(TestConverter)
#include "tst_gui_converter.moc"
