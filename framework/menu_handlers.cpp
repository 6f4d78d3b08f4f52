#include "framework/menu_handlers.h"

namespace fw {

void MenuHandlers::add(const std::string &itemName, Handler handler)
{
    m_handlers[itemName] = std::move(handler);
}

bool MenuHandlers::has(std::string_view itemName) const
{
    return m_handlers.find(itemName) != m_handlers.end();
}

bool MenuHandlers::run(std::string_view itemName) const
{
    const auto found = m_handlers.find(itemName);
    if (found == m_handlers.end() || !found->second)
        return false;
    // A copy: the handler may replace itself while it runs.
    const Handler handler = found->second;
    return handler();
}

} // namespace fw
