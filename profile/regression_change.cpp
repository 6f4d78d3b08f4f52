#include "profile/regression_change.h"

#include <cmath>

#include "profile/single_case.h"

namespace profile::small_sample {

namespace {

double percentBelow(double z)
{
    return 50 * std::erfc(-z / std::sqrt(2.0));
}

} // namespace

RegressionChange regressionChange(double score, double retest, const RetestStudy &study, bool interval)
{
    const double m1 = *study.mean1, s1 = *study.sd1, m2 = *study.mean2, s2 = *study.sd2;
    const double r = *study.r12, n = *study.n;
    RegressionChange c;
    c.slope = r * s2 / s1;
    c.intercept = m2 - c.slope * m1;
    c.predicted = c.intercept + c.slope * score;
    const double discrepancy = retest - c.predicted;
    const double unexplained = 1 - r * r;
    c.see = s2 * std::sqrt(unexplained);
    c.srbZ = discrepancy / c.see;
    c.srbP = percentBelow(-std::fabs(c.srbZ)) / 100;

    c.residualSd = s2 * std::sqrt(unexplained * (n - 1) / (n - 2));
    const double off = score - m1;
    c.theta = 1 / n + off * off / (s1 * s1 * (n - 1));
    c.s = c.residualSd * std::sqrt(1 + c.theta);
    c.t = discrepancy / c.s;
    c.df = n - 2;
    c.p = oneTailedP(c.t, c.df);
    c.percent = 100 * c.p;
    c.percentLow = c.percentHigh = std::nan("");
    if (!interval)
        return c;
    // (y - predicted) / (s_y.x sqrt(theta)) is non-central t with N - 2 df
    // and noncentrality delta / sqrt(theta), delta the case's discrepancy in
    // the population's sds.
    const double root = std::sqrt(c.theta);
    const NoncentralityInterval lambda =
        noncentralityInterval(discrepancy / c.residualSd / root, c.df);
    const double low = lambda.low * root, high = lambda.high * root;
    if (discrepancy > 0) {
        c.percentLow = percentBelow(-high);
        c.percentHigh = percentBelow(-low);
    } else {
        c.percentLow = percentBelow(low);
        c.percentHigh = percentBelow(high);
    }
    return c;
}

} // namespace profile::small_sample
