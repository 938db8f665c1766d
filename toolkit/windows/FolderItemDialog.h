#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/files/FolderItem.h"

#include <string>

namespace tk {

// A modal chooser for a file or folder, shown by ShowModal.
class FolderItemDialog {
  public:
    virtual ~FolderItemDialog() = default;

    std::string ActionButtonCaption, Title, PromptText;
    Ref<FolderItem> InitialDirectory;

    // The chosen item, or nil when the user cancels.
    virtual Ref<FolderItem> ShowModal() = 0;
};

class SelectFolderDialog : public FolderItemDialog {
  public:
    Ref<FolderItem> ShowModal() override;
};

// Chooses one existing file, of any kind.
class OpenDialog : public FolderItemDialog {
  public:
    Ref<FolderItem> ShowModal() override;
};

} // namespace tk
