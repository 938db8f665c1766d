#pragma once

#include "toolkit/FolderItem.h"
#include "toolkit/Ref.h"

// The file of the photo that a selection change last put into the preview.
extern tk::Ref<tk::FolderItem> currentPhotoFile;
