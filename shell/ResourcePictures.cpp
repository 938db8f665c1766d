#include "shell/ResourcePictures.h"

#include <map>
#include <string>

namespace {
// The pictures loaded so far, by file name.
std::map<std::string, tk::Ref<tk::Picture>>& loaded() {
    static std::map<std::string, tk::Ref<tk::Picture>> pictures;
    return pictures;
}

tk::Ref<tk::Picture> loadOnce(const char* fileName) {
    tk::Ref<tk::Picture>& slot = loaded()[fileName];
    if (!slot)
        slot = tk::Picture::_OpenFromApp(fileName);
    return slot;
}
} // namespace

tk::Ref<tk::Picture> listHeaderImage() {
    return loadOnce("listboxHeadercopy2.tif");
}

tk::Ref<tk::Picture> openFolderIcon() {
    return loadOnce("images.png");
}

tk::Ref<tk::Picture> saveIcon() {
    return loadOnce("save.png");
}

tk::Ref<tk::Picture> renameIcon() {
    return loadOnce("rename.png");
}

tk::Ref<tk::Picture> previewStartImage() {
    return loadOnce("splashimageqz3.jpg");
}

tk::Ref<tk::Picture> appIcon128() {
    return loadOnce("tvoWindowCleanIcon128.png");
}

tk::Ref<tk::Picture> appIcon96() {
    return loadOnce("tvoWindowCleanIcon96.png");
}

void releaseResourcePictures() {
    loaded().clear();
}
