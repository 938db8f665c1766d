#pragma once

#include "toolkit/windows/DialogHost.h"

namespace tk {

// The dialogs a user sees: Qt's message box and Qt's own (not the desktop's)
// file dialog, which can show the caption and prompt the application gives.
class QtDialogHost : public DialogHost {
  public:
    void showMessage(const std::string& text) override;
    std::optional<std::string> chooseFolder(const FolderDialogRequest& request) override;
    std::optional<std::string> chooseFile(const FolderDialogRequest& request) override;
    MessageDialogChoice showMessageDialog(const MessageDialogRequest& request) override;
};

} // namespace tk
