#include "text/fixed_number.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "text/text_routines.h"

namespace text {

// The value is m * 2^-shift with m below 2^53, and m * 10^3 stays below
// 2^63: the product is exact in 64 bits, and shifting it rounds the exact
// value. Beyond 10^15, Format writes it.
double fixedNumber(double value, int decimals, std::string &out)
{
    static constexpr uint64_t kPowers[] = {1, 10, 100, 1000};
    static constexpr const char *kMasks[] = {"0", "0.0", "0.00", "0.000"};
    const double magnitude = std::fabs(value);
    if (!(magnitude < 1e15)) {
        out = Format(value, kMasks[decimals]);
        double shown = std::nan("");
        std::from_chars(out.data(), out.data() + out.size(), shown);
        return shown;
    }
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = int(bits >> 52);
    uint64_t units = 0;
    if (biased != 0) { // a subnormal rounds to 0
        const uint64_t scaled = ((bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52))
                                * kPowers[decimals];
        const int shift = 1075 - biased; // at least 1 below 2^52
        if (shift < 64)
            units = (scaled >> shift) + ((scaled >> (shift - 1)) & 1); // halves away from 0
    }
    const bool negative = value < 0 && units != 0;
    char digits[24];
    int count = 0;
    for (uint64_t rest = units; rest != 0 || count <= decimals; rest /= 10)
        digits[count++] = char('0' + rest % 10);
    out.resize(size_t(count + negative + (decimals > 0)));
    char *text = out.data();
    if (negative)
        *text++ = '-';
    for (int i = count - 1; i >= 0; --i) {
        *text++ = digits[i];
        if (i == decimals && decimals > 0)
            *text++ = '.';
    }
    // Dividing and reading the text back both give the double nearest to
    // units / 10^decimals.
    const double shown = double(units) / double(kPowers[decimals]);
    return negative ? -shown : shown;
}

} // namespace text
