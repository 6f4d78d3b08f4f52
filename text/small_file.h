// Reads a small file (a descriptor system, a correlation matrix) whole. Only
// a regular file is read, opened without blocking, and only up to a limit:
// a path naming /dev/zero, a FIFO or a huge file gets a reason, never a
// frozen program or exhausted memory.
#pragma once

#include <cstddef>
#include <string>

namespace text {

// What small files may hold: a few lines are expected, a megabyte is plenty.
constexpr std::size_t kSmallFileLimit = std::size_t(1) << 20;

// Why a file could not be read, as data: for a caller that words it in
// its own language.
struct SmallFileProblem {
    enum class Kind { None, System, NotRegular, TooLarge };
    Kind kind = Kind::None;
    int error = 0;         // System: the errno
    std::size_t limit = 0; // TooLarge: the limit passed
};

// True with the file's bytes in `contents`; otherwise false with `why`
// saying what is wrong ("No such file or directory", "it is not a regular
// file", "it is larger than 1 MB").
bool readSmallFile(const std::string &path, std::string &contents, std::string &why,
                   std::size_t limit = kSmallFileLimit);
bool readSmallFile(const std::string &path, std::string &contents, SmallFileProblem &problem,
                   std::size_t limit = kSmallFileLimit);

// "1 MB", "4096 bytes": a limit as the messages write it.
std::string sizeText(std::size_t limit);

} // namespace text
