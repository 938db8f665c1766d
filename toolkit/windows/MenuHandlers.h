#pragma once

#include <functional>
#include <map>
#include <string>

namespace tk {

// A menu command handler: takes nothing, returns True when it handled the command.
using MenuHandler = std::function<bool()>;

// Handlers registered under menu-item names, by a window or the application.
class MenuHandlers {
  public:
    void add(const std::string& itemName, MenuHandler handler) { handlers_[itemName] = std::move(handler); }
    const MenuHandler* find(const std::string& itemName) const {
        auto it = handlers_.find(itemName);
        return it == handlers_.end() ? nullptr : &it->second;
    }

  private:
    std::map<std::string, MenuHandler> handlers_;
};

} // namespace tk
