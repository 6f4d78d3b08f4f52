#include "text/plain_number.h"

#include "text/text_routines.h"

namespace text {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::optional<PlainNumberSpan> findPlainNumber(std::string_view text, NumberSyntax syntax)
{
    size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    size_t i = begin;
    if (i < end && (text[i] == '-' || (syntax.plusAllowed && text[i] == '+')))
        ++i;
    size_t mark = std::string_view::npos;
    bool digit = false;
    for (; i < end; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == syntax.decimalMark && mark == std::string_view::npos)
            mark = i;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    return PlainNumberSpan{begin, end, mark};
}

bool readPlainNumber(std::string_view text, NumberSyntax syntax, std::string &number)
{
    const std::optional<PlainNumberSpan> span = findPlainNumber(text, syntax);
    if (!span)
        return false;
    number.assign(text.data() + span->begin, span->end - span->begin);
    if (span->mark != std::string_view::npos)
        number[span->mark - span->begin] = '.';
    return true;
}

std::optional<double> plainNumberValue(std::string_view text, NumberSyntax syntax)
{
    std::string number;
    if (!readPlainNumber(text, syntax, number))
        return std::nullopt;
    return text::Val(number);
}

std::string spreadsheetCell(std::string_view cell)
{
    std::string out(cell);
    for (char &c : out)
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    const bool formula = !out.empty() && (out[0] == '=' || out[0] == '+' || out[0] == '-' || out[0] == '@');
    const auto isNumber = [&](char mark) {
        const std::optional<PlainNumberSpan> span = findPlainNumber(out, {mark, true});
        return span && span->begin == 0 && span->end == out.size();
    };
    if (formula && !isNumber('.') && !isNumber(','))
        out.insert(out.begin(), '\'');
    return out;
}

} // namespace text
