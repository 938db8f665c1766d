#include "shell/ScriptRunners.h"

#include "shell/App.h"

namespace {
// bin/../Resources/<fileName>; neither folder nor file is tested for existence.
tk::Ref<tk::FolderItem> resourceScript(const char* fileName) {
    tk::Ref<tk::FolderItem> contents = App::instance()->ExecutableFile()->Parent()->Parent();
    return contents->Child("Resources")->Child(fileName);
}
} // namespace

std::string sendOnePhotoScript(const tk::ScriptParameters& params) {
    return tk::ExecuteAppleScriptWithReturn(resourceScript("YBPageThumbnail-51.jpeg"), params);
}

std::string sendMultiplePhotosScript(const tk::ScriptParameters& params) {
    return tk::ExecuteAppleScriptWithReturn(resourceScript("YBPageThumbnail-54.jpeg"), params);
}

void fitToScreenScript(const tk::ScriptParameters& params) {
    tk::ExecuteAppleScript(resourceScript("YBPageThumbnail-109.jpeg"), params);
}
