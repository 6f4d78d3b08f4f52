// The small-sample statistics: Student's t and the non-central t from
// Boost.Math, the interval on the noncentrality by root finding on the
// latter's distribution function, as Crawford & Garthwaite (2002) do.
#include "profile/single_case.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/tools/toms748_solve.hpp>

namespace profile::small_sample {

namespace {

// 100 Phi(z), with its digits far out in the tail.
double percentBelow(double z)
{
    return 50 * std::erfc(-z / std::sqrt(2.0));
}

// The delta at which a non-central t puts `observed` at probability
// `target`. Its distribution function falls as delta grows, so the root is
// bracketed by walking away from `observed` in ever larger steps.
double noncentralityAt(double observed, double df, double target)
{
    const auto gap = [&](double delta) {
        return boost::math::cdf(boost::math::non_central_t_distribution<double>(df, delta), observed)
               - target;
    };
    // Started near the normal approximation's answer, the bracket takes a
    // few evaluations instead of a dozen: a batch works out millions.
    const double spread = std::sqrt(1 + observed * observed / (2 * df));
    const double z = -std::sqrt(2.0) * boost::math::erfc_inv(2 * target);
    const double guess = observed - z * spread;
    double a = guess, b = guess;
    double fa = gap(a), fb = fa;
    double step = spread / 8;
    for (int i = 0; i < 60 && fa * fb > 0; ++i) {
        if (fa > 0) { // delta too small: the root lies above
            a = b;
            fa = fb;
            b += step;
            fb = gap(b);
        } else {
            b = a;
            fb = fa;
            a -= step;
            fa = gap(a);
        }
        step *= 2;
    }
    if (fa == 0)
        return a;
    if (fb == 0)
        return b;
    if (!(fa * fb < 0))
        return std::nan("");
    std::uintmax_t iterations = 200;
    const auto [low, high] = boost::math::tools::toms748_solve(
        gap, a, b, fa, fb, boost::math::tools::eps_tolerance<double>(44), iterations);
    return low + (high - low) / 2;
}

} // namespace

NoncentralityInterval noncentralityInterval(double observed, double df, double confidence)
{
    const double nan = std::nan("");
    if (!(df >= 1) || !std::isfinite(observed))
        return {nan, nan};
    const double tail = (1 - confidence / 100) / 2;
    try {
        return {noncentralityAt(observed, df, 1 - tail), noncentralityAt(observed, df, tail)};
    } catch (const std::exception &) {
        // Boost.Math gives up far out where the distribution cannot be
        // evaluated: no interval rather than a wrong one.
        return {nan, nan};
    }
}

double oneTailedP(double t, double df)
{
    const boost::math::students_t_distribution<double> student(df);
    return boost::math::cdf(boost::math::complement(student, std::fabs(t)));
}

double criticalT(double alpha, double df)
{
    const boost::math::students_t_distribution<double> student(df);
    return boost::math::quantile(boost::math::complement(student, alpha / 2));
}

SingleCase singleCase(double x, double mean, double sd, double n)
{
    SingleCase c;
    const double deviation = x - mean;
    const double spread = std::sqrt((n + 1) / n);
    c.t = deviation / (sd * spread);
    c.df = n - 1;
    c.p = oneTailedP(c.t, c.df);
    c.zcc = deviation / sd;
    const double root = std::sqrt(n);
    const NoncentralityInterval delta = noncentralityInterval(c.zcc * root, c.df);
    c.zccLow = delta.low / root;
    c.zccHigh = delta.high / root;
    c.above = deviation > 0;
    c.percent = 100 * c.p;
    if (c.above) {
        c.percentLow = percentBelow(-c.zccHigh);
        c.percentHigh = percentBelow(-c.zccLow);
    } else {
        c.percentLow = percentBelow(c.zccLow);
        c.percentHigh = percentBelow(c.zccHigh);
    }
    return c;
}

} // namespace profile::small_sample
