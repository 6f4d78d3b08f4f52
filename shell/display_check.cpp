#include "shell/display_check.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace shell {

namespace {

bool isSet(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value;
}

bool namesPlatform(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0
            || std::strncmp(argv[i], "-platform=", 10) == 0 || std::strncmp(argv[i], "--platform=", 11) == 0)
            return true;
    return false;
}

struct Held {
    QtMsgType type;
    std::string category; // the context's strings do not outlive the call
    QString message;
};

QtMessageHandler s_previous = nullptr;
std::vector<Held> *s_held = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", noDisplayMessage().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (s_held)
        s_held->push_back({type, context.category ? context.category : "", message});
}

} // namespace

std::string noDisplayMessage()
{
    return "quintaval: needs a graphical session (an X11 or Wayland display), or QT_QPA_PLATFORM=offscreen "
           "to run without one";
}

std::optional<std::string> missingDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (!namesPlatform(argc, argv) && !isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        return noDisplayMessage();
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#endif
    return std::nullopt;
}

PlatformStartGuard::PlatformStartGuard()
{
    s_held = new std::vector<Held>;
    s_previous = qInstallMessageHandler(holdMessage);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(s_previous);
    std::vector<Held> *held = s_held;
    s_held = nullptr;
    for (const Held &message : *held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        if (s_previous)
            s_previous(message.type, context, message.message);
        else
            qt_message_output(message.type, context, message.message);
    }
    delete held;
}

} // namespace shell
