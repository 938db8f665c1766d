#include "workspace/Toolbar1.h"

#include "shell/ResourcePictures.h"

namespace {
struct ItemDef {
    tk::Ref<tk::ToolButton> Toolbar1::*slot;
    const char* name;
    int style;
    const char* caption;
    const char* helpTag;
    tk::Ref<tk::Picture> (*icon)();
};

const ItemDef items[] = {
    {&Toolbar1::OpenFolder, "OpenFolder", 0, "Open", "Select a folder of images", openFolderIcon},
    {&Toolbar1::ToolItem1, "ToolItem1", 6, "Untitled", "", nullptr},
    {&Toolbar1::Number, "Number", 0, "Number", "Number listed images", renameIcon},
    {&Toolbar1::Save, "Save", 0, "Save Selected", "Save selected images", saveIcon},
};
} // namespace

void Toolbar1::Constructor() {
    tk::Toolbar::Constructor();
    for (const ItemDef& def : items) {
        auto& button = this->*def.slot;
        button = tk::makeRef<tk::ToolButton>();
        button->setName(def.name);
        button->setStyle(def.style);
        button->setEnabled(true);
        button->setCaption(def.caption);
        button->setHelpTag(def.helpTag);
        if (def.icon)
            button->setIcon(def.icon());
        Append(button);
    }
}
