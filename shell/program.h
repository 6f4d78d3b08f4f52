// Start-up and the things it keeps for the life of the program: the
// declared file type, the application object with its menu bar and About
// handlers, and the hidden start-up window, whose opening puts up the
// splash box. The converter window is built only when the start-up timer
// fires, so nothing stands between launch and the splash box but what it
// needs. main() makes one Program and runs the event loop; tests make one
// per test.
#pragma once

#include "shell/file_type.h"

#include <QString>

#include <memory>

namespace shell {

class HandleAboutMenu;

// The application's name and organisation, under which the settings are
// kept; tests keep their own organisation.
void nameApplication();

class Program {
public:
    // Needs the QApplication. battery: a file the Battery Sheet opens once
    // the converter window is up.
    explicit Program(const QString &battery = QString());
    ~Program(); // deletes the program's windows, then the application object
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    const FileType &textType() const { return m_textType; }

private:
    void declareFileType();
    void registerWindowClasses();
    void makeApplication();
    void registerAboutHandlers();

    FileType m_textType;
    std::unique_ptr<HandleAboutMenu> m_app;
};

} // namespace shell
