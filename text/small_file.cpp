#include "text/small_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {

namespace {

std::string sizeText(std::size_t limit)
{
    if (limit % (std::size_t(1) << 20) == 0)
        return std::to_string(limit >> 20) + " MB";
    return std::to_string(limit) + " bytes";
}

} // namespace

bool readSmallFile(const std::string &path, std::string &contents, std::string &why,
                   std::size_t limit)
{
    why.clear();
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        why = std::strerror(errno);
    else if (S_ISDIR(info.st_mode))
        why = std::strerror(EISDIR);
    else if (!S_ISREG(info.st_mode))
        why = "it is not a regular file";
    if (!why.empty()) {
        ::close(fd);
        return false;
    }
    std::string read;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            why = std::strerror(errno);
        else if (read.size() + std::size_t(n) > limit)
            why = "it is larger than " + sizeText(limit);
        if (n <= 0 || !why.empty())
            break;
        read.append(buffer, std::size_t(n));
    }
    ::close(fd);
    if (!why.empty())
        return false;
    contents.swap(read);
    return true;
}

} // namespace text
