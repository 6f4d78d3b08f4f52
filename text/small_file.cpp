#include "text/small_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {

std::string sizeText(std::size_t limit)
{
    if (limit % (std::size_t(1) << 20) == 0)
        return std::to_string(limit >> 20) + " MB";
    return std::to_string(limit) + " bytes";
}

bool readSmallFile(const std::string &path, std::string &contents, SmallFileProblem &problem,
                   std::size_t limit)
{
    using Kind = SmallFileProblem::Kind;
    problem = {};
    auto fail = [&problem](Kind kind, int error) {
        problem.kind = kind;
        problem.error = error;
    };
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        fail(Kind::System, errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        fail(Kind::System, errno);
    else if (S_ISDIR(info.st_mode))
        fail(Kind::System, EISDIR);
    else if (!S_ISREG(info.st_mode))
        fail(Kind::NotRegular, 0);
    if (problem.kind != Kind::None) {
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
            fail(Kind::System, errno);
        else if (read.size() + std::size_t(n) > limit)
            fail(Kind::TooLarge, 0);
        if (n <= 0 || problem.kind != Kind::None)
            break;
        read.append(buffer, std::size_t(n));
    }
    ::close(fd);
    if (problem.kind != Kind::None) {
        problem.limit = problem.kind == Kind::TooLarge ? limit : 0;
        return false;
    }
    contents.swap(read);
    return true;
}

bool readSmallFile(const std::string &path, std::string &contents, std::string &why, std::size_t limit)
{
    SmallFileProblem problem;
    const bool read = readSmallFile(path, contents, problem, limit);
    switch (problem.kind) {
    case SmallFileProblem::Kind::None: why.clear(); break;
    case SmallFileProblem::Kind::System: why = std::strerror(problem.error); break;
    case SmallFileProblem::Kind::NotRegular: why = "it is not a regular file"; break;
    case SmallFileProblem::Kind::TooLarge: why = "it is larger than " + sizeText(problem.limit); break;
    }
    return read;
}

} // namespace text
