// ASCII-only case and space handling for names typed in files and on the
// command line ("Wechsler", " z "): locale-free, so a Turkish or German
// desktop reads a column name the same way as any other.
#pragma once

#include <string>
#include <string_view>

namespace text {

// The text with A-Z made a-z and every other byte as it is.
std::string lowerAscii(std::string_view text);

// The text without leading and trailing spaces and tabs.
std::string_view trimmed(std::string_view text);

// a == b when A-Z and a-z count as the same.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The text is well-formed UTF-8 (no overlong forms, surrogates or code
// points beyond U+10FFFF).
bool isValidUtf8(std::string_view text);

} // namespace text
