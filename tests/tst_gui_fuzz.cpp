// The converter window under long random use from fixed seeds: keys of every
// kind in every field, pastes of ordinary, odd, very long and 1 MB texts, and
// presses of Calculate and Clear. After every step no field shows a NaN or an
// infinity and no field holds more than its typing limit unless the program
// wrote that text; every press of Calculate agrees with the core.
#include "conversion/calculate.h"
#include "converter_window/control_wnd.h"
#include "converter_window/module1.h"
#include "framework/application.h"
#include "framework/beep.h"
#include "framework/entry_field.h"
#include "framework/implicit_window.h"
#include "framework/message_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <array>

namespace {

struct FieldLimit {
    const char *name;
    int limit;
};

constexpr FieldLimit kFields[] = {
    {"rawFld", 9}, {"rawmeanFld", 9}, {"rawsdFld", 9}, {"zFld", 5}, {"tFld", 2},
    {"wechslerFld", 3}, {"nceFld", 2}, {"greFld", 3}, {"percentileFld", 2}, {"agctFld", 3},
};
constexpr int kFieldCount = int(std::size(kFields));
using Texts = std::array<QString, kFieldCount>;

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
    QStringList texts{
        "115", "100", "15", "0", "1", "50", "99", "200", "800", "7", "-1.5", "2.33", ".5",
        "6.99", "-6.99", "0.001", "12345.678", "-0", "", "-", ".", "--5", "1.2.3", " 42", "+3",
        "1e5", "1e999", "12abc", "x", "\u0663", "\uff11\uff12", "\U0001F600" "9", "5\n6", "\t7",
    };
    texts << QString(300, QLatin1Char('9'))
          << QLatin1String("0.") + QString(300, QLatin1Char('0')) + QLatin1Char('1')
          << QLatin1Char('-') + QString(400, QLatin1Char('8'))
          << QString(350, QLatin1Char('1')) + QLatin1String(".5")
          << QLatin1Char('1') + QString(320, QLatin1Char('0'));
    return texts;
}

QString megabyteText()
{
    const QString digits = QStringLiteral("3141592653.5897932384-");
    QString text;
    text.reserve(1 << 20);
    while (text.size() < (1 << 20))
        text += digits;
    text.truncate(1 << 20);
    return text;
}

bool showsNotANumber(const QString &text)
{
    return text.contains(QLatin1String("nan"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("inf"), Qt::CaseInsensitive);
}

} // namespace

class TestFuzz : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void randomUse_data();
    void randomUse();

private:
    void trackProgramWrites();
    const Stroke &pickStroke();
    int pickField() { return int(m_rng.bounded(kFieldCount)); }
    void focusField(int field);
    QString typeBurst();
    QString paste(const QString &content);
    QString fillIn();
    QString pressCalculate();
    QString pressClear();
    QString faultOnScreen() const;
    QString faultAfterRefusal(const conversion::Outcome &outcome, const Texts &before) const;
    QString faultAfterResults(const conversion::Outcome &outcome, const Texts &before) const;

    fw::EntryField *field(int i) const { return m_wnd->entryField(kFields[i].name); }
    QString text(int i) const { return field(i)->text(); }
    Texts texts() const;

    ControlWnd *m_wnd = nullptr;
    QRandomGenerator m_rng;
    QStringList m_corpus;
    QString m_megabyte;
    QStringList m_messages;
    QStringList m_recent;
    Texts m_written; // what the program last wrote into each field
    std::array<bool, kFieldCount> m_edited{};
    int m_strokeWeights = 0;
};

void TestFuzz::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    fw::setQuitHook([](int) {});
    fw::setMsgBoxHook([this](const std::string &message) {
        m_messages << QString::fromStdString(message);
    });
    m_corpus = pasteCorpus();
    m_megabyte = megabyteText();
    for (const QString &t : m_corpus + QStringList{m_megabyte})
        QVERIFY2(!t.contains(QRegularExpression(QStringLiteral("[nifNIF]"))), qPrintable(t));
    for (const Stroke &s : kStrokes)
        m_strokeWeights += s.weight;
    m_wnd = fw::implicitWindow<ControlWnd>();
    QVERIFY(m_wnd);
    QVERIFY(QTest::qWaitForWindowActive(m_wnd));
    trackProgramWrites();
}

// A user's edit emits textEdited and then textChanged; a text the program
// sets emits textChanged alone.
void TestFuzz::trackProgramWrites()
{
    for (int i = 0; i < kFieldCount; ++i) {
        connect(field(i), &QLineEdit::textEdited, this, [this, i] { m_edited[i] = true; });
        connect(field(i), &QLineEdit::textChanged, this, [this, i](const QString &t) {
            if (!m_edited[i])
                m_written[i] = t;
            m_edited[i] = false;
        });
    }
}

void TestFuzz::init()
{
    if (!m_wnd->isActiveWindow())
        m_wnd->Show();
    QVERIFY(QTest::qWaitForWindowActive(m_wnd));
    for (const FieldLimit &f : kFields)
        m_wnd->SetText(f.name, std::string());
    m_wnd->SetVisible("boundtext", false);
    m_wnd->SetFocus("rawFld");
    Module1::dirty.clear();
    m_messages.clear();
    m_recent.clear();
    QGuiApplication::clipboard()->clear();
}

void TestFuzz::cleanupTestCase()
{
    fw::setMsgBoxHook(nullptr);
}

Texts TestFuzz::texts() const
{
    Texts all;
    for (int i = 0; i < kFieldCount; ++i)
        all[i] = text(i);
    return all;
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

// A click at a random place in the field, as a user moves the caret.
void TestFuzz::focusField(int i)
{
    QWidget *target = field(i);
    const QPoint at(int(m_rng.bounded(target->width())), target->height() / 2);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
}

// Keys into one field until the burst ends or Tab leaves the field. A
// refused key (a beep) must leave the field as it was.
QString TestFuzz::typeBurst()
{
    const int i = pickField();
    focusField(i);
    QString log = QLatin1String("keys in ") + QLatin1String(kFields[i].name) + QLatin1Char(':');
    const int count = 1 + int(m_rng.bounded(6));
    for (int n = 0; n < count; ++n) {
        const Stroke &s = pickStroke();
        log += QLatin1Char(' ') + QKeySequence(s.key | s.modifiers).toString();
        const QString before = text(i);
        const int beeps = fw::beepCount();
        QTest::keyClick(field(i), s.key, s.modifiers);
        if (fw::beepCount() != beeps && text(i) != before)
            return log + QLatin1String(" | a refused key changed the field to ") + text(i);
        if (s.key == Qt::Key_Tab || s.key == Qt::Key_Backtab)
            break;
    }
    m_recent << log;
    return QString();
}

QString TestFuzz::paste(const QString &content)
{
    const int i = pickField();
    focusField(i);
    if (m_rng.bounded(2))
        QTest::keyClick(field(i), Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(content);
    QTest::keyClick(field(i), Qt::Key_V, Qt::ControlModifier);
    m_recent << QStringLiteral("paste into %1 of %2 characters: %3")
                    .arg(QLatin1String(kFields[i].name))
                    .arg(content.size())
                    .arg(content.left(24));
    return QString();
}

// Short numbers typed over the whole text of a few fields, as a user fills
// in the form: this makes coincidences such as a raw score equal to its
// mean with an sd of 0 likely.
QString TestFuzz::fillIn()
{
    static const char *const kNumbers[] = {"0", "1", "00", ".", "0.0", "-0", "5", "15", "50",
                                           "100", "-1", "99", "9", "1.5", "115"};
    QString log = QLatin1String("fill in");
    const int count = 1 + int(m_rng.bounded(3));
    for (int n = 0; n < count; ++n) {
        const int i = pickField();
        const char *number = kNumbers[m_rng.bounded(int(std::size(kNumbers)))];
        focusField(i);
        QTest::keyClick(field(i), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field(i), QLatin1String(number));
        log += QStringLiteral(" %1=%2").arg(QLatin1String(kFields[i].name), QLatin1String(number));
    }
    m_recent << log;
    return QString();
}

QString TestFuzz::pressCalculate()
{
    const Texts before = texts();
    conversion::FieldTexts read;
    read.raw = before[0].toStdString();
    read.rawMean = before[1].toStdString();
    read.rawSd = before[2].toStdString();
    const auto &scales = conversion::scaleTable();
    for (int p = conversion::Z; p <= conversion::Percentile; ++p)
        read.score[p] = m_wnd->Text(scales[p].field);
    const conversion::Outcome outcome = conversion::calculate(read);

    m_messages.clear();
    QTest::mouseClick(m_wnd->control("CalculateBtn"), Qt::LeftButton);
    m_recent << QLatin1String("Calculate");
    return outcome.refused ? faultAfterRefusal(outcome, before) : faultAfterResults(outcome, before);
}

QString TestFuzz::faultAfterRefusal(const conversion::Outcome &outcome, const Texts &before) const
{
    if (texts() != before)
        return QStringLiteral("a refused Calculate changed a field");
    if (m_messages != QStringList{QString::fromStdString(outcome.message)})
        return QLatin1String("messages shown: ") + m_messages.join(QLatin1String(" / "));
    const QWidget *focus = m_wnd->focusWidget();
    if (!outcome.focusField.empty()
        && (!focus || focus->objectName() != QString::fromStdString(outcome.focusField)))
        return QLatin1String("the focus is not in ") + QString::fromStdString(outcome.focusField);
    return QString();
}

QString TestFuzz::faultAfterResults(const conversion::Outcome &outcome, const Texts &before) const
{
    if (!m_messages.isEmpty())
        return QLatin1String("a message with results: ") + m_messages.join(QLatin1String(" / "));
    const Texts after = texts();
    for (int i = 0; i < 3; ++i)
        if (after[i] != before[i])
            return QLatin1String("Calculate changed ") + QLatin1String(kFields[i].name);
    const auto &scales = conversion::scaleTable();
    for (int p = conversion::Z; p <= conversion::Percentile; ++p) {
        const std::string shown = m_wnd->Text(scales[p].field);
        if (shown != outcome.results[p])
            return QStringLiteral("%1 shows %2, the core says %3")
                .arg(QString::fromUtf8(scales[p].field.data(), int(scales[p].field.size())),
                     QString::fromStdString(shown), QString::fromStdString(outcome.results[p]));
    }
    if (m_wnd->IsVisible("boundtext") != outcome.legendVisible)
        return QStringLiteral("the legend is wrongly shown or hidden");
    if (Module1::dirty != "yes")
        return QStringLiteral("the fields are not marked as results");
    return QString();
}

QString TestFuzz::pressClear()
{
    QTest::mouseClick(m_wnd->control("ClearBtn"), Qt::LeftButton);
    m_recent << QLatin1String("Clear");
    for (int i = 0; i < kFieldCount; ++i)
        if (!text(i).isEmpty())
            return QLatin1String("Clear left ") + QLatin1String(kFields[i].name);
    if (m_wnd->IsVisible("boundtext") || Module1::dirty != "no")
        return QStringLiteral("Clear left the legend or the results flag");
    return QString();
}

// Calculate's results run at most one character ("*") past a field's limit,
// and any edit of them deletes, so a text over the limit can only be the
// program's own, whole or brought back by undo.
QString TestFuzz::faultOnScreen() const
{
    for (int i = 0; i < kFieldCount; ++i) {
        const QString shown = text(i);
        if (showsNotANumber(shown))
            return QStringLiteral("%1 shows %2").arg(QLatin1String(kFields[i].name), shown);
        const qsizetype characters = shown.toUcs4().size();
        if (characters > kFields[i].limit && shown != m_written[i])
            return QStringLiteral("%1 holds %2 characters: %3")
                .arg(QLatin1String(kFields[i].name))
                .arg(characters)
                .arg(shown.left(40));
    }
    return QString();
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

    for (int step = 0; step < steps; ++step) {
        QString fault;
        const int roll = int(m_rng.bounded(100));
        if (megabyteSteps.contains(step))
            fault = paste(m_megabyte);
        else if (roll < 50)
            fault = typeBurst();
        else if (roll < 62)
            fault = fillIn();
        else if (roll < 78)
            fault = paste(m_corpus.at(int(m_rng.bounded(m_corpus.size()))));
        else if (roll < 94)
            fault = pressCalculate();
        else
            fault = pressClear();
        if (fault.isEmpty())
            fault = faultOnScreen();
        if (!fault.isEmpty()) {
            const QString recent = m_recent.mid(qMax(0, m_recent.size() - 12)).join(QLatin1String("\n  "));
            QFAIL(qPrintable(QStringLiteral("step %1: %2\nlast steps:\n  %3").arg(step).arg(fault, recent)));
        }
    }
}

QTEST_MAIN(TestFuzz)
#include "tst_gui_fuzz.moc"
