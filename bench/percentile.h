// The benchmarks' one summary of a run of timings.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

// The timing below which `share` of the runs fell (0.5: the median).
inline double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * double(values.size() - 1))];
}

} // namespace bench
