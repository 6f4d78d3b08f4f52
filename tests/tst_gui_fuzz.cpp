// The converter window under long random use from fixed seeds: keys of every
// kind in every field, pastes of ordinary, odd, very long and 1 MB texts, and
// presses of Calculate and Clear. After every step no field shows a NaN or an
// infinity and no field holds more than its typing limit unless the program
// wrote that text; every press of Calculate agrees with the core.
#include "conversion/calculate.h"
#include "framework/beep.h"
#include "tests/converter_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <array>

namespace {

// The typing limits, in the fixture's field order.
constexpr int kLimits[] = {9, 9, 9, 5, 2, 3, 2, 3, 2, 3};
constexpr int kFieldCount = int(std::size(kLimits));

struct Stroke {
    int weight;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

// Digits weigh most so that calculations often succeed. No "n", "i" or "f"
// anywhere, typed or pasted: any "nan" or "inf" on screen is the program's.
const Stroke kStrokes[] = {
    {4, Qt::Key_0, kNone}, {4, Qt::Key_1, kNone}, {4, Qt::Key_2, kNone}, {4, Qt::Key_3, kNone},
    {4, Qt::Key_4, kNone}, {4, Qt::Key_5, kNone}, {4, Qt::Key_6, kNone}, {4, Qt::Key_7, kNone},
    {4, Qt::Key_8, kNone}, {4, Qt::Key_9, kNone},
    {6, Qt::Key_Period, kNone}, {4, Qt::Key_Minus, kNone}, {1, Qt::Key_Plus, kNone},
    {1, Qt::Key_Space, kNone}, {1, Qt::Key_E, kNone}, {1, Qt::Key_X, kNone},
    {1, Qt::Key_Comma, kNone},
    {5, Qt::Key_Backspace, kNone}, {3, Qt::Key_Delete, kNone},
    {3, Qt::Key_Left, kNone}, {3, Qt::Key_Right, kNone}, {1, Qt::Key_Up, kNone},
    {1, Qt::Key_Down, kNone}, {2, Qt::Key_Home, kNone}, {2, Qt::Key_End, kNone},
    {2, Qt::Key_Left, kShift}, {1, Qt::Key_Home, kShift}, {1, Qt::Key_End, kShift},
    {2, Qt::Key_A, kCtrl}, {1, Qt::Key_C, kCtrl}, {1, Qt::Key_X, kCtrl}, {2, Qt::Key_V, kCtrl},
    {2, Qt::Key_Z, kCtrl}, {1, Qt::Key_Z, kCtrl | kShift}, {1, Qt::Key_Y, kCtrl},
    {2, Qt::Key_Tab, kNone}, {1, Qt::Key_Backtab, kShift}, {1, Qt::Key_Return, kNone},
    {1, Qt::Key_Enter, Qt::KeypadModifier}, {1, Qt::Key_Escape, kNone},
};

QStringList pasteCorpus()
{
    return {"115", "100", "15", "0", "1", "50", "99", "200", "800", "7", "-1.5", "2.33", ".5",
            "6.99", "-6.99", "0.001", "12345.678", "-0", "", "-", ".", "--5", "1.2.3", " 42",
            "+3", "1e5", "1e999", "12abc", "x", "\u0663", "\uff11\uff12", "\U0001F600" "9",
            "5\n6", "\t7", QString(300, QLatin1Char('9')),
            QLatin1String("0.") + QString(300, QLatin1Char('0')) + QLatin1Char('1'),
            QLatin1Char('-') + QString(400, QLatin1Char('8')),
            QString(350, QLatin1Char('1')) + QLatin1String(".5"),
            QLatin1Char('1') + QString(320, QLatin1Char('0'))};
}

} // namespace

class TestFuzz : public QObject, private ConverterFixture {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase() { catchMessages(false); }

    void randomUse_data();
    void randomUse();

private:
    void trackProgramWrites();
    const Stroke &pickStroke();
    int pickField() { return int(m_rng.bounded(kFieldCount)); }
    void click(int i);
    void typeBurst();
    void paste(const QString &content);
    void fillIn();
    void pressCalculate();
    void pressClear();
    void checkScreen();

    QRandomGenerator m_rng;
    QStringList m_corpus;
    QString m_megabyte;
    QStringList m_recent;
    std::array<QString, kFieldCount> m_written; // what the program last wrote into each field
    std::array<bool, kFieldCount> m_edited{};
    int m_strokeWeights = 0;
};

void TestFuzz::initTestCase()
{
    m_corpus = pasteCorpus();
    m_megabyte = QStringLiteral("3141592653.5897932384-").repeated(50000).left(1 << 20);
    for (const QString &t : m_corpus + QStringList{m_megabyte})
        QVERIFY2(!t.contains(QRegularExpression(QStringLiteral("[nifNIF]"))), qPrintable(t));
    for (const Stroke &s : kStrokes)
        m_strokeWeights += s.weight;
    QVERIFY(openWindow());
    trackProgramWrites();
}

// A user's edit emits textEdited and then textChanged; a text the program
// sets emits textChanged alone.
void TestFuzz::trackProgramWrites()
{
    for (int i = 0; i < kFieldCount; ++i) {
        connect(field(kFields[i]), &QLineEdit::textEdited, this, [this, i] { m_edited[i] = true; });
        connect(field(kFields[i]), &QLineEdit::textChanged, this, [this, i](const QString &t) {
            if (!m_edited[i])
                m_written[i] = t;
            m_edited[i] = false;
        });
    }
}

void TestFuzz::init()
{
    QVERIFY(resetWindow());
    m_recent.clear();
    QGuiApplication::clipboard()->clear();
}

const Stroke &TestFuzz::pickStroke()
{
    int left = int(m_rng.bounded(m_strokeWeights));
    for (const Stroke &s : kStrokes) {
        left -= s.weight;
        if (left < 0)
            return s;
    }
    return kStrokes[0];
}

// At a random place in the field, as a user moves the caret.
void TestFuzz::click(int i)
{
    QWidget *target = field(kFields[i]);
    const QPoint at(int(m_rng.bounded(target->width())), target->height() / 2);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

// Keys into one field until the burst ends or Tab leaves the field. A
// refused key (a beep) must leave the field as it was.
void TestFuzz::typeBurst()
{
    const int i = pickField();
    click(i);
    m_recent << QLatin1String("keys in ") + QLatin1String(kFields[i]) + QLatin1Char(':');
    for (int n = 1 + int(m_rng.bounded(6)); n > 0; --n) {
        const Stroke &s = pickStroke();
        m_recent.last() += QLatin1Char(' ') + QKeySequence(s.key | s.modifiers).toString();
        const QString before = text(kFields[i]);
        const int beeps = fw::beepCount();
        QTest::keyClick(field(kFields[i]), s.key, s.modifiers);
        QVERIFY2(fw::beepCount() == beeps || text(kFields[i]) == before,
                 "a refused key changed the field");
        if (s.key == Qt::Key_Tab || s.key == Qt::Key_Backtab)
            return;
    }
}

void TestFuzz::paste(const QString &content)
{
    const int i = pickField();
    click(i);
    if (m_rng.bounded(2))
        QTest::keyClick(field(kFields[i]), Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(content);
    QTest::keyClick(field(kFields[i]), Qt::Key_V, Qt::ControlModifier);
    m_recent << QStringLiteral("paste into %1 of %2 characters: %3")
                    .arg(QLatin1String(kFields[i])).arg(content.size()).arg(content.left(24));
}

// Short numbers typed over the whole text of a few fields, as a user fills
// in the form: this makes coincidences such as a raw score equal to its
// mean with an sd of 0 likely.
void TestFuzz::fillIn()
{
    static const char *const kNumbers[] = {"0", "1", "00", ".", "0.0", "-0", "5", "15", "50",
                                           "100", "-1", "99", "9", "1.5", "115"};
    m_recent << QStringLiteral("fill in");
    for (int n = 1 + int(m_rng.bounded(3)); n > 0; --n) {
        const int i = pickField();
        const char *number = kNumbers[m_rng.bounded(int(std::size(kNumbers)))];
        click(i);
        QTest::keyClick(field(kFields[i]), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field(kFields[i]), QLatin1String(number));
        m_recent.last() += QStringLiteral(" %1=%2").arg(QLatin1String(kFields[i]), QLatin1String(number));
    }
}

void TestFuzz::pressCalculate()
{
    const QStringList before = texts();
    conversion::FieldTexts read;
    read.raw = before[0].toStdString();
    read.rawMean = before[1].toStdString();
    read.rawSd = before[2].toStdString();
    const auto &scales = conversion::scaleTable();
    for (int p = conversion::Z; p <= conversion::Percentile; ++p)
        read.score[p] = m_wnd->Text(scales[p].field);
    const conversion::Outcome outcome = conversion::calculate(read);

    m_messages.clear();
    press("CalculateBtn");
    m_recent << QStringLiteral("Calculate");
    if (outcome.refused) {
        QCOMPARE(texts(), before);
        QCOMPARE(m_messages, QStringList{QString::fromStdString(outcome.message)});
        if (!outcome.focusField.empty())
            QCOMPARE(focused(), field(QString::fromStdString(outcome.focusField)));
        return;
    }
    QCOMPARE(m_messages, QStringList());
    QCOMPARE(texts().mid(0, 3), before.mid(0, 3));
    for (int p = conversion::Z; p <= conversion::Percentile; ++p)
        QCOMPARE(m_wnd->Text(scales[p].field), outcome.results[p]);
    QCOMPARE(m_wnd->IsVisible("boundtext"), outcome.legendVisible);
    QCOMPARE(Module1::dirty, std::string("yes"));
}

void TestFuzz::pressClear()
{
    press("ClearBtn");
    m_recent << QStringLiteral("Clear");
    QCOMPARE(texts(), QStringList(kFieldCount, QString()));
    QVERIFY(!m_wnd->IsVisible("boundtext"));
    QCOMPARE(Module1::dirty, std::string("no"));
    QCOMPARE(focused(), field("rawFld"));
}

// Calculate's results run at most one character ("*") past a field's limit,
// and any edit of them deletes, so a text over the limit can only be the
// program's own, whole or brought back by undo.
void TestFuzz::checkScreen()
{
    static const QRegularExpression notANumber(QStringLiteral("nan|inf"),
                                               QRegularExpression::CaseInsensitiveOption);
    for (int i = 0; i < kFieldCount; ++i) {
        const QString shown = text(kFields[i]);
        const QString where = QLatin1String(kFields[i]) + QLatin1String(" shows ") + shown.left(40);
        QVERIFY2(!shown.contains(notANumber), qPrintable(where));
        QVERIFY2(shown.toUcs4().size() <= kLimits[i] || shown == m_written[i], qPrintable(where));
    }
}

void TestFuzz::randomUse_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("megabytePastes");
    QTest::newRow("seed 1") << quint32(1) << 3000 << 2;
    QTest::newRow("seed 1994") << quint32(1994) << 3000 << 1;
    QTest::newRow("seed 65537") << quint32(65537) << 3000 << 1;
    QTest::newRow("seed 424242") << quint32(424242) << 3000 << 0;
}

void TestFuzz::randomUse()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QFETCH(int, megabytePastes);
    m_rng.seed(seed);
    QList<int> megabyteSteps;
    for (int n = 0; n < megabytePastes; ++n)
        megabyteSteps << int(m_rng.bounded(steps));

    for (int step = 0; step < steps && !QTest::currentTestFailed(); ++step) {
        const int roll = int(m_rng.bounded(100));
        if (megabyteSteps.contains(step))
            paste(m_megabyte);
        else if (roll < 50)
            typeBurst();
        else if (roll < 62)
            fillIn();
        else if (roll < 78)
            paste(m_corpus.at(int(m_rng.bounded(m_corpus.size()))));
        else if (roll < 94)
            pressCalculate();
        else
            pressClear();
        if (!QTest::currentTestFailed())
            checkScreen();
        if (QTest::currentTestFailed())
            qWarning("step %d; the last steps:\n  %s", step,
                     qPrintable(m_recent.mid(qMax(0, m_recent.size() - 12)).join(QLatin1String("\n  "))));
    }
}

QTEST_MAIN(TestFuzz)
#include "tst_gui_fuzz.moc"
