// How a figure was reached, as data: the steps that lead to it, each a
// formula with the numbers put in, its result, how the result is shown and
// where the formula was published. No words: the windows say it in their
// own language, and a printed Method section lists the sources.
#pragma once

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace conversion {
struct Scale;
}

namespace interpretation {

// Each has one written form, given with the symbols of its inputs.
enum class Formula {
    GivenScore,                 // X, as entered
    ZFromScore,                 // z = (X - M) / SD
    ZFromPercentile,            // z from P by a rational approximation
    LinearScore,                // M + SD * z, held at the scale's limits
    BandScore,                  // the band holding M + SD * z, halves up
    PercentileRank,             // 100 * Phi(z), exact
    ConverterPercentile,        // 100 * Phi(z) by a polynomial approximation, whole, 1..99
    StandardScore,              // S = 100 + 15 z, rounded, not held at a limit
    Descriptor,                 // the band [from, to] of the system holding S
    EstimatedTrueScore,         // T' = M + r (X - M)
    StandardErrorOfEstimation,  // SEE = SD sqrt(r (1 - r))
    StandardErrorOfMeasurement, // SEM = SD sqrt(1 - r)
    CriticalValue,              // z_c at 1 - (1 - C / 100) / 2
    LowerBound,                 // centre - z_c * SE
    UpperBound,                 // centre + z_c * SE
};

// Where a formula or a system was published; the windows hold the
// references.
enum class Source {
    None,
    AbramowitzStegun1964, // Handbook of Mathematical Functions
    Kelley1927,           // estimated true score
    Dudek1979,            // standard error of estimation, true-score interval
    Gulliksen1950,        // standard error of measurement
    Wichura1988,          // AS 241, the inverse normal
    Guilmette2020,        // AACN labels
    Wechsler2014,         // Wechsler labels
    Wechsler2008,         // Wechsler labels, classic
    Schrank2014,          // Woodcock-Johnson labels
    UserFile,             // a descriptor system read from the user's file
};

enum class Symbol {
    Score,         // X
    Mean,          // M
    Sd,            // SD
    Z,             // z
    Percentile,    // P
    StandardScore, // S
    BandFrom,      // lowest standard score of a band (-infinity: none)
    BandTo,        // highest (+infinity: none)
    Reliability,   // r
    Confidence,    // C, in percent
    Centre,        // T', or X for the obtained-score method
    StandardError, // SEE or SEM
    Critical,      // z_c
};

struct Term {
    Symbol symbol;
    double value;
};

struct Step {
    Step(Formula formula_, Source source_, const conversion::Scale *scale_, std::vector<Term> inputs_,
         double value_ = std::nan(""), std::string shown_ = {}, bool held_ = false)
        : formula(formula_), source(source_), scale(scale_), inputs(std::move(inputs_)), value(value_),
          shown(std::move(shown_)), held(held_)
    {
    }

    Formula formula;
    Source source = Source::None;
    // The scale the step is worked on (its name, mean, sd, limits);
    // nullptr where the step has none.
    const conversion::Scale *scale = nullptr;
    std::vector<Term> inputs;
    double value = std::nan(""); // the result, unrounded
    std::string shown;           // as the report shows it: "105", "1*", "High Average"
    bool held = false;           // held at the scale's limit ("*")
    std::string system;          // a descriptor step's system: "AACN"

    // The input with that symbol; NaN when the step has none.
    double input(Symbol symbol) const
    {
        for (const Term &term : inputs)
            if (term.symbol == symbol)
                return term.value;
        return std::nan("");
    }
};

struct Explanation {
    std::vector<Step> steps; // in the order they are worked
};

} // namespace interpretation
