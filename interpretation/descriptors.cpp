// Descriptor systems: the built-in ones, a user's from a CSV file, and the
// look-up of a z score's label by its whole standard score.
#include "interpretation/interpretation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

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

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const char c = a[i] >= 'A' && a[i] <= 'Z' ? char(a[i] - 'A' + 'a') : a[i];
        if (c != b[i])
            return false;
    }
    return true;
}

// Splits one line into its cells by commas, a cell in double quotes holding
// commas and doubled quotes. False on a quote left open or text after one.
bool splitCells(std::string_view line, std::vector<std::string> &cells)
{
    cells.clear();
    size_t i = 0;
    for (;;) {
        std::string cell;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i == line.size())
                    return false;
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        cell += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += line[i++];
            }
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            if (i < line.size() && line[i] != ',')
                return false;
        } else {
            const size_t end = std::min(line.find(',', i), line.size());
            const std::string_view raw = trimmed(line.substr(i, end - i));
            if (raw.find('"') != std::string_view::npos)
                return false;
            cell = std::string(raw);
            i = end;
        }
        cells.push_back(std::move(cell));
        if (i >= line.size())
            return true;
        ++i; // the comma
    }
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

std::string lineError(size_t line, const std::string &what)
{
    return "line " + std::to_string(line) + ": " + what;
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

std::string parseDescriptorFile(std::string_view text, DescriptorSystem &out)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    std::vector<DescriptorBand> bands;
    std::map<double, size_t> lineOfFrom;
    std::vector<std::string> cells;
    bool headerSeen = false;
    size_t headerLine = 0;
    size_t lineNo = 0;
    while (!text.empty()) {
        ++lineNo;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (trimmed(line).empty())
            continue;
        if (!splitCells(line, cells))
            return lineError(lineNo, "a quoted cell is not closed properly");
        if (!headerSeen) {
            if (cells.size() != 2 || !sameWord(cells[0], "from") || !sameWord(cells[1], "label"))
                return lineError(lineNo, "the header must be \"from,label\"");
            headerSeen = true;
            headerLine = lineNo;
            continue;
        }
        if (cells.size() != 2)
            return lineError(lineNo, "expected 2 cells, from and label, but found "
                                         + std::to_string(cells.size()));
        double from = 0;
        if (!wholeNumber(cells[0], from))
            return lineError(lineNo, "\"" + cells[0] + "\" is not a whole standard score");
        if (cells[1].empty())
            return lineError(lineNo, "the label is empty");
        const auto [at, added] = lineOfFrom.emplace(from, lineNo);
        if (!added)
            return lineError(lineNo, "from " + cells[0] + " is given already on line "
                                         + std::to_string(at->second));
        bands.push_back({from, cells[1]});
    }
    if (!headerSeen)
        return "line 1: the file is empty; it needs the header \"from,label\" and one row per band";
    if (bands.empty())
        return lineError(headerLine, "the header is followed by no bands");
    // A file may list its bands from the top down, as publishers print them.
    std::stable_sort(bands.begin(), bands.end(),
                     [](const DescriptorBand &a, const DescriptorBand &b) { return a.from < b.from; });
    out.key = "custom";
    out.name = "Custom";
    out.bands = std::move(bands);
    return {};
}

const std::string &describe(double z, const DescriptorSystem &system)
{
    static const std::string none;
    const double s = standardScore(z);
    if (std::isnan(s) || system.bands.empty())
        return none;
    const DescriptorBand *found = &system.bands.front();
    for (const DescriptorBand &band : system.bands)
        if (band.from <= s)
            found = &band;
    return found->label;
}

} // namespace interpretation
