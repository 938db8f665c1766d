#include "bench/Fixtures.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

namespace fixtures {

std::string folder(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? value : "";
}

std::vector<std::string> photosIn(const std::string& folder) {
    std::vector<std::string> paths;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.is_regular_file() && entry.path().extension() == ".jpg")
            paths.push_back(entry.path().string());
    std::sort(paths.begin(), paths.end());
    return paths;
}

void renew(const std::vector<std::string>& files) {
    // The clock read here, not the file system's coarser "now", so that two
    // renewals in quick succession still give different times.
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const timespec times[2] = {now, now};
    for (const std::string& file : files)
        utimensat(AT_FDCWD, file.c_str(), times, 0);
}

} // namespace fixtures
