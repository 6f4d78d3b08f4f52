// Change judged by regression on a retest study: McSweeny et al.'s (1993)
// standardized regression-based z and Crawford & Garthwaite's (2006) t with
// its interval estimate, as plain numbers. Qt-free.
#pragma once

#include <optional>

namespace profile {

// A retest study's statistics, on the score's own scale.
struct RetestStudy {
    std::optional<double> mean1, sd1, mean2, sd2, r12, n;
    bool any() const { return mean1 || sd1 || mean2 || sd2 || r12 || n; }
};

// Which figure decides a reliable gain or loss. Auto: Crawford & Garthwaite
// for a score with a retest study, Jacobson & Truax without.
enum class ChangeMethod { Auto, JacobsonTruax, Srb, CrawfordGarthwaite };

namespace small_sample {

struct RegressionChange {
    double slope = 0, intercept = 0, predicted = 0;
    double see = 0, srbZ = 0, srbP = 0;        // McSweeny et al.
    double residualSd = 0, theta = 0;         // s_y.x with N - 2 df; 1/N + (x - m1)^2 / (s1^2 (N - 1))
    double s = 0, t = 0, df = 0, p = 0;       // Crawford & Garthwaite; p one-tailed
    double percent = 0, percentLow = 0, percentHigh = 0; // larger discrepancies in the same direction
};

// Every input complete and usable: sd > 0, -1 < r < 1, n >= 3. The interval
// is worked out only when `interval`, as it costs a root finding.
RegressionChange regressionChange(double score, double retest, const RetestStudy &study,
                                  bool interval = true);

} // namespace small_sample
} // namespace profile
