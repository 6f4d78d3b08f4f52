// A z score on each scale of an interpretation, by the rule of the scale's
// row in conversion::kScales.
#include "interpretation/interpretation.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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

constexpr std::array<text::NumberMask, kScaleIdCount> kMaskOf = [] {
    std::array<text::NumberMask, kScaleIdCount> masks{};
    for (int id = 0; id < kScaleIdCount; ++id)
        masks[id] = text::readMask(kScales[kRowOf[id]].mask);
    return masks;
}();

// Results are held at their scales' bounds, so their texts are short; a
// longer one (never seen) is cut rather than overrun the caller's room.
size_t copied(const std::string &text, char *out)
{
    const size_t size = std::min(text.size(), kShownSize);
    std::memcpy(out, text.data(), size);
    return size;
}

size_t shownText(double v, ScaleId scale, char *out)
{
    if (!(std::fabs(v) < 1e15))
        return copied(text::Format(v, kScales[kRowOf[int(scale)]].mask), out);
    return text::FormatInto(out, v, kMaskOf[int(scale)]);
}

size_t linear(ScaleId scale, const Scale &row, double z, char *out)
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
    size_t size = shownText(v, scale, out);
    if (marked)
        out[size++] = '*';
    return size;
}

// The band edges of each band scale, (k - 0.5 - mean) / sd for each band
// k above the lowest, worked out once: the same doubles every time.
struct BandEdges {
    std::array<double, 32> edge{};
    int count = 0;
};

const std::array<BandEdges, kScaleIdCount> &bandEdges()
{
    static const std::array<BandEdges, kScaleIdCount> edges = [] {
        std::array<BandEdges, kScaleIdCount> all{};
        for (int id = 0; id < kScaleIdCount; ++id) {
            const Scale &row = kScales[kRowOf[id]];
            if (row.display != Display::Band)
                continue;
            for (double k = row.lowest + 1; k <= row.highest && all[id].count < 32; k = k + 1)
                all[id].edge[size_t(all[id].count++)] = (k - 0.5 - row.mean) / row.sd;
        }
        return all;
    }();
    return edges;
}

// The band is counted from exact edge comparisons, not from a rounded
// z * sd + mean + 0.5: a z one ulp below an edge would round up into the
// band above.
size_t band(ScaleId scale, const Scale &row, double z, char *out)
{
    const BandEdges &edges = bandEdges()[size_t(scale)];
    double value = row.lowest;
    for (int i = 0; i < edges.count && !(z < edges.edge[size_t(i)]); ++i)
        value = row.lowest + 1 + i;
    return shownText(value, scale, out);
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

size_t showScoreInto(ScaleId scale, double z, char *out)
{
    if (std::isnan(z))
        return 0;
    const Scale &row = scaleRow(scale);
    switch (row.display) {
    case Display::Linear:
        return linear(scale, row, z, out);
    case Display::Band:
        return band(scale, row, z, out);
    case Display::PercentileRank:
        return percentileRankInto(z, out);
    case Display::None:
    case Display::Percentile:
        break;
    }
    return 0;
}

ShownScore showScore(ScaleId scale, double z)
{
    char text[kShownSize];
    ShownScore shown{std::string(text, showScoreInto(scale, z, text)), false};
    shown.marked = !shown.text.empty() && shown.text.back() == '*';
    return shown;
}

double percentileRank(double z)
{
    return 50 * std::erfc(-z / kSqrt2);
}

size_t percentileRankInto(double z, char *out)
{
    return rankInto(percentileRank(z), out);
}

size_t rankInto(double p, char *out)
{
    if (std::isnan(p))
        return 0;
    static constexpr text::NumberMask kWhole = text::readMask("#");
    static constexpr text::NumberMask kTenths = text::readMask("0.0");
    // round(P) lies in 1..99 exactly when 0.5 <= P < 99.5 (halves go up).
    if (p >= 0.5 && p < 99.5)
        return text::FormatInto(out, p, kWhole);
    if (p < 0.1)
        return copied("<0.1", out);
    if (p > 99.9)
        return copied(">99.9", out);
    return text::FormatInto(out, p, kTenths);
}

std::string rankText(double p)
{
    char text[kShownSize];
    return std::string(text, rankInto(p, text));
}

std::string percentileRankText(double z)
{
    char text[kShownSize];
    return std::string(text, percentileRankInto(z, text));
}

double standardScore(double z)
{
    const Scale &row = scaleRow(ScaleId::Wechsler);
    const double s = z * row.sd + row.mean;
    return std::round(s); // half away from zero on the exact value, as text::Format
}

} // namespace interpretation
