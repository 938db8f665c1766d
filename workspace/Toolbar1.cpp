#include "workspace/Toolbar1.h"

#include "shell/ResourcePictures.h"

namespace {
struct ItemSpec {
    tk::Ref<tk::ToolButton> Toolbar1::*slot;
    const char* name;
    int style;
    const char* caption;
    const char* helpTag;
    tk::Ref<tk::Picture> (*icon)();
};

const ItemSpec items[] = {
    {&Toolbar1::OpenFolder, "OpenFolder", 0, "Open", "Select a folder of images", openFolderIcon},
    {&Toolbar1::ToolItem1, "ToolItem1", 6, "Untitled", "", nullptr},
    {&Toolbar1::Number, "Number", 0, "Number", "Number listed images", renameIcon},
    {&Toolbar1::Save, "Save", 0, "Save Selected", "Save selected images", saveIcon},
};
} // namespace

void Toolbar1::Constructor() {
    tk::Toolbar::Constructor();
    for (const ItemSpec& spec : items) {
        auto& button = this->*spec.slot;
        button = tk::makeRef<tk::ToolButton>();
        button->setName(spec.name);
        button->setStyle(spec.style);
        button->setEnabled(true);
        button->setCaption(spec.caption);
        button->setHelpTag(spec.helpTag);
        if (spec.icon)
            button->setIcon(spec.icon());
        Append(button);
    }
}
