// The fixed table of score scales and the normal-curve arithmetic that
// converts between them. Every formula is evaluated in a fixed order, one
// rounding per operation: some results are compared for exact equality.
#pragma once

#include <array>
#include <string_view>

namespace conversion {

enum Position : int {
    Raw = 0, Z = 1, T = 2, Wechsler = 3, Nce = 4, Ceeb = 5, Agct = 6, Percentile = 7
};
constexpr int kScaleCount = 8;

struct Scale {
    int position;
    std::string_view name;  // as the range messages write it
    std::string_view field; // entry field of the converter window
    double mean;
    double sd;
    double lowest;
    double highest;
    std::string_view mask;
};

// Positions 0..7. The raw row's mean and sd are placeholders: the user
// enters them for each calculation.
const std::array<Scale, kScaleCount> &scaleTable();

// One calculation's working set, built afresh per press of Calculate.
struct WorkingSet {
    std::array<double, kScaleCount> value{};
    std::array<double, kScaleCount> mean{};
    std::array<double, kScaleCount> sd{};
    std::array<double, kScaleCount> lowest{};
    std::array<double, kScaleCount> highest{};
    std::array<bool, kScaleCount> marked{};

    // Table columns filled in; mean[0] and sd[0] as given.
    WorkingSet(double rawMean, double rawSd);

    // Score v on linear scale a (0-6) as a score on linear scale b (1-6).
    double ConvertLinear(double v, int a, int b) const;

    // Holds value[i] inside its scale's bounds, marking it when moved.
    void ClampToScale(int i);
};

// z score to percentile on the 0-100 scale (not clamped).
double PercentileFromZ(double z);

// Percentile on the 0-100 scale to z score.
double ZFromPercentile(double percentile);

} // namespace conversion
