#include "batch/held_rows.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace batch {

HeldRows::~HeldRows()
{
    if (m_file)
        std::fclose(m_file);
}

bool HeldRows::fail(const std::string &why)
{
    if (m_error.empty())
        m_error = "cannot hold the rows back in a temporary file: " + why;
    return false;
}

bool HeldRows::open()
{
    const char *folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/quintaval-wide.XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return fail(std::strerror(errno));
    ::unlink(name.c_str());
    m_file = ::fdopen(fd, "w+b");
    if (!m_file) {
        ::close(fd);
        return fail(std::strerror(errno));
    }
    return true;
}

void HeldRows::add(bool number, std::string_view text)
{
    const uint32_t length = uint32_t(text.size());
    m_row += number ? 'N' : 'T';
    m_row.append(reinterpret_cast<const char *>(&length), sizeof length);
    m_row.append(text);
}

void HeldRows::endRow()
{
    if (failed() || (!m_file && !open())) {
        m_row.clear();
        return;
    }
    const uint64_t size = m_row.size();
    if (std::fwrite(&size, sizeof size, 1, m_file) != 1
        || (size > 0 && std::fwrite(m_row.data(), size, 1, m_file) != 1))
        fail(std::strerror(errno));
    m_row.clear();
    ++m_rows;
}

bool HeldRows::finish(std::string &why)
{
    if (m_file && std::fflush(m_file) != 0)
        fail(std::strerror(errno));
    why = m_error;
    return !failed();
}

bool HeldRows::replay(const std::function<bool(const std::vector<HeldCell> &)> &row)
{
    if (std::string why; !finish(why))
        return false;
    if (!m_file)
        return true;
    if (std::fseek(m_file, 0, SEEK_SET) != 0)
        return fail(std::strerror(errno));
    std::string bytes;
    std::vector<HeldCell> cells;
    for (long long r = 0; r < m_rows; ++r) {
        uint64_t size = 0;
        if (std::fread(&size, sizeof size, 1, m_file) != 1)
            return fail("the rows held back cannot be read again");
        bytes.resize(size);
        if (size > 0 && std::fread(bytes.data(), size, 1, m_file) != 1)
            return fail("the rows held back cannot be read again");
        cells.clear();
        for (size_t at = 0; at + 1 + sizeof(uint32_t) <= bytes.size();) {
            uint32_t length = 0;
            std::memcpy(&length, bytes.data() + at + 1, sizeof length);
            cells.push_back({bytes[at] == 'N', std::string_view(bytes).substr(at + 1 + sizeof length, length)});
            at += 1 + sizeof length + length;
        }
        if (!row(cells))
            break;
    }
    return true;
}

} // namespace batch
