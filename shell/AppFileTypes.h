#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/files/FileType.h"

// The application's two file types, "text" and "all"; the photo list accepts
// dropped files of the type "all" by its name.
extern tk::Ref<tk::FileType> appFileTypesText;
extern tk::Ref<tk::FileType> appFileTypesAll;

// Builds both types and registers them with the toolkit; called once at start-up.
void makeAppFileTypes();
// Releases "all", then "text".
void releaseAppFileTypes();
