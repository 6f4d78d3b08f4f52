#include "text/output_file.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace text {

namespace {

// What the signal handler removes. A plain array: the handler may touch
// nothing that allocates or locks.
char g_temporary[PATH_MAX + 1];
volatile sig_atomic_t g_armed = 0;

// Every signal that ends a run by default while the file is written: a
// closed pipe on standard error, a quit key, a file-size limit (ulimit -f).
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGXFSZ};
struct sigaction g_previous[std::size(kSignals)];

extern "C" void removeAndDie(int signal)
{
    if (g_armed)
        ::unlink(g_temporary);
    // Die of the signal itself, so that the caller sees how the run ended.
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void arm(const std::string &path)
{
    std::memcpy(g_temporary, path.c_str(), path.size() + 1);
    g_armed = 1;
    struct sigaction action {};
    action.sa_handler = removeAndDie;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < std::size(kSignals); ++i) {
        ::sigaction(kSignals[i], &action, &g_previous[i]);
        // A signal ignored by whoever started the run (nohup) stays ignored.
        if (g_previous[i].sa_handler == SIG_IGN)
            ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
}

void disarm()
{
    for (size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    g_armed = 0;
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A symbolic link is written through, as opening it would: the file it
// names is replaced, the link stays.
std::string resolved(const std::string &path)
{
    std::string target = path;
    for (int depth = 0; depth < 40; ++depth) {
        char link[PATH_MAX + 1];
        const ssize_t n = ::readlink(target.c_str(), link, PATH_MAX);
        if (n < 0)
            return target;
        const std::string next(link, size_t(n));
        target = next[0] == '/' ? next : folderOf(target) + "/" + next;
    }
    return target;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

OutputFile::~OutputFile()
{
    discard();
}

bool OutputFile::open(const std::string &path, std::string &why, bool waitForReader)
{
    struct stat existing;
    // A device or a FIFO, however reached (/dev/stdout links to a pipe that
    // has no name), is opened by the name given and never replaced.
    if (::stat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        const int flags = O_WRONLY | O_CLOEXEC | (waitForReader ? 0 : O_NONBLOCK);
        do
            m_fd = ::open(path.c_str(), flags);
        while (m_fd < 0 && errno == EINTR);
        if (m_fd < 0) {
            why = errno == ENXIO && S_ISFIFO(existing.st_mode) ? "it is a pipe that nothing reads"
                                                                : std::strerror(errno);
            return false;
        }
        if (!waitForReader)
            ::fcntl(m_fd, F_SETFL, ::fcntl(m_fd, F_GETFL) & ~O_NONBLOCK);
        return true;
    }
    m_target = resolved(path);
    const bool exists = ::stat(m_target.c_str(), &existing) == 0;
    const std::string base = m_target.substr(m_target.rfind('/') + 1);
    std::string name = folderOf(m_target) + "/." + base + ".XXXXXX";
    if (name.size() > PATH_MAX) {
        why = std::strerror(ENAMETOOLONG);
        return false;
    }
    m_fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (m_fd < 0) {
        why = "cannot make the new file beside it in " + folderOf(m_target) + ": "
              + std::strerror(errno);
        return false;
    }
    m_temporary = name;
    arm(m_temporary);
    // The new file keeps the old one's permissions and, where allowed, its
    // owner; a new file gets what the umask leaves of rw-rw-rw-.
    if (exists) {
        ::fchmod(m_fd, existing.st_mode & 07777);
        if (::fchown(m_fd, existing.st_uid, existing.st_gid) != 0)
            ::fchmod(m_fd, existing.st_mode & 0777);
    } else {
        ::fchmod(m_fd, 0666 & ~currentUmask());
    }
    return true;
}

bool OutputFile::commit(std::string &why)
{
    if (m_fd < 0)
        return true;
    int error = 0;
    if (!m_temporary.empty() && ::fsync(m_fd) != 0)
        error = errno;
    if (::close(m_fd) != 0 && error == 0)
        error = errno;
    m_fd = -1;
    if (error == 0 && !m_temporary.empty()) {
        if (::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
            error = errno;
        } else {
            disarm();
            m_temporary.clear();
            // The rename itself reaches the disk with its folder.
            const int folder = ::open(folderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            if (folder >= 0) {
                ::fsync(folder);
                ::close(folder);
            }
        }
    }
    if (error != 0) {
        why = std::strerror(error);
        discard();
    }
    return error == 0;
}

void OutputFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        disarm();
        m_temporary.clear();
    }
}


bool writeAll(int fd, std::string_view bytes, std::string &why)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            why = std::strerror(n < 0 ? errno : EIO);
            return false;
        }
        bytes.remove_prefix(size_t(n));
    }
    return true;
}

bool writeWhole(const std::string &path, const FileFiller &fill, std::string &why, bool waitForReader)
{
    OutputFile file;
    if (!file.open(path, why, waitForReader))
        return false;
    if (!fill(file.fd(), why))
        return false; // the destructor removes the temporary file
    return file.commit(why);
}

} // namespace text
