#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/files/FolderItem.h"
#include "toolkit/windows/MenuHandlers.h"

#include <functional>
#include <string>

namespace tk {

class MenuBar;

// The application object: one per process, registered with the run time,
// receiving the application's events and application-level menu commands.
class Application {
  public:
    virtual ~Application() = default;

    virtual void Constructor() {}

    // Raised once after start-up, from inside the event loop.
    virtual void Event_Open() {}
    // Raised once for each file or folder the desktop hands to the application.
    virtual void Event_OpenDocument(Ref<FolderItem> item) { (void)item; }

    const Ref<tk::MenuBar>& MenuBar() const { return menuBar_; }
    void setMenuBar(Ref<tk::MenuBar> bar) { menuBar_ = std::move(bar); }

    // The running executable.
    Ref<FolderItem> ExecutableFile() const;

    void _AddMenuHandler(const std::string& itemName, MenuHandler handler) {
        menuHandlers_.add(itemName, std::move(handler));
    }
    const MenuHandlers& menuHandlers() const { return menuHandlers_; }

  private:
    Ref<tk::MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
};

} // namespace tk
