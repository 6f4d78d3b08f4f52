// A number with a leading zero and a fixed count of decimals, as
// text::Format writes it with the mask "0", "0.0", "0.00" or "0.000", at a
// fraction of the cost: the profile tables write millions of them.
#pragma once

#include <string>

namespace text {

// Writes the value, rounded to 0 to 3 decimals half away from zero on its
// exact binary value, into `out` ("-1.50", "0", "13.15"; no minus sign on a
// value that rounds to zero), and returns the number the text shows, the
// double nearest to it. NaN and infinities are written as Format writes them.
double fixedNumber(double value, int decimals, std::string &out);

} // namespace text
