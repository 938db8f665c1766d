// The main window's commands: the toolbar, the menu handlers it registers by
// menu-item name, and the accessors of the menu items.
#include "workspace/MainWindow.h"

#include "workspace/batchNameWindow.h"

#include "toolkit/windows/DialogHost.h"

void MainWindow::Toolbar11_Action(Toolbar1&, tk::ToolItem& item) {
    const std::string name = item.Name();
    if (name == "OpenFolder") {
        openFolder();
    } else if (name == "Save") {
        saveAllPhotos();
        Refresh(true);
    } else if (name == "Number") {
        if (ListBox1()->ListCount() < 1) {
            tk::RuntimeMsgBox("There are no images in the Images list.");
            return;
        }
        batchNameWindow::instance()->Show();
        Refresh(true);
    }
}

void MainWindow::AddMenuHandlers() {
    struct Binding {
        const char* itemName;
        bool (MainWindow::*handler)();
    };
    static const Binding bindings[] = {
        {"FileOpenFolderofPhotos", &MainWindow::_FileOpenFolderofPhotos_Action},
        {"FileOpenPhoto", &MainWindow::_FileOpenPhoto_Action},
        {"FileSaveScaledPhotoAs", &MainWindow::_FileSaveScaledPhotoAs_Action},
        {"EditCopy", &MainWindow::_EditCopy_Action},
    };
    for (const Binding& binding : bindings)
        _AddMenuHandler(binding.itemName, [this, handler = binding.handler] { return (this->*handler)(); });
}

bool MainWindow::_FileOpenFolderofPhotos_Action() {
    openFolder();
    return false;
}

bool MainWindow::_FileOpenPhoto_Action() {
    openPhoto();
    return false;
}

bool MainWindow::_FileSaveScaledPhotoAs_Action() {
    savePhoto();
    return false;
}

bool MainWindow::_EditCopy_Action() { return false; }

tk::Ref<tk::MenuItem> MainWindow::menuItem(const char* name) const { return MenuBar()->_Lookup(name); }
