// The one reading of a number cell that quintaval-convert trusts: the cell
// is wholly a plain decimal number or it is not a number at all. Nothing is
// read from its leading digits, and no exponent, hexadecimal, infinity,
// grouping space or typographic minus passes; a spreadsheet cell showing
// "1e-3" or "1 000" must not become a score of 1.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace text {

struct NumberSyntax {
    char decimalMark = '.'; // '.' or ','; the other one is refused
    bool plusAllowed = false; // a leading '+', as the z scale writes it
};

// True when the text is optional spaces or tabs, an optional '-' (or '+'
// when allowed), digits with at most one decimal mark and at least one
// digit, and optional spaces or tabs. `number` then holds that number
// without the spaces and with '.' as its decimal point, as the conversion
// core reads it.
bool readPlainNumber(std::string_view text, NumberSyntax syntax, std::string &number);

// Where readPlainNumber finds the number in the text, without copying it:
// its first and past-the-end characters, and its decimal mark (npos: none).
struct PlainNumberSpan {
    size_t begin, end, mark;
};
std::optional<PlainNumberSpan> findPlainNumber(std::string_view text, NumberSyntax syntax);

// The value of such a text; nothing when the text is not one.
std::optional<double> plainNumberValue(std::string_view text, NumberSyntax syntax);

// A cell of tab-separated text for a spreadsheet. A text beginning with =,
// +, - or @ would be taken for a formula and gets an apostrophe before it;
// a number (with a point or a comma, signed or not) stays a number. A tab
// or a line break (\r too) inside becomes a space, so the cell stays one.
std::string spreadsheetCell(std::string_view cell);

} // namespace text
