// Menu command handlers by item name, as a window or the application object
// registers them.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace fw {

class MenuHandlers {
public:
    using Handler = std::function<bool()>;

    void add(const std::string &itemName, Handler handler); // replaces
    bool has(std::string_view itemName) const;
    // Runs the handler; true when there was one and it consumed the command.
    bool run(std::string_view itemName) const;

private:
    std::map<std::string, Handler, std::less<>> m_handlers;
};

} // namespace fw
