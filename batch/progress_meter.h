// Progress of a long run on a terminal: rows done, and the percent of the
// input read when its size is known. Silent unless the stream is a terminal
// and the run has lasted more than a second.
#pragma once

#include <chrono>

namespace batch {

class ProgressMeter {
public:
    // totalBytes below 0: the input's size is unknown.
    ProgressMeter(int fd, long long totalBytes);
    // The tests choose when it shows.
    ProgressMeter(int fd, long long totalBytes, bool isTerminal,
                  std::chrono::milliseconds quietStart = std::chrono::seconds(1),
                  std::chrono::milliseconds interval = std::chrono::milliseconds(200));

    // Cheap enough to call for every row.
    void update(long long rows, long long bytesRead)
    {
        if (m_enabled && (rows & 0x3fff) == 0)
            show(rows, bytesRead);
    }

    // Clears the line again, so that what follows starts clean.
    void finish();

private:
    using Clock = std::chrono::steady_clock;

    void show(long long rows, long long bytesRead);

    int m_fd;
    long long m_totalBytes;
    bool m_enabled;
    std::chrono::milliseconds m_interval;
    Clock::time_point m_nextShow;
    size_t m_shownWidth = 0;
};

} // namespace batch
