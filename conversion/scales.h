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

// How a z score is shown on a scale.
enum class Display {
    None,           // the raw score: read, never written
    Linear,         // z * sd + mean, held at lowest/highest with "*", written with the mask
    Percentile,     // the converter's approximated percentile, reached only by Calculate
    Band,           // the whole band holding z * sd + mean (halves go up), limited to
                    // lowest..highest without "*"; the band edges must be exact doubles
    PercentileRank, // exact normal curve: "<0.1", "0.4", "1".."99", "99.7", ">99.9"
};

constexpr int kNoPosition = -1;

struct Scale {
    int position;           // in the converter, or kNoPosition
    std::string_view name;  // as the range messages and reports write it
    std::string_view field; // entry field of the converter window; empty for none
    double mean;
    double sd;
    double lowest;
    double highest;
    std::string_view mask;
    Display display = Display::None;
    std::string_view column; // column of quintaval-convert
    bool interpreted = false; // listed in an interpretation, in table order
};

// Every scale, in one table: the converter's positions 0..7 first, in order,
// then the scales only an interpretation shows. Interpreted rows follow the
// order of interpretation::ScaleId.
inline constexpr Scale kScales[] = {
    {Raw, "raw score", "rawFld", 0, 1, 0, 0, "", Display::None, "raw", false},
    {Z, "z", "zFld", 0, 1, -6.99, 6.99, "+#.0#", Display::Linear, "z", true},
    {T, "T", "tFld", 50, 10, 1, 99, "##", Display::Linear, "t", true},
    {Wechsler, "Wechsler IQ", "wechslerFld", 100, 15, 1, 199, "###", Display::Linear, "wechsler", true},
    {Nce, "NCE", "nceFld", 50, 21.06, 1, 99, "##", Display::Linear, "nce", true},
    {Ceeb, "CEEB", "greFld", 500, 100, 200, 800, "###", Display::Linear, "ceeb", true},
    {Agct, "AGCT", "agctFld", 100, 20, 1, 199, "###", Display::Linear, "agct", true},
    {Percentile, "Percentile", "percentileFld", 0, 0, 1, 99, "##", Display::Percentile, "percentile", false},
    {kNoPosition, "Scaled score", "", 10, 3, 1, 19, "##", Display::Linear, "scaled", true},
    {kNoPosition, "Stanine", "", 5, 2, 1, 9, "#", Display::Band, "stanine", true},
    {kNoPosition, "Sten", "", 5.5, 2, 1, 10, "##", Display::Band, "sten", true},
    {kNoPosition, "Percentile rank", "", 0, 0, 0, 100, "", Display::PercentileRank,
     "percentile_rank", true},
};
constexpr int kAllScaleCount = int(sizeof kScales / sizeof kScales[0]);

// The converter's rows, positions 0..7. The raw row's mean and sd are
// placeholders: the user enters them for each calculation.
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
