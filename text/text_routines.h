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

// -1, 0 or 1.
int Sign(double value);

enum class Order { Less = -1, Equal = 0, Greater = 1 };

// Text comparison by character codes.
Order Compare(std::string_view a, std::string_view b);

} // namespace text
