#pragma once

#include <string>

// The e-mail settings, held while the application runs; empty at launch.
extern std::string smtpAddress;
extern std::string smtpUserName;
extern std::string smtpPassword;
extern std::string fromAddress;
