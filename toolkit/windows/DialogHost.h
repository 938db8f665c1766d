#pragma once

#include <memory>
#include <optional>
#include <string>

namespace tk {

struct FolderDialogRequest {
    std::string title;
    std::string prompt;
    std::string actionButtonCaption;
    std::string initialDirectory; // native path; empty for the dialog's own choice
};

// A message with an explanation below it and one or two buttons.
struct MessageDialogRequest {
    int icon = 0; // MessageDialog's icon codes
    std::string message;
    std::string explanation;
    std::string actionCaption;
    bool cancelVisible = false;
    std::string cancelCaption;
};

enum class MessageDialogChoice { actionButton, cancelButton };

// Every dialog the application shows goes through one host. The default host
// shows Qt dialogs; tests install a host that answers from a script.
class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // A modal message box with one text, returning when it is dismissed.
    virtual void showMessage(const std::string& text) = 0;
    // A modal folder chooser: the chosen folder's native path, or nothing when cancelled.
    virtual std::optional<std::string> chooseFolder(const FolderDialogRequest& request) = 0;
    // A modal file chooser for one existing file, or nothing when cancelled.
    virtual std::optional<std::string> chooseFile(const FolderDialogRequest& request) = 0;
    // A modal message dialog: the button that the user pressed. Closing a dialog
    // that shows a cancel button presses it.
    virtual MessageDialogChoice showMessageDialog(const MessageDialogRequest& request) = 0;
};

DialogHost& dialogHost();
// Installs a host; returns the one it replaces.
std::unique_ptr<DialogHost> setDialogHost(std::unique_ptr<DialogHost> host);

// Shows the text in a modal message box; returns when the user dismisses it.
void RuntimeMsgBox(const std::string& text);

} // namespace tk
