// What a writer must never write onto: the files a run or a window reads,
// known by device and inode, so that no name, symbolic link or hard link
// leads the output onto one of them.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace text {

class ReadFiles {
public:
    // `what` says which file it is, in the words of a refusal. A path that
    // names nothing yet, or no regular file, is not kept.
    void add(const std::string &what, const std::string &path);
    void add(const std::string &what, int fd);
    // Which of them `path` (or the file open as `fd`) is; empty when none.
    std::string holding(const std::string &path) const;
    std::string holding(int fd) const;

private:
    struct File {
        std::string what;
        dev_t device;
        ino_t inode;
    };
    std::string holding(dev_t device, ino_t inode) const;
    std::vector<File> m_files;
};

} // namespace text
