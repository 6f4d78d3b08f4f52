// The text of quintaval-convert --help. Its lists of columns and scales are
// read from the scale table, so a new scale appears in them by itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace batch {

// "a, b, c" with lastJoin (" or ", " and ", ", ") before the last name.
std::string joinNames(const std::vector<std::string_view> &names, std::string_view lastJoin);

// The score columns a conversion starts from: raw, then the converter's
// scales ("z", "t", ..., "percentile").
std::vector<std::string_view> sourceColumns();

// The columns --interpret adds for scales the converter does not show
// ("scaled", "stanine", "sten", "percentile_rank").
std::vector<std::string_view> interpretedScaleColumns();

// Every scale an interpretation shows, for --ci-scale.
std::vector<std::string_view> intervalScaleColumns();

// The words of a text filled into lines of at most `width` columns, each
// after `indent` spaces; the first line starts after `first` instead.
std::string wrapped(std::string_view text, std::string_view first, size_t indent,
                    size_t width = 79);

std::string helpText();

} // namespace batch
