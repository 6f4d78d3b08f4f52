// Line numbers of byte offsets into a text read from its start, for
// messages about files read whole: a record of the CSV reader starts where
// the text before it ends (CsvReader::bytesConsumed). Offsets must not
// decrease from one call to the next.
#pragma once

#include <cstddef>
#include <string_view>

namespace text {

class LineCounter {
public:
    explicit LineCounter(std::string_view text) : m_text(text) {}

    // CRLF, LF and a lone CR each end a line.
    std::size_t lineAt(std::size_t offset)
    {
        for (; m_at < offset && m_at < m_text.size(); ++m_at) {
            const char c = m_text[m_at];
            if (c == '\n' || (c == '\r' && (m_at + 1 == m_text.size() || m_text[m_at + 1] != '\n')))
                ++m_line;
        }
        return m_line;
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

} // namespace text
