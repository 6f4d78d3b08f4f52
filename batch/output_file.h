// The file named by -o, written whole or not at all. Rows go to a temporary
// file beside it, which takes its place only once every row is written and
// on disk; a failure, an error or a signal that ends the run (Ctrl+C,
// SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGXFSZ) leaves the old file as it was,
// or none, and no temporary file behind. A
// path that names something other than a regular file (a terminal,
// /dev/null, a FIFO) is written directly, as standard output is.
#pragma once

#include <string>

namespace batch {

class OutputFile {
public:
    OutputFile() = default;
    ~OutputFile();
    OutputFile(const OutputFile &) = delete;
    OutputFile &operator=(const OutputFile &) = delete;

    // False with `why` (the system's reason) when it cannot be opened.
    bool open(const std::string &path, std::string &why);
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

} // namespace batch
