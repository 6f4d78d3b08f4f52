// The Calculate command as a pure function of the converter window's ten
// field texts. The window reads its fields, calls calculate() and applies
// the outcome; the batch converter does the same for each row of a file.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "conversion/scales.h"

namespace conversion {

struct FieldTexts {
    std::string raw, rawMean, rawSd;
    // Indexed by scale position 1..7 (z, T, Wechsler, NCE, CEEB, AGCT,
    // percentile); index 0 is unused.
    std::array<std::string, kScaleCount> score;
};

// Why a calculation was refused, for callers that word it themselves.
enum class Refusal {
    None,
    NothingToCalculate, // neither three raw fields nor a standard score
    OutOfRange,         // the score given lies outside its scale (Outcome::source)
    TooLarge,           // a raw field reads as an infinity (Outcome::focusField)
    SdNotPositive,      // the raw score sd is 0 or less
};

struct Outcome {
    // Set when the command was refused: why, the message to show (in
    // English) and the field to focus afterwards (empty: leave the focus
    // where it is).
    bool refused = false;
    Refusal refusal = Refusal::None;
    std::string message;
    std::string focusField;

    // When not refused: the text for each score field (positions 1..7),
    // with "*" appended where the value was held at a bound.
    std::array<std::string, kScaleCount> results;
    std::array<bool, kScaleCount> marked{};
    bool legendVisible = false;

    // When not refused: the z score as computed, before it is held at the
    // z scale's bounds and rounded (interpretation starts from it), and the
    // position it came from: Raw for a raw score, else the chosen scale.
    // Refused as OutOfRange: the scale whose range was left.
    double z = 0;
    int source = Raw;
};

Outcome calculate(const FieldTexts &fields);

// The same texts, viewed: what a caller reading them from a buffer passes.
struct FieldTextViews {
    std::string_view raw, rawMean, rawSd;
    std::array<std::string_view, kScaleCount> score; // index 0 unused
};

// What calculate() works out, before its results are written as texts: a
// caller writing row after row writes them straight where they go
// (resultText), building no strings.
struct Calculation {
    bool refused = false;
    Refusal refusal = Refusal::None; // as Outcome's
    std::string message;    // as Outcome's
    std::string focusField; // as Outcome's
    std::array<double, kScaleCount> value{}; // each result, held at its bounds
    std::array<bool, kScaleCount> marked{};
    double z = 0;
    int source = Raw;
};

// `out`'s strings are reused.
void calculate(const FieldTextViews &fields, Calculation &out);

// As calculate() from a score (positions 1-7) typed with every digit of
// `value`; nothing is refused.
void calculateFrom(int position, double value, Calculation &out);

// Room for a result's text: results are held at their scales' bounds, and
// a number below 1e15 takes at most 22 characters.
constexpr size_t kResultTextSize = 24;

// Writes Outcome::results[position] of a calculation that was not refused
// into `out`; returns its length.
size_t resultText(const Calculation &calculation, int position, char *out);

// The message shown when neither a raw score nor a standard score is given.
extern const char *const kNothingToCalculateMessage;

// The message refusing a score outside its scale's range ("z scores must
// range from -6.99 to +6.99."), its limits written with the decimal mark
// given.
std::string rangeMessage(int position, char decimalMark = '.');

} // namespace conversion
