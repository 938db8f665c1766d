#pragma once

#include "toolkit/FolderItem.h"
#include "toolkit/MenuHandlers.h"
#include "toolkit/Ref.h"

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

    // The running executable (found through /proc/self/exe, so a link to it works).
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
