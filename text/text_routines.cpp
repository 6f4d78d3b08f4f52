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
    // Most numbers are short: their digits make an integer below 2^53 and
    // the point stands at most 22 places from the end, so that integer and
    // the power of ten are exact doubles and one division rounds correctly,
    // to the very double from_chars gives. The digits are gathered as they
    // are read (an integer of more than 19 of them is not used).
    const char *p = text.data() + i;
    const char *const end = text.data() + text.size();
    uint64_t digits = 0;
    int count = 0, places = 0;
    for (; p < end && unsigned(*p - '0') < 10; ++p, ++count)
        digits = digits * 10 + unsigned(*p - '0');
    const size_t integerEnd = size_t(p - text.data());
    if (p < end && *p == '.') {
        for (++p; p < end && unsigned(*p - '0') < 10; ++p, ++count, ++places)
            digits = digits * 10 + unsigned(*p - '0');
    }
    i = size_t(p - text.data());
    if (count == 0)
        return 0.0;
    static constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (count <= 19 && digits <= (uint64_t{1} << 53) && places <= 22) {
        const double magnitude = places == 0 ? double(digits) : double(digits) / kExactPowers[places];
        return negative ? -magnitude : magnitude;
    }
    bool nonZeroInteger = false;
    for (size_t k = start; k < integerEnd; ++k)
        nonZeroInteger = nonZeroInteger || text[k] != '0';

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

constexpr int kMaxDecimals = 4; // 10^4 keeps the scaled mantissa within 128 bits

// A finite, non-negative double as mantissa / 2^shift exactly, read
// straight from its bits.
struct BinaryParts {
    uint64_t mantissa;
    int shift;
};

BinaryParts binaryParts(double magnitude)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    uint64_t mantissa = bits & ((uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= uint64_t{1} << 52;
    return {mantissa, biased == 0 ? 1074 : 1075 - biased};
}

// Writes |value| rounded to `decimals` places, half away from zero, on its
// exact binary value, as the digits of the scaled integer (at least
// decimals + 1 of them, zero-padded). Returns the digit count.
int roundedDigits(double magnitude, int decimals, char *out, int capacity)
{
    uint64_t pow10 = 1;
    for (int i = 0; i < decimals; ++i)
        pow10 *= 10;

    const auto [mantissa, shift] = binaryParts(magnitude);

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

    const NumberMask m = readMask(mask);
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

namespace {

// "00".."99", for writing two digits at a time.
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr uint64_t kPowersOf10[] = {1, 10, 100, 1000, 10000};

// The number of decimal digits of n > 0.
int digitCount(uint64_t n)
{
    int count = 1;
    for (uint64_t limit = 10; n >= limit && count < 20; limit *= 10)
        ++count;
    return count;
}

// Writes the `count` digits of n, most significant first, two at a time.
void writeDigits(char *out, uint64_t n, int count)
{
    char *p = out + count;
    while (n >= 100) {
        const size_t pair = size_t(n % 100) * 2;
        n /= 100;
        p -= 2;
        p[0] = kDigitPairs[pair];
        p[1] = kDigitPairs[pair + 1];
    }
    if (n >= 10) {
        p -= 2;
        p[0] = kDigitPairs[n * 2];
        p[1] = kDigitPairs[n * 2 + 1];
    } else {
        *--p = char('0' + n);
    }
}

// The text of a rounded value, `whole` being it times 10^Decimals: the
// divisions by constants compile to multiplications.
template <int Decimals>
size_t writeRounded(char *out, uint64_t whole, bool minus, const NumberMask &m)
{
    constexpr uint64_t kScale = kPowersOf10[Decimals];
    const uint64_t integer = whole / kScale;
    uint64_t fraction = whole % kScale;
    size_t n = 0;
    if (minus && whole != 0)
        out[n++] = '-';
    else if (m.sign)
        out[n++] = '+';
    const int integerDigits = integer == 0 ? 0 : digitCount(integer);
    for (int i = integerDigits; i < m.integerZeros; ++i)
        out[n++] = '0';
    if (integerDigits > 0) {
        writeDigits(out + n, integer, integerDigits);
        n += size_t(integerDigits);
    }
    int shownDecimals = Decimals;
    while (shownDecimals > m.requiredDecimals && fraction % 10 == 0) {
        fraction /= 10;
        --shownDecimals;
    }
    // A mask of "#" alone would write nothing for zero; a number is never blank.
    if (integerDigits + m.integerZeros == 0 && shownDecimals == 0)
        out[n++] = '0';
    if (shownDecimals > 0) {
        out[n++] = '.';
        for (int i = shownDecimals; i-- > 0;) {
            out[n + size_t(i)] = char('0' + fraction % 10);
            fraction /= 10;
        }
        n += size_t(shownDecimals);
    }
    return n;
}


// Out of line, so that the quick path below saves no registers for it.
[[gnu::noinline]] size_t formatGenerally(char *out, double value, const NumberMask &m)
{
    std::string mask;
    if (m.sign)
        mask += '+';
    mask.append(size_t(m.integerZeros), '0');
    if (m.decimals > 0) {
        mask += '.';
        for (int i = 1; i <= m.decimals; ++i)
            mask += i <= m.requiredDecimals ? '0' : '#';
    }
    const std::string text = Format(value, mask);
    std::memcpy(out, text.data(), text.size());
    return text.size();
}

[[gnu::noinline]] size_t formatFraction(char *out, double value, const NumberMask &m)
{
    const double magnitude = std::fabs(value);
    // Rounded as roundedDigits does.
    const auto [mantissa, shift] = binaryParts(magnitude);
    uint64_t whole = 0;
    if (m.decimals <= 2) {
        // mantissa * 100 < 2^60: 64 bits hold it, and from a shift of 62 on
        // what is shifted out is less than half a unit.
        const uint64_t scaled = mantissa * kPowersOf10[m.decimals];
        if (shift < 62) { // below 1e15 shift is positive
            whole = scaled >> shift;
            if ((scaled & ((uint64_t{1} << shift) - 1)) >= (uint64_t{1} << (shift - 1)))
                ++whole;
        }
    } else if (magnitude != 0.0 && shift <= 120) {
        const unsigned __int128 scaled =
            static_cast<unsigned __int128>(mantissa) * kPowersOf10[m.decimals];
        const unsigned __int128 one = 1;
        unsigned __int128 rounded = scaled >> shift;
        if ((scaled & ((one << shift) - 1)) >= (one << (shift - 1)))
            ++rounded;
        whole = static_cast<uint64_t>(rounded);
    }
    const bool minus = value < 0;
    switch (m.decimals) {
    case 1:
        return writeRounded<1>(out, whole, minus, m);
    case 2:
        return writeRounded<2>(out, whole, minus, m);
    case 3:
        return writeRounded<3>(out, whole, minus, m);
    default:
        return writeRounded<4>(out, whole, minus, m);
    }
}

} // namespace

size_t FormatInto(char *out, double value, const NumberMask &m)
{
    const double magnitude = std::fabs(value);
    // Beyond 1e15 (and for NaN and the infinities) the general routine:
    // below it, the rounded value times 10^4 fits 64 bits.
    if (!(magnitude < 1e15) || m.decimals > kMaxDecimals)
        return formatGenerally(out, value, m);
    if (m.decimals > 0)
        return formatFraction(out, value, m);
    // Whole numbers, the most written: the fraction cut off a double below
    // 2^52 is exact, and so is its comparison with a half.
    const double integer = std::trunc(magnitude);
    const uint64_t whole = uint64_t(integer) + (magnitude - integer >= 0.5 ? 1 : 0);
    if (whole >= 1000 || m.integerZeros > 0)
        return writeRounded<0>(out, whole, value < 0, m);
    size_t n = 0;
    if (value < 0 && whole != 0)
        out[n++] = '-';
    else if (m.sign)
        out[n++] = '+';
    if (whole >= 100)
        out[n++] = char('0' + whole / 100);
    if (whole >= 10)
        out[n++] = char('0' + whole / 10 % 10);
    out[n++] = char('0' + whole % 10);
    return n;
}

size_t ShortestInto(char *out, double value, int &places)
{
    static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    const double magnitude = std::fabs(value);
    // With at most 15 significant digits no two decimals of one length read
    // back as the same double, so the one nearest value * 10^k is the only
    // candidate of k places; and once one of k places reads back, so does
    // one of every greater k. The fewest places, then, is the shortest text.
    const auto readsBack = [&](int k, double &scaled) {
        if (!(magnitude * kPowers[k] < 1e15))
            return false;
        // Off by one only beside a half, where no decimal of k places reads
        // back: then neither does this one.
        scaled = double(int64_t(magnitude * kPowers[k] + 0.5));
        return scaled / kPowers[k] == magnitude;
    };
    double scaled = 0;
    int k = -1;
    if (magnitude < 1e15 && double(int64_t(magnitude)) == magnitude) {
        scaled = magnitude; // a whole number, the most common: no division
        k = 0;
    } else if (magnitude < 1e9) {
        int guess = places >= 0 && places <= 9 ? places : 0;
        if (readsBack(guess, scaled)) {
            // One place fewer reads back only if this last digit is a 0.
            for (double fewer = 0; guess > 0 && int64_t(scaled) % 10 == 0 && readsBack(guess - 1, fewer);
                 --guess)
                scaled = fewer;
            k = guess;
        } else {
            for (int more = guess + 1; more <= 9 && k < 0; ++more)
                if (readsBack(more, scaled))
                    k = more;
        }
    }
    places = k;
    if (k < 0)
        return size_t(std::to_chars(out, out + kFormattedSize, value, std::chars_format::fixed).ptr - out);
    uint64_t whole = uint64_t(int64_t(scaled));
    const int count = std::max(digitCount(whole), k + 1); // 0.05: its leading zeros
    const size_t length = (std::signbit(value) ? 1 : 0) + size_t(count) + (k > 0 ? 1 : 0);
    if (std::signbit(value)) // "-0" too, as to_chars writes it
        out[0] = '-';
    char *p = out + length;
    for (int digit = 0; digit < count; ++digit) {
        if (digit == k && k > 0)
            *--p = '.';
        *--p = char('0' + whole % 10);
        whole /= 10;
    }
    return length;
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
