#include "framework/implicit_window.h"

#include <QPointer>

#include <map>
#include <string>
#include <vector>

namespace fw {

namespace {

std::map<std::string, QPointer<Window>, std::less<>> &registry()
{
    static std::map<std::string, QPointer<Window>, std::less<>> s_windows;
    return s_windows;
}

std::map<std::string, WindowMaker, std::less<>> &makers()
{
    static std::map<std::string, WindowMaker, std::less<>> s_makers;
    return s_makers;
}

} // namespace

Window *existingWindow(std::string_view className)
{
    const auto found = registry().find(className);
    return found == registry().end() ? nullptr : found->second.data();
}

void registerWindowClass(std::string_view className, WindowMaker make)
{
    makers()[std::string(className)] = make;
}

Window *implicitWindow(std::string_view className)
{
    if (Window *existing = existingWindow(className))
        return existing;
    const auto found = makers().find(className);
    if (found == makers().end())
        return nullptr;
    Window *window = found->second();
    detail::adoptWindow(found->first.c_str(), window);
    return window;
}

bool mayCloseAll()
{
    // A copy: answering may close windows.
    std::vector<QPointer<Window>> windows;
    for (const auto &entry : registry())
        windows.push_back(entry.second);
    for (const QPointer<Window> &window : windows)
        if (window && !window->MayClose())
            return false;
    return true;
}

namespace detail {

void adoptWindow(const char *className, Window *window)
{
    window->setObjectName(QString::fromUtf8(className));
    // Registered before it is built, so that its own hooks find it.
    registry()[className] = window;
    window->build();
}

void forgetWindow(Window *window)
{
    for (auto it = registry().begin(); it != registry().end(); ++it) {
        if (it->second == window) {
            registry().erase(it);
            return;
        }
    }
}

} // namespace detail

} // namespace fw
