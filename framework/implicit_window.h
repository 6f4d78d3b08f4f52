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

namespace detail {
void adoptWindow(const char *className, Window *window); // registers, then builds
void forgetWindow(Window *window);
} // namespace detail

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
