// Descriptor systems: the built-in ones, a user's from a CSV file, and the
// look-up of a z score's label by its whole standard score.
#include "interpretation/interpretation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "text/ascii.h"
#include "text/csv_reader.h"
#include "text/line_counter.h"

namespace interpretation {

namespace {

constexpr double kBelowAll = -std::numeric_limits<double>::infinity();

// Bands from the top down, as the systems are published.
DescriptorSystem system(std::string key, std::string name,
                        std::initializer_list<DescriptorBand> topDown)
{
    DescriptorSystem s{std::move(key), std::move(name), {}};
    s.bands.assign(topDown.begin(), topDown.end());
    std::reverse(s.bands.begin(), s.bands.end());
    return s;
}

// A whole number of at most nine digits with an optional sign.
bool wholeNumber(std::string_view text, double &value)
{
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size() || text.size() - i > 9)
        return false;
    long n = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        n = n * 10 + (text[i] - '0');
    }
    value = double(negative ? -n : n);
    return true;
}

using Problem = DescriptorFileProblem;
using Kind = DescriptorFileProblem::Kind;

Problem problem(Kind kind, std::size_t line, std::string cell = {}, std::size_t count = 0)
{
    return Problem{kind, line, std::move(cell), count};
}

// A label is shown and printed as written: it must be text.
Kind labelProblem(std::string_view label)
{
    if (label.find('\0') != std::string_view::npos)
        return Kind::NulInLabel;
    if (!text::isValidUtf8(label))
        return Kind::NotUtf8;
    return Kind::None;
}

} // namespace

const std::vector<DescriptorSystem> &builtInSystems()
{
    static const std::vector<DescriptorSystem> systems = {
        system("aacn", "AACN",
               {{130, "Exceptionally High"}, {120, "Above Average"}, {110, "High Average"},
                {90, "Average"}, {80, "Low Average"}, {70, "Below Average"},
                {kBelowAll, "Exceptionally Low"}}),
        system("wechsler", "Wechsler",
               {{130, "Extremely High"}, {120, "Very High"}, {110, "High Average"},
                {90, "Average"}, {80, "Low Average"}, {70, "Very Low"},
                {kBelowAll, "Extremely Low"}}),
        system("wechsler-classic", "Wechsler (classic)",
               {{130, "Very Superior"}, {120, "Superior"}, {110, "High Average"},
                {90, "Average"}, {80, "Low Average"}, {70, "Borderline"},
                {kBelowAll, "Extremely Low"}}),
        system("woodcock-johnson", "Woodcock-Johnson",
               {{131, "Very Superior"}, {121, "Superior"}, {111, "High Average"},
                {90, "Average"}, {80, "Low Average"}, {70, "Low"}, {kBelowAll, "Very Low"}}),
    };
    return systems;
}

const DescriptorSystem *findSystem(std::string_view key)
{
    for (const DescriptorSystem &s : builtInSystems())
        if (s.key == key)
            return &s;
    return nullptr;
}

std::string checkSystem(std::string_view key)
{
    if (findSystem(key))
        return {};
    std::string keys;
    for (const DescriptorSystem &s : builtInSystems())
        keys += (keys.empty() ? "" : ", ") + s.key;
    return "Unknown descriptor system \"" + std::string(key) + "\"; the systems are " + keys
        + ".";
}

DescriptorFileProblem readDescriptorSystem(std::string_view text, DescriptorSystem &out)
{
    text::LineCounter lines(text);
    text::CsvReader reader(text, ',');
    text::CsvRecord record;
    std::vector<DescriptorBand> bands;
    std::map<double, size_t> lineOfFrom;
    size_t headerLine = 0;
    for (;;) {
        const size_t lineNo = lines.lineAt(size_t(reader.bytesConsumed()));
        if (!reader.next(record))
            break;
        if (record.problem != text::RowProblem::None)
            return problem(Kind::UnclosedQuote, lineNo);
        std::vector<std::string_view> cells;
        for (const std::string &cell : record.cells)
            cells.push_back(text::trimmed(cell));
        if (cells.size() == 1 && cells[0].empty())
            continue; // a blank line
        if (headerLine == 0) {
            if (cells.size() != 2 || !text::equalsIgnoringCase(cells[0], "from")
                || !text::equalsIgnoringCase(cells[1], "label"))
                return problem(Kind::BadHeader, lineNo);
            headerLine = lineNo;
            continue;
        }
        if (record.cellCount() != 2)
            return problem(Kind::CellCount, lineNo, {}, record.cellCount());
        double from = 0;
        if (!wholeNumber(cells[0], from))
            return problem(Kind::NotWhole, lineNo, std::string(cells[0]));
        if (cells[1].empty())
            return problem(Kind::EmptyLabel, lineNo);
        if (const Kind why = labelProblem(cells[1]); why != Kind::None)
            return problem(why, lineNo);
        const auto [at, added] = lineOfFrom.emplace(from, lineNo);
        if (!added)
            return problem(Kind::RepeatedFrom, lineNo, std::string(cells[0]), at->second);
        bands.push_back({from, std::string(cells[1])});
    }
    if (headerLine == 0)
        return problem(Kind::Empty, 1);
    if (bands.empty())
        return problem(Kind::NoBands, headerLine);
    // A file may list its bands from the top down, as publishers print them.
    std::stable_sort(bands.begin(), bands.end(),
                     [](const DescriptorBand &a, const DescriptorBand &b) { return a.from < b.from; });
    out.key = "custom";
    out.name = "Custom";
    out.bands = std::move(bands);
    return {};
}

std::string problemText(const DescriptorFileProblem &p)
{
    std::string what;
    switch (p.kind) {
    case Kind::None: return {};
    case Kind::Empty:
        return "line 1: the file is empty; it needs the header \"from,label\" and one row per band";
    case Kind::UnclosedQuote: what = "a quoted cell is not closed properly"; break;
    case Kind::BadHeader: what = "the header must be \"from,label\""; break;
    case Kind::CellCount:
        what = "expected 2 cells, from and label, but found " + std::to_string(p.count);
        break;
    case Kind::NotWhole: what = "\"" + p.cell + "\" is not a whole standard score"; break;
    case Kind::EmptyLabel: what = "the label is empty"; break;
    case Kind::NulInLabel: what = "the label holds a NUL byte"; break;
    case Kind::NotUtf8: what = "the label is not valid UTF-8 text"; break;
    case Kind::RepeatedFrom:
        what = "from " + p.cell + " is given already on line " + std::to_string(p.count);
        break;
    case Kind::NoBands: what = "the header is followed by no bands"; break;
    }
    return "line " + std::to_string(p.line) + ": " + what;
}

std::string parseDescriptorFile(std::string_view text, DescriptorSystem &out)
{
    return problemText(readDescriptorSystem(text, out));
}

const std::string &describe(double z, const DescriptorSystem &system)
{
    static const std::string none;
    const double s = standardScore(z);
    if (std::isnan(s) || system.bands.empty())
        return none;
    // The bands are sorted: the last one starting at or below s holds it.
    const auto above = std::upper_bound(
        system.bands.begin(), system.bands.end(), s,
        [](double score, const DescriptorBand &band) { return score < band.from; });
    return above == system.bands.begin() ? above->label : std::prev(above)->label;
}

} // namespace interpretation
