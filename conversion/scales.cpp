#include "conversion/scales.h"

#include <cmath>

#include "text/polynomial.h"

namespace conversion {

namespace {

constexpr bool convertersRowsInOrder()
{
    for (int i = 0; i < kScaleCount; ++i)
        if (kScales[i].position != i)
            return false;
    for (int i = kScaleCount; i < kAllScaleCount; ++i)
        if (kScales[i].position != kNoPosition)
            return false;
    return true;
}
static_assert(convertersRowsInOrder(), "the converter's positions lead the scale table");

} // namespace

const std::array<Scale, kScaleCount> &scaleTable()
{
    static const std::array<Scale, kScaleCount> table = [] {
        std::array<Scale, kScaleCount> rows{};
        for (int i = 0; i < kScaleCount; ++i)
            rows[i] = kScales[i];
        return rows;
    }();
    return table;
}

WorkingSet::WorkingSet(double rawMean, double rawSd)
{
    const auto &table = scaleTable();
    for (int i = 0; i < kScaleCount; ++i) {
        mean[i] = table[i].mean;
        sd[i] = table[i].sd;
        lowest[i] = table[i].lowest;
        highest[i] = table[i].highest;
    }
    mean[Raw] = rawMean;
    sd[Raw] = rawSd;
}

double WorkingSet::ConvertLinear(double v, int a, int b) const
{
    const double d = v - mean[a];
    const double z = d / sd[a];
    const double scaled = z * sd[b];
    return scaled + mean[b];
}

void WorkingSet::ClampToScale(int i)
{
    if (value[i] < lowest[i]) {
        value[i] = lowest[i];
        marked[i] = true;
    }
    if (highest[i] < value[i]) {
        value[i] = highest[i];
        marked[i] = true;
    }
}

double PercentileFromZ(double z)
{
    static constexpr double kCoefficients[] = {0.0000430638, 0.0002765672, 0.0001520143,
                                               0.0092705272, 0.0422820123, 0.0705230784, 1};
    const double product = 0.7071067812 * z;
    const double x = std::fabs(product);
    const double a = text::polynomial(kCoefficients, x);
    const double r = std::pow(a, -16.0);
    const double e = 1 - r;
    double p = e / 2 + 0.5;
    if (z < 0)
        p = 1 - p;
    return p * 100;
}

double ZFromPercentile(double percentile)
{
    const double p = percentile / 100;
    const double q = 0.5 - std::fabs(p - 0.5);
    const double logQ = std::log(q);
    const double t = std::sqrt(-2 * logQ);
    static constexpr double kNum[] = {0.010328, 0.802853, 2.515517};
    static constexpr double kDen[] = {0.001308, 0.189269, 1.432788, 1};
    const double num = text::polynomial(kNum, t);
    const double den = text::polynomial(kDen, t);
    const double m = t - num / den;
    const double diff = p - 0.5;
    const int s = diff > 0 ? 1 : (diff < 0 ? -1 : 0);
    return m * static_cast<double>(s);
}

} // namespace conversion
