#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/files/FolderItem.h"

// The file of the photo that a selection change last put into the preview.
extern tk::Ref<tk::FolderItem> currentPhotoFile;
