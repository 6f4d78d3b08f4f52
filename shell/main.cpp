// Quintaval: start-up makes the application object, its menu bar and the
// hidden start-up window, which puts up the splash box; the event loop runs
// until the program quits, and its result is the exit status.
#include "shell/command_line.h"
#include "shell/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> answered = shell::answerCommandLine(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    shell::Program program;
    return application.exec();
}
