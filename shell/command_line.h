// The program's command line, answered before any window exists (and so
// without a display): --help and --version, and Qt's own options, which
// QApplication takes; anything else is a usage error.
#pragma once

#include <optional>

namespace shell {

// The exit status when the command line has been answered and the program
// ends here; nothing when it is to start.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace shell
