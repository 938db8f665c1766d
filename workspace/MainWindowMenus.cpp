// The main window's menu commands, registered by menu-item name.
#include "workspace/MainWindow.h"

void MainWindow::AddMenuHandlers() {
    struct Binding {
        const char* itemName;
        bool (MainWindow::*handler)();
    };
    static const Binding bindings[] = {
        {"FileOpenFolderofPhotos", &MainWindow::_FileOpenFolderofPhotos_Action},
        {"FileOpenPhoto", &MainWindow::_FileOpenPhoto_Action},
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
