#include "workspace/MainWindow.h"

#include "toolkit/windows/FolderItemDialog.h"
#include "toolkit/windows/Runtime.h"

void MainWindow::Event_Close() { tk::RuntimeQuit(0); }

void MainWindow::Event_Activate() { Refresh(true); }

void MainWindow::Event_Open() { MainWindow::instance()->Show(); }

void MainWindow::PushButton4_Action(tk::PushButton&) {
    auto dialog = tk::makeRef<tk::SelectFolderDialog>();
    dialog->ActionButtonCaption = "Select";
    dialog->Title = "Title Property";
    dialog->PromptText = "Prompt Text";
    dialog->InitialDirectory = tk::SpecialFolder::Documents();
    dialog->ShowModal();
}
