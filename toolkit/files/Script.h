#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/core/Variant.h"
#include "toolkit/files/FolderItem.h"

#include <string>
#include <vector>

namespace tk {

// A script's parameter list: each element holds text.
using ScriptParameters = std::vector<Variant>;

// Runs the script file as a program (/bin/sh script param...), waits for it
// to end and returns what it wrote to its standard output. A script file
// that is missing or cannot run yields the empty text.
std::string ExecuteAppleScriptWithReturn(const Ref<FolderItem>& script, const ScriptParameters& params);
// The same, without a result.
void ExecuteAppleScript(const Ref<FolderItem>& script, const ScriptParameters& params);

// Opens the web address in the user's default browser.
void GlobalShowURL(const std::string& url);

} // namespace tk
