#include "conversion/calculate.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "text/text_routines.h"

namespace conversion {

const char *const kNothingToCalculateMessage =
    "Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to "
    "convert to other standard scores.";

namespace {

void refuse(Calculation &out, Refusal why, std::string_view message, std::string_view focusField)
{
    out.refused = true;
    out.refusal = why;
    out.message.assign(message);
    out.focusField.assign(focusField);
    out.value.fill(0);
    out.marked.fill(false);
    out.z = 0;
    out.source = Raw;
}

// Whether a field holds any character: what Len(text) > 0 asks, without
// counting them all.
bool filled(std::string_view text)
{
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            return true;
    return false;
}

constexpr std::array<text::NumberMask, kScaleCount> kMasks = [] {
    std::array<text::NumberMask, kScaleCount> masks{};
    for (int i = 0; i < kScaleCount; ++i)
        masks[size_t(i)] = text::readMask(kScales[i].mask);
    return masks;
}();

std::string withMark(std::string number, char decimalMark)
{
    for (char &c : number)
        if (c == '.')
            c = decimalMark;
    return number;
}

} // namespace

std::string rangeMessage(int position, char decimalMark)
{
    const Scale &scale = scaleTable()[size_t(position)];
    const char *separator = scale.position == Z ? " to +" : " to ";
    return std::string(scale.name) + " scores must range from "
        + withMark(text::Str(scale.lowest), decimalMark) + separator
        + withMark(text::Str(scale.highest), decimalMark) + ".";
}

namespace {

// A raw field that reads as an infinity (a pasted number hundreds of digits
// long) cannot be calculated with; sd 0 or below gives no meaningful z.
bool refuseRawInput(const WorkingSet &set, Calculation &out)
{
    struct Check { double value; const char *field; const char *what; };
    const Check checks[] = {
        {set.value[Raw], "rawFld", "The raw score"},
        {set.mean[Raw], "rawmeanFld", "The raw score mean"},
        {set.sd[Raw], "rawsdFld", "The raw score sd"},
    };
    for (const Check &c : checks) {
        if (std::isinf(c.value)) {
            refuse(out, Refusal::TooLarge, std::string(c.what) + " is too large a number to calculate with.",
                   c.field);
            return true;
        }
    }
    if (!(set.sd[Raw] > 0)) {
        refuse(out, Refusal::SdNotPositive, "The raw score sd must be greater than 0.", "rawsdFld");
        return true;
    }
    return false;
}

void computeFromRaw(WorkingSet &set)
{
    for (int i = Z; i <= Agct; ++i)
        set.value[i] = set.ConvertLinear(set.value[Raw], Raw, i);
    set.value[Percentile] = PercentileFromZ(set.value[Z]);
}

void computeFromScale(WorkingSet &set, int k)
{
    if (k != Percentile) {
        // value[k] is read afresh each step: after i == k it converts from
        // its own recomputed value.
        for (int i = Z; i <= Agct; ++i)
            set.value[i] = set.ConvertLinear(set.value[k], k, i);
        double p = PercentileFromZ(set.value[Z]);
        // NCE 1 and 99 fall on percentiles 1 and 99: show them as exact equivalents.
        if (set.value[Nce] == 99)
            p = 99;
        else if (set.value[Nce] == 1)
            p = 1;
        set.value[Percentile] = p;
        return;
    }
    const double z = ZFromPercentile(set.value[Percentile]);
    set.value[Z] = z;
    for (int i = T; i <= Agct; ++i)
        set.value[i] = set.ConvertLinear(z, Z, i);
    if (set.value[Percentile] == 99)
        set.value[Nce] = 99;
    else if (set.value[Percentile] == 1)
        set.value[Nce] = 1;
}

void finish(WorkingSet &set, int source, Calculation &out)
{
    out.refused = false;
    out.refusal = Refusal::None;
    out.message.clear();
    out.focusField.clear();
    out.z = set.value[Z];
    out.source = source;
    for (int i = Z; i <= Percentile; ++i)
        set.ClampToScale(i);
    out.value = set.value;
    out.marked = set.marked;
}

} // namespace

void calculate(const FieldTextViews &fields, Calculation &out)
{
    const bool rawComplete = filled(fields.raw) && filled(fields.rawMean) && filled(fields.rawSd);
    int chosen = 0;
    for (int i = Z; i <= Percentile; ++i)
        if (filled(fields.score[i]))
            chosen = i; // the last filled field wins
    if (!rawComplete && chosen == 0)
        return refuse(out, Refusal::NothingToCalculate, kNothingToCalculateMessage, "");

    WorkingSet set(text::Val(fields.rawMean), text::Val(fields.rawSd));
    set.value[Raw] = text::Val(fields.raw);
    const auto &table = scaleTable();

    if (rawComplete) {
        if (refuseRawInput(set, out))
            return;
        computeFromRaw(set);
    } else {
        for (int i = Z; i <= Percentile; ++i)
            set.value[i] = text::Val(fields.score[i]);
        const double v = set.value[chosen];
        if (v < set.lowest[chosen] || set.highest[chosen] < v || std::isnan(v)) {
            refuse(out, Refusal::OutOfRange, rangeMessage(chosen), table[chosen].field);
            out.source = chosen;
            return;
        }
        computeFromScale(set, chosen);
    }
    finish(set, rawComplete ? static_cast<int>(Raw) : chosen, out);
}

void calculateFrom(int position, double value, Calculation &out)
{
    WorkingSet set(0, 1);
    set.value[size_t(position)] = value;
    computeFromScale(set, position);
    finish(set, position, out);
}

size_t resultText(const Calculation &calculation, int position, char *out)
{
    const double value = calculation.value[size_t(position)];
    size_t n = 0;
    if (std::fabs(value) < 1e15) { // always, as results are held at their bounds
        n = text::FormatInto(out, value, kMasks[size_t(position)]);
    } else {
        char text[text::kFormattedSize];
        n = std::min(text::FormatInto(text, value, kMasks[size_t(position)]), kResultTextSize - 1);
        std::memcpy(out, text, n);
    }
    if (calculation.marked[size_t(position)])
        out[n++] = '*';
    return n;
}

Outcome calculate(const FieldTexts &fields)
{
    FieldTextViews views{fields.raw, fields.rawMean, fields.rawSd, {}};
    for (int i = Z; i <= Percentile; ++i)
        views.score[size_t(i)] = fields.score[size_t(i)];
    Calculation calculation;
    calculate(views, calculation);
    Outcome out;
    out.refused = calculation.refused;
    out.refusal = calculation.refusal;
    out.message = std::move(calculation.message);
    out.focusField = std::move(calculation.focusField);
    if (out.refused) {
        out.source = calculation.source;
        return out;
    }
    out.z = calculation.z;
    out.source = calculation.source;
    for (int i = Z; i <= Percentile; ++i) {
        char text[kResultTextSize];
        out.results[size_t(i)].assign(text, resultText(calculation, i, text));
        out.marked[size_t(i)] = calculation.marked[size_t(i)];
        out.legendVisible = out.legendVisible || out.marked[size_t(i)];
    }
    return out;
}

} // namespace conversion
