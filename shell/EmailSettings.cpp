#include "shell/EmailSettings.h"

std::string smtpAddress;
std::string smtpUserName;
std::string smtpPassword;
std::string fromAddress;
