#include "shell/MenuBar1.h"

namespace {

tk::Ref<MenuBar1> theMenuBar;

struct ItemDef {
    const char* name;
    const char* text;
    const char* shortcut; // nullptr: left as the toolkit sets it
    bool autoEnable;
};

template <class Item> tk::Ref<tk::MenuItem> buildItem(const ItemDef& def) {
    auto item = tk::makeRef<Item>();
    item->Constructor();
    item->setName(def.name);
    item->setAutoEnable(def.autoEnable);
    item->setText(def.text);
    item->setVisible(true);
    if (def.shortcut)
        item->setKeyboardShortcut(def.shortcut);
    return item;
}

} // namespace

tk::Ref<MenuBar1> MenuBar1::instance() {
    if (!theMenuBar) {
        theMenuBar = tk::makeRef<MenuBar1>();
        theMenuBar->Constructor();
    }
    return theMenuBar;
}

void MenuBar1::releaseInstance() { theMenuBar.clear(); }

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0() { Append(buildItem<tk::MenuItem>({"UntitledMenu1", "", "", false})); }

void MenuBar1::Untitled1() {
    Append(buildItem<tk::MenuItem>({"FileMenu", "&File", "", false}));
    Child("FileMenu")->Append(buildItem<tk::MenuItem>({"FileOpenPhoto", "Open Photo...", "Cmd+O", true}));
    Child("FileMenu")->Append(
        buildItem<tk::MenuItem>({"FileOpenFolderofPhotos", "Open Folder of Photos...", "Cmd+Shift+O", true}));
    Child("FileMenu")->Append(buildItem<tk::MenuItem>({"File", "-", nullptr, true}));
    Child("FileMenu")->Append(buildItem<tk::AppleMenuItem>({"FileAboutTessivo", "About Tessivo...", "", true}));
    Child("FileMenu")->Append(buildItem<tk::QuitMenuItem>({"FileQuit", "Quit", "Cmd+Q", true}));
    Child("FileMenu")->Append(buildItem<tk::MenuItem>({"UntitledMenu2", "", "", false}));
}

void MenuBar1::Untitled2() { Append(buildItem<tk::MenuItem>({"UntitledMenu0", "", "", false})); }

void MenuBar1::Untitled3() {
    Append(buildItem<tk::MenuItem>({"HelpMenu", "Help", "", true}));
    Child("HelpMenu")->Append(buildItem<tk::MenuItem>({"HelpUsersGuide", "User's Guide", "", true}));
}
