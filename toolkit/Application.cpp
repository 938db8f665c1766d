#include "toolkit/Application.h"

#include <unistd.h>

#include <climits>

namespace tk {

Ref<FolderItem> Application::ExecutableFile() const {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= static_cast<ssize_t>(sizeof buffer))
        return nullptr;
    return makeRef<FolderItem>(std::string(buffer, static_cast<std::size_t>(length)));
}

} // namespace tk
