// A file written whole or not at all: quintaval-convert's -o and every file
// the windows save. The bytes go to a temporary file beside it, which takes
// its place only once everything is written and on disk; a failure, an
// error or an interruption (Ctrl+C, SIGTERM, SIGHUP, SIGQUIT, a closed pipe,
// a file-size limit) leaves the old file as it was, or none, and no
// temporary file behind. A path that names something other than a regular
// file (a terminal, /dev/null, a FIFO) is written directly, as standard
// output is; a folder is refused with the system's reason.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace text {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // False with `why` (the system's reason) when it cannot be opened. A
    // FIFO without a reader waits for one unless `waitForReader` is false;
    // then it is refused.
    bool open(const std::string &path, std::string &why, bool waitForReader = true);
    int fd() const { return m_fd; }

    // Puts the file in place; false with `why` when it cannot be, and the
    // old file is then left as it was.
    bool commit(std::string &why);
    // Removes the temporary file; done by the destructor unless committed.
    void discard();

private:
    int m_fd = -1;
    std::string m_target;    // what the temporary file replaces
    std::string m_temporary; // empty when writing the target directly
};

// Writes `path` whole through an OutputFile: `fill` writes everything to
// the descriptor, false with `why` on a fault. False with `why` when the
// file cannot be opened, filled or put in place.
using FileFiller = std::function<bool(int fd, std::string &why)>;
bool writeWhole(const std::string &path, const FileFiller &fill, std::string &why, bool waitForReader = true);
// All of `bytes` to `fd`; false with the system's reason.
bool writeAll(int fd, std::string_view bytes, std::string &why);

} // namespace text
