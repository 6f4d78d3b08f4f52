#include "text/fixed_number.h"

#include <charconv>
#include <cmath>

#include "text/text_routines.h"

namespace text {

double fixedNumber(double value, int decimals, std::string &out)
{
    static constexpr NumberMask kMasks[] = {readMask("0"), readMask("0.0"), readMask("0.00"),
                                            readMask("0.000")};
    char text[kFormattedSize];
    out.assign(text, FormatInto(text, value, kMasks[decimals]));
    if (!std::isfinite(value)) {
        double shown = std::nan("");
        std::from_chars(out.data(), out.data() + out.size(), shown);
        return shown;
    }
    return Val(out); // the double nearest to the text
}

} // namespace text
