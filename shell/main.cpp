// Quintaval: start-up makes the application object, its menu bar and the
// hidden start-up window, which puts up the splash box; the event loop runs
// until the program quits, and its result is the exit status.
#include "shell/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    shell::Program program;
    return application.exec();
}
