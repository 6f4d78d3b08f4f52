// How long a new correlation matrix's low-score distribution takes to work
// out (the Monte Carlo of a million draws), for 10 and for 30 scores of one
// common factor (correlations .3 to .7), and how long a look-up in the cache takes once it
// is known. Qt-free; one thread.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <vector>

#include "profile/unusual.h"

namespace {

std::vector<double> battery(int k)
{
    std::vector<double> m(size_t(k * k), 1.0);
    for (int i = 0; i < k; ++i)
        for (int j = 0; j < i; ++j)
            m[size_t(i * k + j)] = m[size_t(j * k + i)] = (0.55 + 0.01 * i) * (0.55 + 0.01 * j);
    return m;
}

double seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

} // namespace

int main()
{
    for (const int k : {10, 30}) {
        const std::vector<double> m = battery(k);
        profile::LowScoreCache cache;
        auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        const profile::LowScoreCache::Entry d = cache.get(m, k, 5);
        const double made = seconds(start);
        const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        if (!d) {
            std::printf("%d scores: not positive definite\n", k);
            return 1;
        }
        constexpr int kLookups = 100000;
        start = std::chrono::steady_clock::now();
        bool found = false;
        for (int i = 0; i < kLookups; ++i)
            cache.find(m, 5, found);
        const double lookup = seconds(start) / kLookups;
        std::printf("%2d scores: %lld draws in %.3f s (CPU %.3f s); a cached look-up %.2f us; "
                    "3 or more low: %.1f %% (SE %.2f)\n",
                    k, d->draws, made, cpu, lookup * 1e6, d->percent(3), d->standardError(3));
    }
    return 0;
}
