// Small pieces of the notes both converters write about cells and columns.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/csv_reader.h"

namespace batch {

// A cell quoted in a note: enough of it to find it by.
constexpr std::size_t kQuotedCellLimit = 40;

// The cell in double quotes, cut after kQuotedCellLimit bytes (never inside
// a UTF-8 character) with "..." to say so.
std::string quoted(std::string_view cell);

// A column name as the header is matched: spaces around it dropped, A-Z as a-z.
std::string columnKey(std::string_view name);

// Why a row the reader could not split is left out.
std::string malformedNote(const text::CsvRecord &record, std::size_t headerSize);

} // namespace batch
