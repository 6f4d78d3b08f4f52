// Numbers as a report writes them and as a spreadsheet reads them. The
// cores write scores as the converter does ("-.25", "+1.0"); a page and its
// prose want a leading zero and a true minus sign ("−0.25"), while copied
// tab-separated text keeps the ASCII minus a spreadsheet reads as a number.
// Both use the decimal mark of the language in use ("−0,25" in German).
#pragma once

#include <QString>

#include <string>

namespace report {

// "-.25" -> "−0.25", "+.31" -> "+0.31", "+.0" -> "0.0", "<0.1" and
// "199*" unchanged.
QString pageNumber(const QString &shown);
QString pageNumber(const std::string &shown);
// "-.25" -> "-0.25": ASCII minus, with the leading zero.
QString sheetNumber(const std::string &shown);

// A computed figure with a fixed number of decimals, halves away from
// zero, in page style; plus puts "+" on a positive value.
QString pageDecimal(double value, int decimals, bool plus = false);

// A number written after an operator in a formula: in German bracketed
// when negative, "100 + 0,90 × (−67,5)".
QString term(const QString &number);

// A reliability or any figure that cannot exceed 1, with at least two
// decimals: 0.9 -> ".90", 0.955 -> ".955"; German writes the leading zero,
// "0,90".
QString proportion(double value);

} // namespace report
