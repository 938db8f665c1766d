#include "toolkit/windows/Menu.h"

#include "toolkit/windows/Application.h"
#include "toolkit/windows/Runtime.h"
#include "toolkit/windows/Window.h"

namespace tk {

namespace {
const MenuHandler* findHandler(const std::string& name, Window* frontmost) {
    if (name.empty())
        return nullptr;
    if (frontmost && frontmost->isOpen())
        if (const MenuHandler* handler = frontmost->menuHandlers().find(name))
            return handler;
    if (Ref<Application> app = RuntimeAppObject())
        return app->menuHandlers().find(name);
    return nullptr;
}
} // namespace

void MenuItem::Append(const Ref<MenuItem>& child) {
    if (!child)
        throw NilObjectException();
    children_.push_back(child);
}

Ref<MenuItem> MenuItem::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return children_[static_cast<std::size_t>(index)];
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
    for (const auto& child : children_)
        if (child->Name() == name)
            return child;
    return nullptr;
}

Ref<MenuItem> MenuItem::_Lookup(const std::string& name) const {
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child;
        if (Ref<MenuItem> found = child->_Lookup(name))
            return found;
    }
    return nullptr;
}

void MenuItem::Action(Window* frontmost) {
    // Copy the handler: it may close the window that registered it.
    if (const MenuHandler* handler = findHandler(name_, frontmost)) {
        MenuHandler call = *handler;
        call();
    }
}

bool MenuItem::hasHandler(Window* frontmost) const { return findHandler(name_, frontmost) != nullptr; }

void QuitMenuItem::Action(Window*) { RuntimeQuit(0); }

} // namespace tk
