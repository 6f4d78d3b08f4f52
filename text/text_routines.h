// Text and number routines of the framework layer. Qt-free and
// locale-independent: a decimal point is always ".", whatever the user's
// locale, so the same text always reads as the same number.
#pragma once

#include <string>
#include <string_view>

namespace text {

// Length in characters (UTF-8 code points) of a text.
int Len(std::string_view text);

// Code of the first character (a code point); 0 for the empty text.
int Asc(std::string_view text);

// One-character text of a code point.
std::string Chr(int code);

// The leading decimal number of a text: optional leading spaces, an optional
// sign, digits with at most one decimal point. 0 when there is none. A number
// too large for a double reads as an infinity of its sign, never as NaN.
double Val(std::string_view text);

// The shortest text that reads back as the same double ("6.99", "800").
std::string Str(double value);

// A double written with a mask of "+", "#", "0" and ".": "#" is a digit
// shown only where significant, "0" a digit always shown, "+" a sign always
// shown. The value is rounded to the mask's decimals on its exact binary
// value, an exact half away from zero; a value that rounds to zero carries
// no minus sign. Integer digits beyond the mask's are written all the same.
std::string Format(double value, std::string_view mask);

// A mask of Format, read once: a caller formatting many numbers with one
// mask reads it once and calls FormatInto.
struct NumberMask {
    bool sign = false;        // "+": a sign always shown
    int integerZeros = 0;     // integer digits always shown ("0" before the point)
    int decimals = 0;         // digit places after the point
    int requiredDecimals = 0; // up to the last "0" after the point
};

constexpr NumberMask readMask(std::string_view mask)
{
    NumberMask m;
    bool afterPoint = false;
    for (const char c : mask) {
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

// Room enough for any double written by FormatInto.
constexpr size_t kFormattedSize = 400;

// Writes exactly the text Format(value, mask) gives into `out` (room for
// kFormattedSize characters; 22 for a value below 1e15) and returns its
// length: the same rounding on the exact binary value, without building a
// string, for the numbers a file of scores holds by the million.
size_t FormatInto(char *out, double value, const NumberMask &mask);

// The shortest text in plain decimals (no exponent) that reads back as
// the same double, as std::to_chars(..., chars_format::fixed) writes it,
// into `out` (room for kFormattedSize characters); returns its length.
// Short decimals (most numbers people store) are written without the
// general algorithm.
// places: the decimals the last number of its kind took (-1: unknown),
// tried first; set to what this one took.
size_t ShortestInto(char *out, double value, int &places);
inline size_t ShortestInto(char *out, double value)
{
    int places = -1;
    return ShortestInto(out, value, places);
}

// -1, 0 or 1.
int Sign(double value);

enum class Order { Less = -1, Equal = 0, Greater = 1 };

// Text comparison by character codes.
Order Compare(std::string_view a, std::string_view b);

} // namespace text
