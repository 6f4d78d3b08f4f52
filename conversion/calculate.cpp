#include "conversion/calculate.h"

#include <cmath>

#include "text/text_routines.h"

namespace conversion {

const char *const kNothingToCalculateMessage =
    "Enter all 3 raw scores to calculate standard scores. Or, enter 1 standard score to "
    "convert to other standard scores.";

namespace {

Outcome refuse(std::string message, std::string_view focusField)
{
    Outcome out;
    out.refused = true;
    out.message = std::move(message);
    out.focusField = std::string(focusField);
    return out;
}

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
bool refuseRawInput(const WorkingSet &set, Outcome &out)
{
    struct Check { double value; const char *field; const char *what; };
    const Check checks[] = {
        {set.value[Raw], "rawFld", "The raw score"},
        {set.mean[Raw], "rawmeanFld", "The raw score mean"},
        {set.sd[Raw], "rawsdFld", "The raw score sd"},
    };
    for (const Check &c : checks) {
        if (std::isinf(c.value)) {
            out = refuse(std::string(c.what) + " is too large a number to calculate with.", c.field);
            return true;
        }
    }
    if (!(set.sd[Raw] > 0)) {
        out = refuse("The raw score sd must be greater than 0.", "rawsdFld");
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

} // namespace

Outcome calculate(const FieldTexts &fields)
{
    const bool rawComplete = text::Len(fields.raw) > 0 && text::Len(fields.rawMean) > 0
        && text::Len(fields.rawSd) > 0;
    int chosen = 0;
    for (int i = Z; i <= Percentile; ++i)
        if (text::Len(fields.score[i]) > 0)
            chosen = i; // the last filled field wins
    if (!rawComplete && chosen == 0)
        return refuse(kNothingToCalculateMessage, "");

    WorkingSet set(text::Val(fields.rawMean), text::Val(fields.rawSd));
    set.value[Raw] = text::Val(fields.raw);
    const auto &table = scaleTable();

    Outcome out;
    if (rawComplete) {
        if (refuseRawInput(set, out))
            return out;
        computeFromRaw(set);
    } else {
        for (int i = Z; i <= Percentile; ++i)
            set.value[i] = text::Val(fields.score[i]);
        const double v = set.value[chosen];
        if (v < set.lowest[chosen] || set.highest[chosen] < v || std::isnan(v))
            return refuse(rangeMessage(chosen), table[chosen].field);
        computeFromScale(set, chosen);
    }
    out.z = set.value[Z];
    out.source = rawComplete ? static_cast<int>(Raw) : chosen;

    for (int i = Z; i <= Percentile; ++i)
        set.ClampToScale(i);
    for (int i = Z; i <= Percentile; ++i) {
        out.results[i] = text::Format(set.value[i], table[i].mask);
        if (set.marked[i]) {
            out.results[i] += "*";
            out.legendVisible = true;
        }
        out.marked[i] = set.marked[i];
    }
    return out;
}

} // namespace conversion
