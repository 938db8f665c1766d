#include "workspace/MainWindow.h"

#include "shell/MenuBar1.h"

#include "toolkit/Runtime.h"

void MainWindow::Layout() {
    setMenuBar(MenuBar1::instance());
    applyStoredProperties({{"Width", 830},        {"Height", 555},        {"MinWidth", 640},
                           {"MinHeight", 250},    {"MaxWidth", 32000},    {"MaxHeight", 32000},
                           {"Frame", 0},          {"Title", "Tessivo"},   {"CloseButton", true},
                           {"Resizeable", true},  {"MaximizeButton", true}, {"MinimizeButton", true},
                           {"FullScreenButton", false}, {"Composite", true}, {"MacProcID", 0},
                           {"Placement", 2},      {"Visible", true},      {"LiveResize", true},
                           {"FullScreen", false}, {"MenuBarVisible", true}, {"HasBackColor", true},
                           {"BackColor", tk::RGB(43, 43, 43)}});
}

void MainWindow::Event_Close() { tk::RuntimeQuit(0); }

void MainWindow::Event_Activate() { Refresh(true); }

void MainWindow::Event_Open() { MainWindow::instance()->Show(); }
