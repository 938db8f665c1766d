#include "workspace/CurrentPhotoFile.h"

tk::Ref<tk::FolderItem> currentPhotoFile;
