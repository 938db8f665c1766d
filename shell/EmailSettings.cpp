#include "shell/EmailSettings.h"

std::string smtpAddress;
std::string smtpUserName;
std::string smtpPassword;
std::string fromAddress;

tk::Ref<tk::FolderItem> emailSettingsFile() {
    return tk::SpecialFolder::ApplicationData()->Child("Tessivo Preferences");
}
