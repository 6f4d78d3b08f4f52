// Every number the Battery Sheet shows, copies or prints passes through
// here, and so takes the decimal mark of the language in use, the leading
// zero German writes (".05" -> "0,05") and no sign on a zero.
#pragma once

#include <QString>

#include <string>

namespace battery::numbers {

// A figure as the core writes it ("113", "-7.3", "<0.1", "1*"), on screen.
QString screen(const std::string &figure);
// On the printed page: a true minus sign.
QString page(const std::string &figure);

// A number of the scale table, a level or a tick, in its shortest form:
// "15", "95", "0.5"; a true minus sign.
QString plain(double value);
// A setting or a worked value: ".05", "95", "1.96".
QString fixed(double value, int decimals);
// A worked value as exactly as it is useful to read: seven significant
// digits, "1.959964", "13.14784".
QString exact(double value);
// Without a leading zero, as English writes proportions: ".05", ".857";
// German "0,05".
QString proportion(double value, int decimals);

} // namespace battery::numbers
