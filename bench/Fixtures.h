#pragma once

#include <string>
#include <vector>

// The photo folders that bench/compare.sh makes with make_photos, handed over
// in environment variables.
namespace fixtures {

// The folder named by the environment variable; empty when it is not set.
std::string folder(const char* variable);

// The paths of the folder's .jpg files, sorted by name.
std::vector<std::string> photosIn(const std::string& folder);

// Gives the files new modification times, so the application sees them as
// changed files and reuses nothing it decoded from them before.
void renew(const std::vector<std::string>& files);

} // namespace fixtures
