#include "text/ascii.h"

namespace text {

namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

std::string lowerAscii(std::string_view text)
{
    std::string out(text);
    for (char &c : out)
        c = lower(c);
    return out;
}

std::string_view trimmed(std::string_view text)
{
    // A batch trims millions of short cells, most of them empty: a plain
    // loop costs a fraction of a search for a set of characters.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    size_t first = 0, end = text.size();
    while (first < end && blank(text[first]))
        ++first;
    if (first == end)
        return {};
    while (blank(text[end - 1]))
        --end;
    return text.substr(first, end - first);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool isValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
        const unsigned char c = byte(i);
        size_t length = 0;
        unsigned long code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF)
            length = 2, code = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            length = 3, code = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            length = 4, code = c & 0x07;
        else
            return false;
        if (text.size() - i < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (byte(i + k) & 0x3F);
        }
        const unsigned long least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace text
