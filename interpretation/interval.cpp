// Confidence intervals from a test's reliability, and the whole
// interpretation of one z score.
#include "interpretation/interpretation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "text/polynomial.h"
#include "text/text_routines.h"

namespace interpretation {

namespace {

// Wichura's AS 241 (PPND16): the central region |p - 0.5| <= 0.425.
double centralRegion(double q)
{
    static constexpr double kNum[] = {
        2.5090809287301226727e+3, 3.3430575583588128105e+4, 6.7265770927008700853e+4,
        4.5921953931549871457e+4, 1.3731693765509461125e+4, 1.9715909503065514427e+3,
        1.3314166789178437745e+2, 3.3871328727963666080e+0};
    static constexpr double kDen[] = {
        5.2264952788528545610e+3, 2.8729085735721942674e+4, 3.9307895800092710610e+4,
        2.1213794301586595867e+4, 5.3941960214247511077e+3, 6.8718700749205790830e+2,
        4.2313330701600911252e+1, 1.0};
    const double r = 0.180625 - q * q;
    return text::polynomial(kNum, r) * q / text::polynomial(kDen, r);
}

// The tails, from r = sqrt(-ln(smaller tail)).
double tailRegion(double r)
{
    static constexpr double kNearNum[] = {
        7.74545014278341407640e-4, 2.27238449892691845833e-2, 2.41780725177450611770e-1,
        1.27045825245236838258e+0, 3.64784832476320460504e+0, 5.76949722146069140550e+0,
        4.63033784615654529590e+0, 1.42343711074968357734e+0};
    static constexpr double kNearDen[] = {
        1.05075007164441684324e-9, 5.47593808499534494600e-4, 1.51986665636164571966e-2,
        1.48103976427480074590e-1, 6.89767334985100004550e-1, 1.67638483018380384940e+0,
        2.05319162663775882187e+0, 1.0};
    static constexpr double kFarNum[] = {
        2.01033439929228813265e-7, 2.71155556874348757815e-5, 1.24266094738807843860e-3,
        2.65321895265761230930e-2, 2.96560571828504891230e-1, 1.78482653991729133580e+0,
        5.46378491116411436990e+0, 6.65790464350110377720e+0};
    static constexpr double kFarDen[] = {
        2.04426310338993978564e-15, 1.42151175831644588870e-7, 1.84631831751005468180e-5,
        7.86869131145613259100e-4, 1.48753612908506148525e-2, 1.36929880922735805310e-1,
        5.99832206555887937690e-1, 1.0};
    if (r <= 5.0) {
        r = r - 1.6;
        return text::polynomial(kNearNum, r) / text::polynomial(kNearDen, r);
    }
    r = r - 5.0;
    return text::polynomial(kFarNum, r) / text::polynomial(kFarDen, r);
}

void showBounds(Interpretation &out)
{
    for (int i = 0; i < kScaleIdCount; ++i) {
        out.lower[i] = showScore(ScaleId(i), out.interval.low);
        out.upper[i] = showScore(ScaleId(i), out.interval.high);
    }
}

} // namespace

std::string checkReliability(double reliability)
{
    if (reliability > 0 && reliability < 1)
        return {};
    return "The reliability must be greater than 0 and less than 1.";
}

std::string checkConfidence(double confidence)
{
    if (confidence >= 50 && confidence < 100)
        return {};
    return "The confidence level must be at least 50 and less than 100.";
}

namespace {

// -1, 0 or 1 as a plain decimal text is below, at or above a whole number,
// compared digit by digit: no double stands between them.
int compareWith(std::string_view number, unsigned limit)
{
    size_t i = 0;
    const bool minus = i < number.size() && number[i] == '-';
    if (minus || (i < number.size() && number[i] == '+'))
        ++i;
    const size_t point = std::min(number.find('.'), number.size());
    while (i < point && number[i] == '0')
        ++i;
    const std::string_view whole = number.substr(i, point - i);
    const bool fraction = point < number.size()
        && number.find_first_not_of('0', point + 1) != std::string_view::npos;
    if (minus && (!whole.empty() || fraction))
        return -1; // limits are never negative
    const std::string digits = limit == 0 ? std::string() : std::to_string(limit);
    if (whole.size() != digits.size())
        return whole.size() < digits.size() ? -1 : 1;
    if (const int c = whole.compare(digits); c != 0)
        return c < 0 ? -1 : 1;
    return fraction ? 1 : 0;
}

} // namespace

std::string checkReliability(std::string_view number)
{
    if (compareWith(number, 0) <= 0 || compareWith(number, 1) >= 0)
        return checkReliability(0.0);
    const double r = text::Val(number);
    if (r >= 1)
        return "The reliability is too close to 1 to calculate with: it rounds to 1.";
    if (r <= 0)
        return "The reliability is too close to 0 to calculate with: it rounds to 0.";
    return {};
}

std::string checkConfidence(std::string_view number)
{
    if (compareWith(number, 50) < 0 || compareWith(number, 100) >= 0)
        return checkConfidence(0.0);
    if (text::Val(number) >= 100)
        return "The confidence level is too close to 100 to calculate with: it rounds to 100.";
    return {};
}

double inverseNormal(double p)
{
    if (std::isnan(p))
        return p;
    if (p <= 0)
        return -std::numeric_limits<double>::infinity();
    if (p >= 1)
        return std::numeric_limits<double>::infinity();
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425)
        return centralRegion(q);
    const double tail = q <= 0 ? p : 1 - p;
    const double x = tailRegion(std::sqrt(-std::log(tail)));
    return q < 0 ? -x : x;
}

double criticalZ(double confidence)
{
    const double alpha = 1 - confidence / 100;
    return inverseNormal(1 - alpha / 2);
}

double halfWidth(const IntervalSettings &settings)
{
    const double r = settings.reliability;
    const double zc = criticalZ(settings.confidence);
    return settings.method == Method::TrueScore ? zc * std::sqrt(r * (1 - r)) : zc * std::sqrt(1 - r);
}

Interval confidenceInterval(double z, const IntervalSettings &settings, double half)
{
    Interval iv;
    iv.centre = settings.method == Method::TrueScore ? settings.reliability * z : z;
    iv.half = half;
    iv.low = iv.centre - iv.half;
    iv.high = iv.centre + iv.half;
    return iv;
}

Interval confidenceInterval(double z, const IntervalSettings &settings)
{
    return confidenceInterval(z, settings, halfWidth(settings));
}

Interpretation interpret(double z, const DescriptorSystem &system,
                         const IntervalSettings *settings)
{
    Interpretation out;
    out.z = z;
    for (int i = 0; i < kScaleIdCount; ++i)
        out.score[i] = showScore(ScaleId(i), z);
    out.descriptor = describe(z, system);
    if (settings) {
        out.hasInterval = true;
        out.interval = confidenceInterval(z, *settings);
        showBounds(out);
    }
    return out;
}

Interpretation interpret(const conversion::Outcome &outcome, const DescriptorSystem &system,
                         const IntervalSettings *settings)
{
    if (outcome.refused)
        return {};
    Interpretation out = interpret(outcome.z, system, settings);
    for (int i = 0; i < kScaleIdCount; ++i) {
        const int position = scaleRow(ScaleId(i)).position;
        if (position != conversion::kNoPosition && position != conversion::Raw) {
            out.score[i].text = outcome.results[position];
            out.score[i].marked = outcome.marked[position];
        }
    }
    return out;
}

} // namespace interpretation
