// The implicit-window lookup: one window per class, keyed by the class's
// `static constexpr const char *kClassName`, made, built and shown on the
// first reference and forgotten when it is closed. All windows are
// top-level. The window's objectName is its class name.
#pragma once

#include "framework/window.h"

#include <string_view>
#include <type_traits>

namespace fw {

// The window of that class if one exists; never makes one.
Window *existingWindow(std::string_view className);

// So that a window can bring up another whose header it does not include,
// each class registers how it is made; the lookup by name then works like
// implicitWindow<T>(). Registering a class again replaces its maker.
using WindowMaker = Window *(*)();
void registerWindowClass(std::string_view className, WindowMaker make);

template <class T>
void registerWindowClass()
{
    registerWindowClass(T::kClassName, []() -> Window * { return new T(); });
}

// The window of that class, made, built and shown when none exists;
// nullptr when no class of that name has been registered.
Window *implicitWindow(std::string_view className);

// Whether every window may close (Window::MayClose), asked in turn.
bool mayCloseAll();

namespace detail {
void adoptWindow(const char *className, Window *window); // registers, then builds
void forgetWindow(Window *window);
} // namespace detail

// A window made with arguments of its own, kept as if the lookup had made
// it: found by existingWindow(), asked by mayCloseAll(), built and shown.
template <class T>
T *adoptWindow(T *window)
{
    detail::adoptWindow(T::kClassName, window);
    return window;
}

template <class T>
T *implicitWindow()
{
    static_assert(std::is_base_of_v<Window, T>, "an implicit window derives from fw::Window");
    if (Window *existing = existingWindow(T::kClassName))
        return dynamic_cast<T *>(existing);
    T *window = new T();
    detail::adoptWindow(T::kClassName, window);
    return window;
}

} // namespace fw
