#include "text/text_routines.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace text {

namespace {

bool isContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

} // namespace

int Len(std::string_view text)
{
    int n = 0;
    for (unsigned char c : text)
        if (!isContinuationByte(c))
            ++n;
    return n;
}

int Asc(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto *s = reinterpret_cast<const unsigned char *>(text.data());
    const unsigned char lead = s[0];
    int extra = 0;
    int code = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        extra = 3;
        code = lead & 0x07;
    } else if (lead >= 0xE0) {
        extra = 2;
        code = lead & 0x0F;
    } else if (lead >= 0xC0) {
        extra = 1;
        code = lead & 0x1F;
    } else {
        return lead; // ASCII, or a stray continuation byte read as itself
    }
    if (text.size() <= static_cast<size_t>(extra))
        return lead;
    for (int i = 1; i <= extra; ++i) {
        if (!isContinuationByte(s[i]))
            return lead;
        code = (code << 6) | (s[i] & 0x3F);
    }
    return code;
}

std::string Chr(int code)
{
    std::string out;
    if (code < 0 || code > 0x10FFFF)
        return out;
    const auto cp = static_cast<unsigned>(code);
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return out;
}

double Val(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t start = i;
    bool seenPoint = false;
    bool seenDigit = false;
    bool nonZeroInteger = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            if (!seenPoint && c != '0')
                nonZeroInteger = true;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;

    double magnitude = 0.0;
    // from_chars is locale-independent: Qt sets the process locale from the
    // environment, which would turn strtod's decimal point into a comma.
    const auto result = std::from_chars(text.data() + start, text.data() + i, magnitude,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = nonZeroInteger ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

std::string Str(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, result.ptr);
}

namespace {

struct Mask {
    bool sign = false;      // "+": a sign always shown
    int integerZeros = 0;   // integer digits always shown ("0" before the point)
    int decimals = 0;       // digit places after the point
    int requiredDecimals = 0; // up to the last "0" after the point
};

Mask parseMask(std::string_view mask)
{
    Mask m;
    bool afterPoint = false;
    for (char c : mask) {
        if (c == '+') {
            m.sign = true;
        } else if (c == '.') {
            afterPoint = true;
        } else if (c == '#' || c == '0') {
            if (afterPoint) {
                ++m.decimals;
                if (c == '0')
                    m.requiredDecimals = m.decimals;
            } else if (c == '0') {
                ++m.integerZeros;
            }
        }
    }
    return m;
}

constexpr int kMaxDecimals = 4; // 10^4 keeps the scaled mantissa within 128 bits

// Writes |value| rounded to `decimals` places, half away from zero, on its
// exact binary value, as the digits of the scaled integer (at least
// decimals + 1 of them, zero-padded). Returns the digit count.
int roundedDigits(double magnitude, int decimals, char *out, int capacity)
{
    uint64_t pow10 = 1;
    for (int i = 0; i < decimals; ++i)
        pow10 *= 10;

    // magnitude = mantissa / 2^shift, read straight from the bits.
    uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= uint64_t{1} << 52;
    const int shift = biased == 0 ? 1074 : 1075 - biased;

    int count = 0;
    if (magnitude != 0.0 && shift <= 0) {
        // An integer too large for the fast path: write it exactly.
        const auto r = std::to_chars(out, out + capacity - decimals, magnitude,
                                     std::chars_format::fixed, 0);
        count = static_cast<int>(r.ptr - out);
        for (int i = 0; i < decimals; ++i)
            out[count++] = '0';
        return count;
    }

    unsigned __int128 whole = 0;
    if (magnitude != 0.0 && shift <= 120) { // beyond 120 it is far below half a unit
        const unsigned __int128 scaled = static_cast<unsigned __int128>(mantissa) * pow10;
        const unsigned __int128 one = 1;
        whole = scaled >> shift;
        const unsigned __int128 rest = scaled & ((one << shift) - 1);
        if (rest >= (one << (shift - 1)))
            ++whole;
    }
    char reversed[48];
    while (whole > UINT64_MAX) { // 128-bit division is slow: only for what 64 bits can't hold
        reversed[count++] = static_cast<char>('0' + static_cast<int>(whole % 10));
        whole /= 10;
    }
    auto small = static_cast<uint64_t>(whole);
    do {
        reversed[count++] = static_cast<char>('0' + static_cast<int>(small % 10));
        small /= 10;
    } while (small != 0);
    while (count < decimals + 1)
        reversed[count++] = '0';
    for (int i = 0; i < count; ++i)
        out[i] = reversed[count - 1 - i];
    return count;
}

} // namespace

std::string Format(double value, std::string_view mask)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const Mask m = parseMask(mask);
    const int decimals = m.decimals > kMaxDecimals ? kMaxDecimals : m.decimals;
    char digits[400];
    const int count = roundedDigits(std::fabs(value), decimals, digits, sizeof digits);
    const int integerCount = count - decimals;

    bool isZero = true;
    for (int i = 0; i < count && isZero; ++i)
        isZero = digits[i] == '0';

    // "#" integer places show only significant digits; "0" places always show.
    int firstInteger = 0;
    while (firstInteger < integerCount && digits[firstInteger] == '0')
        ++firstInteger;
    int shownInteger = integerCount - firstInteger;
    const int paddingZeros = m.integerZeros > shownInteger ? m.integerZeros - shownInteger : 0;

    int shownDecimals = decimals;
    while (shownDecimals > m.requiredDecimals && digits[integerCount + shownDecimals - 1] == '0')
        --shownDecimals;

    std::string out;
    out.reserve(static_cast<size_t>(count) + 4);
    if (!isZero && value < 0)
        out += '-';
    else if (m.sign)
        out += '+';
    out.append(static_cast<size_t>(paddingZeros), '0');
    out.append(digits + firstInteger, static_cast<size_t>(shownInteger));
    // A mask of "#" alone would write nothing for zero; a number is never blank.
    if (shownInteger + paddingZeros == 0 && shownDecimals == 0)
        out += '0';
    if (shownDecimals > 0) {
        out += '.';
        out.append(digits + integerCount, static_cast<size_t>(shownDecimals));
    }
    return out;
}

int Sign(double value)
{
    if (value > 0)
        return 1;
    if (value < 0)
        return -1;
    return 0;
}

Order Compare(std::string_view a, std::string_view b)
{
    const int c = a.compare(b);
    return c < 0 ? Order::Less : (c > 0 ? Order::Greater : Order::Equal);
}

} // namespace text
