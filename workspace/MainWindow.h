#pragma once

#include "toolkit/FolderItem.h"
#include "toolkit/Window.h"

#include <cstdint>
#include <string>

// The one main window: the photo list, the preview and the commands on them.
class MainWindow : public tk::Window {
  public:
    // The one main window, created and built on first use.
    static tk::Ref<MainWindow> instance() { return tk::Window::instance<MainWindow>(); }

    void Layout() override;

    void Event_Close() override;
    void Event_Activate() override;
    void Event_Open() override;
    void Event_EnableMenuItems() override {}
    void Event_Resizing() override {}
    void Event_Resized() override {}

    // Name of the photo file last put into the preview.
    std::string theFileName;
    // The folder being loaded.
    tk::Ref<tk::FolderItem> photoF;
    // The destination folder of a save.
    tk::Ref<tk::FolderItem> saveF;
    // True while the list's selection change is handled.
    bool changingImage = false;
    // The list's selected index after the last selection change.
    std::int32_t currentIndex = 0;
    // True while a folder is being loaded.
    bool loadingImages = false;
    // While True, a change of the size pop-up is ignored.
    bool loadingsizes = false;
};
