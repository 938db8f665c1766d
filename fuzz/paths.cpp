// The ":"-separated path form on arbitrary bytes: a path is refused or names
// an item that spells it back exactly, and any byte string as a file name is
// refused or gives an item whose ":"-form leads back to the same native path.
#include "toolkit/files/FolderItem.h"

#include <cstdlib>
#include <string>

namespace {

void checkChild(const tk::FolderItem& folder, const std::string& name) {
    const tk::Ref<tk::FolderItem> child = folder.Child(name);
    if (!child)
        return;
    const tk::Ref<tk::FolderItem> again = tk::RuntimeGetFolderItem(child->AbsolutePath());
    if (!again || again->nativePath() != child->nativePath())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // The empty path names the application's folder, not a path to spell back.
    if (!bytes.empty()) {
        const tk::Ref<tk::FolderItem> item = tk::RuntimeGetFolderItem(bytes);
        if (item && item->AbsolutePath() != bytes)
            std::abort();
    }
    checkChild(tk::FolderItem("/"), bytes);
    checkChild(tk::FolderItem("/srv/photos:2024/a b"), bytes);
    return 0;
}
