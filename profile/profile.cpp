// Scores as given: their scales, reading their cells, checking their values.
#include "profile/profile.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "text/ascii.h"
#include "text/plain_number.h"
#include "text/text_routines.h"

namespace profile {

namespace {

using conversion::Display;
using conversion::kScales;

int rowWith(Display display)
{
    for (int row = 0; row < conversion::kAllScaleCount; ++row)
        if (kScales[row].display == display)
            return row;
    return -1;
}

bool isRaw(int row)
{
    return row >= 0 && kScales[row].display == Display::None;
}

bool inRange(int row, double value)
{
    if (isPercentileScale(row))
        return value > 0 && value < 100;
    if (isRaw(row))
        return std::isfinite(value);
    return value >= kScales[row].lowest && value <= kScales[row].highest;
}

// The z field's limits bound every z a score may stand for.
bool zWithinLimits(double z)
{
    return z >= kScales[conversion::Z].lowest && z <= kScales[conversion::Z].highest;
}

// False when the cell holds something other than a plain number; an empty
// cell leaves `value` empty.
bool readNumber(std::string_view cell, text::NumberSyntax syntax, std::optional<double> &value)
{
    value.reset();
    if (text::trimmed(cell).empty())
        return true;
    // As text::plainNumberValue reads it, without a copy unless the decimal
    // mark is a comma: a batch file has millions of these.
    const std::optional<text::PlainNumberSpan> span = text::findPlainNumber(cell, syntax);
    if (!span)
        return false;
    std::string_view number = cell.substr(span->begin, span->end - span->begin);
    if (number[0] == '+')
        number.remove_prefix(1);
    char withPoint[64];
    if (span->mark != std::string_view::npos && syntax.decimalMark != '.') {
        if (number.size() > sizeof withPoint) {
            value = text::plainNumberValue(cell, syntax);
            return true;
        }
        std::memcpy(withPoint, number.data(), number.size());
        withPoint[span->mark - span->begin - (cell[span->begin] == '+')] = '.';
        number = std::string_view(withPoint, number.size());
    }
    double read = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), read,
                                        std::chars_format::fixed);
    if (result.ec == std::errc::result_out_of_range)
        read = text::Val(number); // too large: an infinity; too small: 0
    value = read;
    return true;
}

} // namespace

const std::vector<int> &sourceScales()
{
    static const std::vector<int> rows = [] {
        std::vector<int> list;
        for (int row = 0; row < conversion::kAllScaleCount; ++row) {
            const Display display = kScales[row].display;
            if (display == Display::None || display == Display::Linear
                || display == Display::Percentile)
                list.push_back(row);
        }
        return list;
    }();
    return rows;
}

int findScale(std::string_view name)
{
    const std::string_view wanted = text::trimmed(name);
    for (int row = 0; row < conversion::kAllScaleCount; ++row) {
        if (text::equalsIgnoringCase(wanted, kScales[row].column)
            || text::equalsIgnoringCase(wanted, kScales[row].name))
            return kScales[row].display == Display::PercentileRank ? rowWith(Display::Percentile)
                                                                     : row;
    }
    return -1;
}

bool isPercentileScale(int row)
{
    return row >= 0
        && (kScales[row].display == Display::Percentile
            || kScales[row].display == Display::PercentileRank);
}

void readEntry(const EntryCells &cells, char decimalMark, ScoreEntry &entry)
{
    entry.name = text::trimmed(cells.name);
    entry.group = text::trimmed(cells.group);
    entry.set = text::trimmed(cells.set);
    entry.problem = {};
    entry.scale = findScale(cells.scale);
    const auto fail = [&](Problem problem, Field field) {
        if (!entry.problem)
            entry.problem = {problem, field, -1};
    };
    if (entry.name.empty())
        fail(Problem::Missing, Field::Name);
    if (text::trimmed(cells.scale).empty())
        fail(Problem::Missing, Field::Scale);
    else if (entry.scale < 0)
        fail(Problem::UnknownScale, Field::Scale);

    // A z score is written with its sign, and so is a practice change.
    const bool z = entry.scale >= 0 && kScales[entry.scale].position == conversion::Z;
    const text::NumberSyntax plain{decimalMark, false}, scoreSyntax{decimalMark, z},
        signed_{decimalMark, true};
    std::optional<double> score, mean, sd;
    if (!readNumber(cells.score, scoreSyntax, score))
        fail(Problem::NotANumber, Field::Score);
    else if (!score)
        fail(Problem::Missing, Field::Score);
    entry.score = score.value_or(0);
    if (isRaw(entry.scale)) {
        if (!readNumber(cells.mean, plain, mean))
            fail(Problem::NotANumber, Field::Mean);
        else if (!mean)
            fail(Problem::Missing, Field::Mean);
        if (!readNumber(cells.sd, plain, sd))
            fail(Problem::NotANumber, Field::Sd);
        else if (!sd)
            fail(Problem::Missing, Field::Sd);
    }
    entry.mean = mean.value_or(0);
    entry.sd = sd.value_or(0);
    if (!readNumber(cells.reliability, plain, entry.reliability))
        fail(Problem::NotANumber, Field::Reliability);
    if (!readNumber(cells.retest, scoreSyntax, entry.retest))
        fail(Problem::NotANumber, Field::Retest);
    if (!readNumber(cells.practice, signed_, entry.practice))
        fail(Problem::NotANumber, Field::Practice);
    // Study and control means may lie on either side of 0 on a z scale.
    RetestStudy &study = entry.study;
    std::optional<double> *const studied[] = {&study.mean1, &study.sd1, &study.mean2,
                                              &study.sd2,   &study.r12, &study.n};
    for (size_t k = 0; k < std::size(studied); ++k)
        if (!readNumber(cells.study[k], signed_, *studied[k]))
            fail(Problem::NotANumber, Field(int(Field::StudyMean1) + int(k)));
    ControlSample &controls = entry.controls;
    std::optional<double> *const controlled[] = {&controls.mean, &controls.sd, &controls.n};
    for (size_t k = 0; k < std::size(controlled); ++k)
        if (!readNumber(cells.controls[k], signed_, *controlled[k]))
            fail(Problem::NotANumber, Field(int(Field::ControlsMean) + int(k)));
}

namespace {

// A study or control sample given in part is a mistake in the file, not a
// score without one: refused, so that nothing is judged by half of it.
EntryProblem checkSamples(const ScoreEntry &entry)
{
    const RetestStudy &study = entry.study;
    const auto whole = [](double n) { return std::isfinite(n) && n == std::floor(n); };
    if (study.any()) {
        const std::optional<double> *const given[] = {&study.mean1, &study.sd1, &study.mean2,
                                                      &study.sd2,   &study.r12, &study.n};
        for (size_t k = 0; k < std::size(given); ++k)
            if (!*given[k])
                return {Problem::Missing, Field(int(Field::StudyMean1) + int(k)), -1};
        if (!std::isfinite(*study.mean1))
            return {Problem::OutOfRange, Field::StudyMean1, -1};
        if (!(*study.sd1 > 0) || !std::isfinite(*study.sd1))
            return {Problem::SdNotPositive, Field::StudySd1, -1};
        if (!std::isfinite(*study.mean2))
            return {Problem::OutOfRange, Field::StudyMean2, -1};
        if (!(*study.sd2 > 0) || !std::isfinite(*study.sd2))
            return {Problem::SdNotPositive, Field::StudySd2, -1};
        if (!(*study.r12 > -1 && *study.r12 < 1))
            return {Problem::CorrelationOutOfRange, Field::StudyR12, -1};
        if (!(*study.n >= 3) || !whole(*study.n))
            return {Problem::SampleTooSmall, Field::StudyN, -1};
    }
    const ControlSample &controls = entry.controls;
    if (controls.any()) {
        const std::optional<double> *const given[] = {&controls.mean, &controls.sd, &controls.n};
        for (size_t k = 0; k < std::size(given); ++k)
            if (!*given[k])
                return {Problem::Missing, Field(int(Field::ControlsMean) + int(k)), -1};
        if (!std::isfinite(*controls.mean))
            return {Problem::OutOfRange, Field::ControlsMean, -1};
        if (!(*controls.sd > 0) || !std::isfinite(*controls.sd))
            return {Problem::SdNotPositive, Field::ControlsSd, -1};
        if (!(*controls.n >= 2) || !whole(*controls.n))
            return {Problem::SampleTooSmall, Field::ControlsN, -1};
    }
    return {};
}

} // namespace

double scoreZ(const ScoreEntry &entry, double value)
{
    if (isPercentileScale(entry.scale))
        return interpretation::inverseNormal(value / 100);
    const bool raw = isRaw(entry.scale);
    const double d = value - (raw ? entry.mean : kScales[entry.scale].mean);
    return d / (raw ? entry.sd : kScales[entry.scale].sd);
}

bool retestUsable(const ScoreEntry &entry)
{
    return entry.retest && entry.scale >= 0 && entry.scale < conversion::kAllScaleCount
           && inRange(entry.scale, *entry.retest) && zWithinLimits(scoreZ(entry, *entry.retest));
}

EntryProblem checkEntry(const ScoreEntry &entry)
{
    if (entry.problem)
        return entry.problem;
    if (entry.name.empty())
        return {Problem::Missing, Field::Name, -1};
    const int row = entry.scale;
    if (row < 0 || row >= conversion::kAllScaleCount)
        return {Problem::Missing, Field::Scale, -1};
    if (kScales[row].display == Display::Band)
        return {Problem::BandScale, Field::Scale, -1};
    if (!inRange(row, entry.score))
        return {Problem::OutOfRange, Field::Score, -1};
    if (isRaw(row)) {
        if (!std::isfinite(entry.mean))
            return {Problem::OutOfRange, Field::Mean, -1};
        if (!(entry.sd > 0) || !std::isfinite(entry.sd))
            return {Problem::SdNotPositive, Field::Sd, -1};
    }
    if (!zWithinLimits(scoreZ(entry, entry.score)))
        return {Problem::ZBeyondLimits, Field::Score, -1};
    if (entry.reliability && !interpretation::checkReliability(*entry.reliability).empty())
        return {Problem::ReliabilityOutOfRange, Field::Reliability, -1};
    if (entry.practice) {
        if (isPercentileScale(row))
            return {Problem::PracticeOnPercentile, Field::Practice, -1};
        if (!std::isfinite(*entry.practice))
            return {Problem::OutOfRange, Field::Practice, -1};
    }
    return checkSamples(entry);
}

interpretation::ScaleId metricScale(Metric metric)
{
    switch (metric) {
    case Metric::T:
        return interpretation::ScaleId::T;
    case Metric::Scaled:
        return interpretation::ScaleId::Scaled;
    case Metric::Z:
        return interpretation::ScaleId::Z;
    case Metric::Wechsler:
        break;
    }
    return interpretation::ScaleId::Wechsler;
}

std::string_view metricColumn(Metric metric)
{
    return interpretation::scaleColumn(metricScale(metric));
}

std::optional<Metric> findMetric(std::string_view column)
{
    for (const Metric metric : kMetrics)
        if (text::equalsIgnoringCase(text::trimmed(column), metricColumn(metric)))
            return metric;
    return std::nullopt;
}

bool alphaUsable(double alpha)
{
    return alpha > 0 && alpha < 0.5;
}

bool lowCutoffUsable(double percent)
{
    return percent > 0 && percent < 50;
}

} // namespace profile
