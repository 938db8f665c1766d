#include "shell/ResourcePictures.h"

namespace {
tk::Ref<tk::Picture> loadOnce(tk::Ref<tk::Picture>& slot, const char* fileName) {
    if (!slot)
        slot = tk::Picture::_OpenFromApp(fileName);
    return slot;
}
} // namespace

tk::Ref<tk::Picture> listHeaderImage() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "listboxHeadercopy2.tif");
}

tk::Ref<tk::Picture> openFolderIcon() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "images.png");
}

tk::Ref<tk::Picture> saveIcon() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "save.png");
}

tk::Ref<tk::Picture> renameIcon() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "rename.png");
}

tk::Ref<tk::Picture> previewStartImage() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "splashimageqz3.jpg");
}

tk::Ref<tk::Picture> appIcon128() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "tvoWindowCleanIcon128.png");
}

tk::Ref<tk::Picture> appIcon96() {
    static tk::Ref<tk::Picture> slot;
    return loadOnce(slot, "tvoWindowCleanIcon96.png");
}
