#pragma once

#include <functional>
#include <string>

// The name itself, else the name with " 2", " 3"... before its extension: the
// first that taken does not hold, so that two photos of one file name (from
// two folders) give two files.
std::string unusedName(const std::string& name, const std::function<bool(const std::string&)>& taken);
