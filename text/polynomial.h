// Horner's rule from the highest power down, one rounding per step: the
// published approximations of the normal curve were fitted for exactly this
// evaluation, and their results are compared bit for bit.
#pragma once

#include <cstddef>

namespace text {

template <std::size_t N>
double polynomial(const double (&coefficients)[N], double x)
{
    double value = coefficients[0];
    for (std::size_t i = 1; i < N; ++i)
        value = value * x + coefficients[i];
    return value;
}

} // namespace text
