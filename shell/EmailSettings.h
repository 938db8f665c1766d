#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/files/FolderItem.h"

#include <string>

// The e-mail settings, held while the application runs; empty at launch.
extern std::string smtpAddress;
extern std::string smtpUserName;
extern std::string smtpPassword;
extern std::string fromAddress;

// "Tessivo Preferences" in the application-data folder: the four settings, one
// a line, in the order above. The password stands there in clear text, so the
// file is its owner's alone.
tk::Ref<tk::FolderItem> emailSettingsFile();
