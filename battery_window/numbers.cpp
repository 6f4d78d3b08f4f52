#include "battery_window/numbers.h"

#include "framework/language.h"
#include "text/text_routines.h"

namespace battery::numbers {

QString screen(const std::string &figure)
{
    return fw::writtenNumber(figure);
}

QString page(const std::string &figure)
{
    QString text = fw::writtenNumber(figure);
    if (text.startsWith(QLatin1Char('-')))
        text[0] = QChar(0x2212);
    return text;
}

QString plain(double value)
{
    return page(text::Str(value));
}

QString fixed(double value, int decimals)
{
    std::string mask = "0";
    if (decimals > 0)
        mask += "." + std::string(std::size_t(decimals), '0');
    return page(text::Format(value, mask));
}

QString exact(double value)
{
    return page(QString::number(value, 'g', 7).toStdString());
}

QString proportion(double value, int decimals)
{
    return page(text::Format(value, "." + std::string(std::size_t(decimals), '0')));
}

} // namespace battery::numbers
