#include "batch/progress_meter.h"

#include <cstdio>
#include <string>
#include <unistd.h>

namespace batch {

namespace {

void writeAll(int fd, const std::string &text)
{
    // Progress is a courtesy: a failed write is not worth reporting.
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += size_t(n);
    }
}
} // namespace

ProgressMeter::ProgressMeter(int fd, long long totalBytes)
    : ProgressMeter(fd, totalBytes, ::isatty(fd) == 1)
{
}

ProgressMeter::ProgressMeter(int fd, long long totalBytes, bool isTerminal,
                             std::chrono::milliseconds quietStart,
                             std::chrono::milliseconds interval)
    : m_fd(fd), m_totalBytes(totalBytes), m_enabled(isTerminal), m_interval(interval),
      m_nextShow(Clock::now() + quietStart)
{
}

void ProgressMeter::show(long long rows, long long bytesRead)
{
    const Clock::time_point now = Clock::now();
    if (now < m_nextShow)
        return;
    m_nextShow = now + m_interval;
    std::string text = std::to_string(rows) + " rows";
    if (m_totalBytes > 0)
        text += ", " + std::to_string(bytesRead * 100 / m_totalBytes) + "%";
    const size_t width = text.size();
    if (width < m_shownWidth)
        text.append(m_shownWidth - width, ' ');
    m_shownWidth = width;
    writeAll(m_fd, "\r" + text);
}

void ProgressMeter::finish()
{
    if (m_shownWidth > 0)
        writeAll(m_fd, "\r" + std::string(m_shownWidth, ' ') + "\r");
    m_shownWidth = 0;
}

} // namespace batch
