// Quintaval: start-up makes the application object, its menu bar and the
// hidden start-up window, which puts up the splash box; the event loop runs
// until the program quits, and its result is the exit status.
#include "shell/command_line.h"
#include "shell/display_check.h"
#include "shell/program.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[])
{
    shell::StartRequest request;
    if (const std::optional<int> answered = shell::answerCommandLine(argc, argv, request))
        return *answered;
    if (!request.pdf.isEmpty())
        return shell::writeBatteryPdf(argc, argv, request);
    if (const std::optional<std::string> missing = shell::missingDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", missing->c_str());
        return 1;
    }
    std::optional<shell::PlatformStartGuard> guard(std::in_place);
    QApplication application(argc, argv);
    guard.reset();
    shell::startLanguage(request);
    shell::Program program(request.battery);
    return application.exec();
}
