// A z score on each scale of an interpretation, by the rule of the scale's
// row in conversion::kScales.
#include "interpretation/interpretation.h"

#include <cmath>

#include "text/text_routines.h"

namespace interpretation {

namespace {

using conversion::Display;
using conversion::kScales;
using conversion::Scale;

constexpr int rowOf(int id)
{
    int n = 0;
    for (int row = 0; row < conversion::kAllScaleCount; ++row)
        if (kScales[row].interpreted && n++ == id)
            return row;
    return -1;
}

constexpr std::array<int, kScaleIdCount> kRowOf = [] {
    std::array<int, kScaleIdCount> rows{};
    for (int id = 0; id < kScaleIdCount; ++id)
        rows[id] = rowOf(id);
    return rows;
}();

// M_SQRT2, which a strict standard library need not declare.
constexpr double kSqrt2 = 1.41421356237309504880;

// A number in a mask of "#" alone, as text::Format writes it (std::round
// rounds halves away from zero on the exact value too), without the cost
// of the general mask: the batch converter writes several per row.
std::string wholeText(double v)
{
    if (!(std::fabs(v) < 1e15))
        return text::Format(v, "#");
    return std::to_string(static_cast<long long>(std::round(v)));
}

std::string shownText(double v, std::string_view mask)
{
    if (mask.find_first_not_of('#') == std::string_view::npos)
        return wholeText(v);
    return text::Format(v, mask);
}

ShownScore linear(const Scale &row, double z)
{
    double v = z * row.sd + row.mean;
    bool marked = false;
    if (v < row.lowest) {
        v = row.lowest;
        marked = true;
    }
    if (row.highest < v) {
        v = row.highest;
        marked = true;
    }
    ShownScore shown{shownText(v, row.mask), marked};
    if (marked)
        shown.text += '*';
    return shown;
}

// The band is counted from exact edge comparisons, not from a rounded
// z * sd + mean + 0.5: a z one ulp below an edge would round up into the
// band above.
ShownScore band(const Scale &row, double z)
{
    double value = row.lowest;
    for (double k = row.lowest + 1; k <= row.highest; k = k + 1) {
        const double edge = (k - 0.5 - row.mean) / row.sd;
        if (z < edge)
            break;
        value = k;
    }
    return {shownText(value, row.mask), false};
}

} // namespace

const Scale &scaleRow(ScaleId scale)
{
    return kScales[kRowOf[int(scale)]];
}

std::string_view scaleName(ScaleId scale)
{
    return scaleRow(scale).name;
}

std::string_view scaleColumn(ScaleId scale)
{
    return scaleRow(scale).column;
}

ShownScore showScore(ScaleId scale, double z)
{
    if (std::isnan(z))
        return {};
    const Scale &row = scaleRow(scale);
    switch (row.display) {
    case Display::Linear:
        return linear(row, z);
    case Display::Band:
        return band(row, z);
    case Display::PercentileRank:
        return {percentileRankText(z), false};
    case Display::None:
    case Display::Percentile:
        break;
    }
    return {};
}

double percentileRank(double z)
{
    return 50 * std::erfc(-z / kSqrt2);
}

std::string percentileRankText(double z)
{
    return rankText(percentileRank(z));
}

std::string rankText(double p)
{
    if (std::isnan(p))
        return {};
    // round(P) lies in 1..99 exactly when 0.5 <= P < 99.5 (halves go up).
    if (p >= 0.5 && p < 99.5)
        return wholeText(p);
    if (p < 0.1)
        return "<0.1";
    if (p > 99.9)
        return ">99.9";
    return text::Format(p, "0.0");
}

double standardScore(double z)
{
    const double s = z * 15 + 100;
    return std::round(s); // half away from zero on the exact value, as text::Format
}

} // namespace interpretation
