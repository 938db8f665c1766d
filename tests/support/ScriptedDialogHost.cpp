#include "tests/support/ScriptedDialogHost.h"

namespace {
std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty())
        return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}
} // namespace

ScriptedDialogHost& ScriptedDialogHost::install() {
    auto host = std::make_unique<ScriptedDialogHost>();
    ScriptedDialogHost& ref = *host;
    tk::setDialogHost(std::move(host));
    return ref;
}

std::optional<std::string> ScriptedDialogHost::chooseFolder(const tk::FolderDialogRequest& request) {
    folderRequests.push_back(request);
    return next(folderAnswers);
}

std::optional<std::string> ScriptedDialogHost::chooseFile(const tk::FolderDialogRequest& request) {
    fileRequests.push_back(request);
    return next(fileAnswers);
}

tk::MessageDialogChoice ScriptedDialogHost::showMessageDialog(const tk::MessageDialogRequest& request) {
    messageDialogRequests.push_back(request);
    if (messageDialogAnswers.empty())
        return request.cancelVisible ? tk::MessageDialogChoice::cancelButton
                                     : tk::MessageDialogChoice::actionButton;
    const tk::MessageDialogChoice answer = messageDialogAnswers.front();
    messageDialogAnswers.pop_front();
    return answer;
}
