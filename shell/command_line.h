// The program's command line, answered before any window exists (and so
// without a display): --help and --version, --lang, --battery FILE with or
// without --pdf OUT, and Qt's own options, which QApplication takes;
// anything else is a usage error.
#pragma once

#include "battery_window/battery_pdf.h"
#include "framework/language.h"

#include <QString>

#include <optional>

namespace shell {

struct StartRequest {
    std::optional<fw::Language> language; // --lang; nothing: the desktop's
    QString battery; // a file to open in the Battery Sheet
    QString pdf;     // with battery: write its report here and end
    battery::PdfRequest printing; // with pdf: the options of the report
};

// The exit status when the command line has been answered and the program
// ends here; nothing when it is to start, as `request` says.
std::optional<int> answerCommandLine(int argc, char *argv[], StartRequest &request);

// The language the windows speak: the one asked for, else the desktop's.
void startLanguage(const StartRequest &request);

// Writes the Battery Sheet's report of request.battery to request.pdf
// without a window or a display, in the language asked for: 0 when
// written, 1 when a file could not be read or written, 2 when the report
// would be written over a file it is made from, with a message on standard
// error.
int writeBatteryPdf(int argc, char *argv[], const StartRequest &request);

} // namespace shell
