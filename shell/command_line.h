// The program's command line, answered before any window exists (and so
// without a display): --help and --version, --lang, and Qt's own options,
// which QApplication takes; anything else is a usage error.
#pragma once

#include "framework/language.h"

#include <optional>

namespace shell {

struct StartRequest {
    std::optional<fw::Language> language; // --lang; nothing: the desktop's
};

// The exit status when the command line has been answered and the program
// ends here; nothing when it is to start, as `request` says.
std::optional<int> answerCommandLine(int argc, char *argv[], StartRequest &request);

// The language the windows speak: the one asked for, else the desktop's.
void startLanguage(const StartRequest &request);

} // namespace shell
