#include "text/read_files.h"

#include <sys/stat.h>

namespace text {

void ReadFiles::add(const std::string &what, const std::string &path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        m_files.push_back({what, info.st_dev, info.st_ino});
}

void ReadFiles::add(const std::string &what, int fd)
{
    struct stat info;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        m_files.push_back({what, info.st_dev, info.st_ino});
}

std::string ReadFiles::holding(const std::string &path) const
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 ? holding(info.st_dev, info.st_ino) : std::string();
}

std::string ReadFiles::holding(int fd) const
{
    struct stat info;
    return ::fstat(fd, &info) == 0 ? holding(info.st_dev, info.st_ino) : std::string();
}

std::string ReadFiles::holding(dev_t device, ino_t inode) const
{
    for (const File &file : m_files)
        if (file.device == device && file.inode == inode)
            return file.what;
    return {};
}

} // namespace text
