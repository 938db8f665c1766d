#pragma once

#include "toolkit/files/Script.h"

#include <string>

// The bundled scripts, found in the Resources folder beside the executable's
// folder on every call. Each gets its caller's parameter list unchanged.
std::string sendOnePhotoScript(const tk::ScriptParameters& params);
std::string sendMultiplePhotosScript(const tk::ScriptParameters& params);
void fitToScreenScript(const tk::ScriptParameters& params);
