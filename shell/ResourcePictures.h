#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/pictures/Picture.h"

// The application's pictures, each loaded from its resource file on the first
// call that finds none loaded and then handed out until the application exits.
// A picture that failed to load is tried again on the next call.
tk::Ref<tk::Picture> listHeaderImage();
tk::Ref<tk::Picture> openFolderIcon();
tk::Ref<tk::Picture> saveIcon();
tk::Ref<tk::Picture> renameIcon();
tk::Ref<tk::Picture> previewStartImage();
tk::Ref<tk::Picture> appIcon128();
tk::Ref<tk::Picture> appIcon96();

// Lets the loaded pictures go, at exit: a later start loads them afresh.
void releaseResourcePictures();
