#include <QRandomGenerator>
#include <QtTest>

#include <charconv>
#include <cstring>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "text/ascii.h"
#include "text/text_routines.h"

using namespace text;

Q_DECLARE_METATYPE(std::string)

class TextRoutinesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void val_data();
    void val();
    void valReadsHugeNumbersAsInfinity();
    void valIgnoresTheProcessLocale();
    void format_data();
    void format();
    void lengthAndCodes_data();
    void lengthAndCodes();
    void formatIntoWritesWhatFormatDoes();
    void valAgreesWithFromChars();
    void shortestIntoWritesWhatToCharsDoes();
    void trimmedCells_data();
    void trimmedCells();
};

// The fast formatter against the general one, bit for bit: halves and their
// neighbours one ulp either side, where rounding is decided, on every mask
// the scales use and a few more, across the magnitudes a double has.
void TextRoutinesTest::formatIntoWritesWhatFormatDoes()
{
    const char *const masks[] = {"+#.0#", "##", "###", "#", "0.0", "0.00", "+0.0000", "00#", "+#"};
    std::vector<double> values = {0.0, -0.0, 1e-320, 5e-324, 0.5, -0.5, 1e15, 999999999999999.9,
                                  -1e15, 1e300, std::nan(""), std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    QRandomGenerator random(11);
    for (int i = 0; i < 6000; ++i) {
        const double scale = std::pow(10.0, random.bounded(-6, 16));
        const double v = (random.generateDouble() - 0.3) * scale;
        values.push_back(v);
        const double tenths = std::round(v * 100) / 100;
        for (const double half : {tenths + 0.005, tenths + 0.05, tenths + 0.5, std::round(v) + 0.5})
            for (const double near : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e300)})
                values.push_back(near), values.push_back(-near);
    }
    char out[kFormattedSize];
    for (const char *mask : masks) {
        const NumberMask m = readMask(mask);
        for (const double v : values) {
            const std::string expected = Format(v, mask);
            const std::string written(out, FormatInto(out, v, m));
            QVERIFY2(written == expected, qPrintable(QString("%1 with %2: %3, Format gives %4")
                                                         .arg(v, 0, 'g', 17)
                                                         .arg(mask, written.c_str(), expected.c_str())));
        }
    }
}

// The quick shortest text is the very text to_chars writes.
void TextRoutinesTest::shortestIntoWritesWhatToCharsDoes()
{
    QRandomGenerator random(17);
    std::vector<double> values = {0.0, -0.0, 0.1, 0.3, 1.0 / 3, 57.12345, 1e-7, 123456789.5,
                                  999999999.999, 1e9, 1e15, 5e-324, 0.1 + 0.2, 40.5, -12.25};
    for (int i = 0; i < 100000; ++i) {
        const int places = random.bounded(0, 10);
        const double whole = double(random.bounded(0, 1000000));
        const double v = (whole + double(random.bounded(0, 1000000)) / 1e6) / std::pow(10.0, places);
        values.push_back(v);
        values.push_back(std::nextafter(v, 1e300));
        values.push_back(-std::round(v * 1e4) / 1e4);
    }
    char out[kFormattedSize], expected[kFormattedSize];
    int places = -1; // each number tried first with the places of the one before
    for (const double v : values) {
        const std::string written(out, ShortestInto(out, v, places));
        const std::string wanted(expected, std::to_chars(expected, expected + sizeof expected, v,
                                                         std::chars_format::fixed).ptr);
        QVERIFY2(written == wanted, qPrintable(QString("%1: %2, to_chars gives %3")
                                                   .arg(v, 0, 'g', 17)
                                                   .arg(written.c_str(), wanted.c_str())));
    }
}

// Val's quick reading of short numbers gives the double from_chars gives.
void TextRoutinesTest::valAgreesWithFromChars()
{
    QRandomGenerator random(5);
    std::vector<std::string> texts = {"0", "-0", "9007199254740993", "123456789012345",
                                      "1234567890123456", "0.1", "-.30000000000000004",
                                      "1.0000000000000000000000001", "4.9406564584124654e-324",
                                      "0.0000000000000000000001", "00000000000000000000000012.5"};
    for (int i = 0; i < 50000; ++i) {
        std::string text = random.bounded(2) ? "-" : "";
        const int whole = random.bounded(0, 17), fraction = random.bounded(0, 25);
        for (int d = 0; d < whole; ++d)
            text += char('0' + random.bounded(10));
        if (fraction > 0 || whole == 0)
            text += '.';
        for (int d = 0; d < fraction || (whole == 0 && d == 0); ++d)
            text += char('0' + random.bounded(10));
        texts.push_back(text);
    }
    for (const std::string &text : texts) {
        if (text.find('e') != std::string::npos)
            continue;
        const bool minus = text[0] == '-';
        double expected = 0;
        std::from_chars(text.data() + (minus ? 1 : 0), text.data() + text.size(), expected,
                        std::chars_format::fixed);
        if (minus)
            expected = -expected;
        const double read = Val(text);
        QVERIFY2(std::memcmp(&expected, &read, sizeof read) == 0, text.c_str());
    }
}

void TextRoutinesTest::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("digits then letters") << "12abc" << 12.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("leading spaces") << "   42" << 42.0;
    QTest::newRow("leading tab") << "\t42" << 42.0;
    QTest::newRow("tabs and spaces before a sign") << " \t \t-7.5" << -7.5;
    QTest::newRow("negative decimal") << "-1.96" << -1.96;
    QTest::newRow("plus sign") << "+3" << 3.0;
    QTest::newRow("trailing point") << "12." << 12.0;
    QTest::newRow("no exponent") << "1e5" << 1.0;
    QTest::newRow("letters first") << "abc12" << 0.0;
    QTest::newRow("space after sign") << "- 5" << 0.0;
    QTest::newRow("minus in middle") << "5-3" << 5.0;
    QTest::newRow("tiny underflows to zero")
        << QString("0.") + QString(400, '0') + "1" << 0.0;
}

void TextRoutinesTest::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text.toStdString()), expected);
}

void TextRoutinesTest::valReadsHugeNumbersAsInfinity()
{
    const std::string digits(400, '9');
    QCOMPARE(Val(digits), std::numeric_limits<double>::infinity());
    QCOMPARE(Val("-" + digits + ".5"), -std::numeric_limits<double>::infinity());
    // Just below the largest double still reads as a finite number.
    QVERIFY(std::isfinite(Val("1" + std::string(307, '0'))));
}

void TextRoutinesTest::valIgnoresTheProcessLocale()
{
    // Qt sets the C locale from the environment; a comma locale must not
    // change how a point is read or written.
    const char *old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        std::setlocale(LC_NUMERIC, "C.UTF-8");
    QCOMPARE(Val("2.5"), 2.5);
    QCOMPARE(Str(6.99), std::string("6.99"));
    QCOMPARE(Format(-1.96, "+#.0#"), std::string("-1.96"));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

void TextRoutinesTest::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("expected");
    QTest::newRow("one") << 1.0 << "+#.0#" << "+1.0";
    QTest::newRow("ten thirds") << 10.0 / 3 << "+#.0#" << "+3.33";
    QTest::newRow("negative") << -1.96 << "+#.0#" << "-1.96";
    QTest::newRow("half drops integer zero") << 0.5 << "+#.0#" << "+.5";
    QTest::newRow("negative quarter") << -0.25 << "+#.0#" << "-.25";
    QTest::newRow("exact half away from zero") << 0.125 << "+#.0#" << "+.13";
    QTest::newRow("negative exact half") << -0.125 << "+#.0#" << "-.13";
    QTest::newRow("zero") << 0.0 << "+#.0#" << "+.0";
    QTest::newRow("negative zero") << -0.0 << "+#.0#" << "+.0";
    QTest::newRow("rounds to zero, no minus") << -0.001 << "+#.0#" << "+.0";
    QTest::newRow("stored below half") << 2.675 << "+#.0#" << "+2.67";
    QTest::newRow("carry into integer") << 6.999 << "+#.0#" << "+7.0";
    QTest::newRow("83.3") << 83.3 << "##" << "83";
    QTest::newRow("99.6") << 99.6 << "##" << "100";
    QTest::newRow("172.5") << 172.5 << "###" << "173";
    QTest::newRow("173.5") << 173.5 << "###" << "174";
    QTest::newRow("below half whole") << 0.49999999999999994 << "##" << "0";
    QTest::newRow("more digits than mask") << 12345.0 << "##" << "12345";
    QTest::newRow("huge integer") << 1e20 << "###" << "100000000000000000000";
    QTest::newRow("tiny") << 1e-300 << "+#.0#" << "+.0";
}

void TextRoutinesTest::format()
{
    QFETCH(double, value);
    QFETCH(QString, mask);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(Format(value, mask.toStdString())), expected);
}

void TextRoutinesTest::lengthAndCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("code");
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("digit") << "7" << 1 << 55;
    QTest::newRow("backspace") << QString(QChar(8)) << 1 << 8;
    QTest::newRow("two-byte") << QString::fromUtf8("é1") << 2 << 0xE9;
    QTest::newRow("three-byte") << QString::fromUtf8("€") << 1 << 0x20AC;
    QTest::newRow("four-byte") << QString::fromUtf8("\U0001F600x") << 2 << 0x1F600;
}

void TextRoutinesTest::lengthAndCodes()
{
    QFETCH(QString, text);
    QFETCH(int, length);
    QFETCH(int, code);
    const std::string utf8 = text.toStdString();
    QCOMPARE(Len(utf8), length);
    QCOMPARE(Asc(utf8), code);
    if (code != 0)
        QCOMPARE(Asc(Chr(code)), code);
}

// Spaces and tabs leave a cell at either end, nothing else does.
void TextRoutinesTest::trimmedCells_data()
{
    QTest::addColumn<QByteArray>("cell");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("blank") << QByteArray(" \t \t") << QByteArray();
    QTest::newRow("one character") << QByteArray("7") << QByteArray("7");
    QTest::newRow("both ends") << QByteArray("\t 12.5  ") << QByteArray("12.5");
    QTest::newRow("inside kept") << QByteArray(" Block  Design\t") << QByteArray("Block  Design");
    QTest::newRow("a line break stays") << QByteArray("x\n ") << QByteArray("x\n");
    QTest::newRow("no-break space stays") << QByteArray("\xc2\xa0x ") << QByteArray("\xc2\xa0x");
    QTest::newRow("a NUL stays") << QByteArray(" \0a", 3) << QByteArray("\0a", 2);
}

void TextRoutinesTest::trimmedCells()
{
    QFETCH(QByteArray, cell);
    QFETCH(QByteArray, expected);
    const std::string_view got = trimmed(std::string_view(cell.constData(), std::size_t(cell.size())));
    QCOMPARE(QByteArray(got.data(), qsizetype(got.size())), expected);
    // Within the cell it was given: the batch reads the rest of the line on.
    if (!got.empty()) {
        QVERIFY(got.data() >= cell.constData());
        QVERIFY(got.data() + got.size() <= cell.constData() + cell.size());
    }
}

QTEST_GUILESS_MAIN(TextRoutinesTest)
#include "tst_core_text.moc"
