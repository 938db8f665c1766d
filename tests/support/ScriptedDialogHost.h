#pragma once

#include "toolkit/windows/DialogHost.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

// Answers dialogs from a script and records what was shown, so tests drive
// the real code paths without anybody at the screen.
class ScriptedDialogHost : public tk::DialogHost {
  public:
    // Installs a new scripted host for the life of the test process and returns it.
    static ScriptedDialogHost& install();

    std::vector<std::string> messages;
    std::vector<tk::FolderDialogRequest> folderRequests;
    std::vector<tk::FolderDialogRequest> fileRequests;
    // Answers in order; an empty queue cancels.
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<tk::MessageDialogRequest> messageDialogRequests;
    // Buttons pressed in order; an empty queue presses the cancel button (the
    // action button when the dialog shows no cancel button).
    std::deque<tk::MessageDialogChoice> messageDialogAnswers;

    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::optional<std::string> chooseFolder(const tk::FolderDialogRequest& request) override;
    std::optional<std::string> chooseFile(const tk::FolderDialogRequest& request) override;
    tk::MessageDialogChoice showMessageDialog(const tk::MessageDialogRequest& request) override;
};
