// How long analyse() takes for a battery of 30 scores with reliabilities,
// retests, groups and a full correlation matrix, as the Battery Sheet asks
// on every edit: the median and the 99th percentile in microseconds, into a
// fresh Analysis as the window makes one, and into one kept from before as
// the batch tool does. Qt-free.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/percentile.h"
#include "profile/analysis.h"

namespace {

constexpr int kScores = 30;

profile::Profile battery(int variant)
{
    static const char *const kScales[] = {"scaled", "t", "wechsler", "percentile", "z"};
    static const char *const kValues[] = {"12", "43", "108", "37", "-0.8"};
    profile::Profile p;
    for (int i = 0; i < kScores; ++i) {
        const std::string name = "Subtest " + std::to_string(i + 1);
        const int kind = (i + variant) % 5;
        const std::string reliability = "." + std::to_string(80 + i % 15);
        const std::string retest = i % 4 == 0 ? kValues[kind] : "";
        const std::string group = "Index " + std::to_string(i / 5 + 1);
        p.entries.emplace_back();
        profile::readEntry({name, kScales[kind], kValues[kind], "", "", reliability, retest, "",
                            group},
                           '.', p.entries.back());
    }
    return p;
}

profile::Correlations matrix()
{
    std::string csv = "name";
    for (int i = 0; i < kScores; ++i)
        csv += ",Subtest " + std::to_string(i + 1);
    csv += "\n";
    for (int i = 0; i < kScores; ++i) {
        csv += "Subtest " + std::to_string(i + 1);
        for (int j = 0; j < i; ++j)
            csv += ",." + std::to_string(30 + (i * 7 + j * 3) % 40);
        csv += ",1\n";
    }
    profile::Correlations c;
    profile::CorrelationError error;
    if (!profile::Correlations::parse(csv, c, error)) {
        std::fprintf(stderr, "%s\n", profile::errorMessage(error).c_str());
        std::exit(1);
    }
    return c;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    const profile::Correlations correlations = matrix();
    const profile::Settings settings;
    std::vector<profile::Profile> batteries;
    for (int variant = 0; variant < 5; ++variant)
        batteries.push_back(battery(variant));
    std::vector<double> fresh, kept;
    profile::Analysis reused;
    std::size_t figures = 0;
    using Clock = std::chrono::steady_clock;
    for (int i = 0; i < runs; ++i) {
        const profile::Profile &p = batteries[std::size_t(i) % batteries.size()];
        auto start = Clock::now();
        const profile::Analysis a = profile::analyse(p, correlations, settings);
        fresh.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        figures += a.pairs.size() + a.scores.size() + a.composites.size();
        start = Clock::now();
        profile::analyse(p, correlations, settings, reused);
        kept.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        figures += reused.pairs.size();
    }
    std::printf("analyse(), %d scores, %d pairs, %d runs (%zu figures)\n", kScores,
                kScores * (kScores - 1) / 2, runs, figures);
    std::printf("  into a fresh Analysis: median %.1f us, p99 %.1f us\n", bench::percentile(fresh, 0.5),
                bench::percentile(fresh, 0.99));
    std::printf("  into one kept:         median %.1f us, p99 %.1f us\n", bench::percentile(kept, 0.5),
                bench::percentile(kept, 0.99));
    return 0;
}
