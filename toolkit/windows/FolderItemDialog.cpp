#include "toolkit/windows/FolderItemDialog.h"

#include "toolkit/windows/DialogHost.h"

namespace tk {

namespace {
FolderDialogRequest requestOf(const FolderItemDialog& dialog) {
    return {dialog.Title, dialog.PromptText, dialog.ActionButtonCaption,
            dialog.InitialDirectory ? dialog.InitialDirectory->nativePath() : std::string()};
}

Ref<FolderItem> itemFor(const std::optional<std::string>& path) {
    return path ? makeRef<FolderItem>(*path) : nullptr;
}
} // namespace

Ref<FolderItem> SelectFolderDialog::ShowModal() {
    requireMainThread();
    return itemFor(dialogHost().chooseFolder(requestOf(*this)));
}

Ref<FolderItem> OpenDialog::ShowModal() {
    requireMainThread();
    return itemFor(dialogHost().chooseFile(requestOf(*this)));
}

} // namespace tk
