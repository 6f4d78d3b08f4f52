// Before the application object is made: whether the program can open a
// window at all. Without a graphical session Qt would end the program with
// a core dump and a page of platform-plugin messages; the user gets one
// line saying what is needed instead, and exit status 1.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace shell {

// The line to print when no platform can be had: no platform named on the
// command line or in QT_QPA_PLATFORM, and on X11 or Wayland systems neither
// DISPLAY nor WAYLAND_DISPLAY. Nothing when starting may go ahead.
std::optional<std::string> missingDisplay(int argc, char *argv[]);

// While one lives, a platform that fails to start (a DISPLAY naming no
// server, say) prints that line and exits with status 1; Qt's messages of
// the attempt are held back and, when the start succeeds, passed on.
class PlatformStartGuard {
public:
    PlatformStartGuard();
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;
};

std::string noDisplayMessage();

} // namespace shell
