#include "report_window/report_numbers.h"

#include "framework/language.h"
#include "text/text_routines.h"

#include <cmath>

namespace report {

namespace {

const QChar kMinus(0x2212);

// The leading zero, after any sign or comparison mark.
QString withLeadingZero(QString text)
{
    qsizetype at = 0;
    while (at < text.size() && QStringLiteral("+-<>").contains(text.at(at)))
        ++at;
    if (at < text.size() && text.at(at) == QLatin1Char('.'))
        text.insert(at, QLatin1Char('0'));
    return text;
}

} // namespace

QString pageNumber(const QString &shown)
{
    QString text = fw::writtenNumber(withLeadingZero(shown));
    if (text.startsWith(QLatin1Char('-')))
        text[0] = kMinus;
    return text;
}

QString pageNumber(const std::string &shown)
{
    return pageNumber(QString::fromStdString(shown));
}

QString sheetNumber(const std::string &shown)
{
    return fw::writtenNumber(withLeadingZero(QString::fromStdString(shown)));
}

QString pageDecimal(double value, int decimals, bool plus)
{
    if (std::isnan(value))
        return QString();
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("\u221e") : QString(kMinus) + QStringLiteral("\u221e");
    std::string mask = decimals > 0 ? "0." + std::string(std::size_t(decimals), '0') : "0";
    if (plus)
        mask.insert(0, 1, '+');
    return pageNumber(QString::fromStdString(text::Format(value, mask)));
}

QString term(const QString &number)
{
    if (fw::currentLanguage() != fw::Language::German)
        return number; // English pages stay as they were
    if (number.startsWith(kMinus) || number.startsWith(QLatin1Char('-')))
        return QLatin1Char('(') + number + QLatin1Char(')');
    return number;
}

QString proportion(double value)
{
    QString text = QString::number(value, 'f', 12);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    while (text.size() - point - 1 < 2)
        text += QLatin1Char('0');
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return fw::writtenNumber(text);
}

} // namespace report
