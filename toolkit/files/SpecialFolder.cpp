#include "toolkit/files/FolderItem.h"

#include <cstdlib>
#include <fstream>
#include <mutex>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tk {

namespace {

// The variable's value when it is an absolute path, else the empty text.
std::string absoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string homeFolder() {
    std::string home = absoluteVariable("HOME");
    if (!home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd entry;
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/";
}

std::string configHome() {
    const std::string config = absoluteVariable("XDG_CONFIG_HOME");
    return config.empty() ? homeFolder() + "/.config" : config;
}

// The path a user-dirs.dirs line gives its key: KEY="$HOME/path" or KEY="/path",
// with shell escapes. The last line of the key counts, as when the shell reads the file.
std::optional<std::string> userDirectory(const std::string& file, const std::string& key) {
    std::ifstream in(file);
    std::optional<std::string> found;
    std::string line;
    while (std::getline(in, line)) {
        std::size_t i = line.find_first_not_of(" \t");
        if (i == std::string::npos || line.compare(i, key.size(), key) != 0)
            continue;
        i = line.find_first_not_of(" \t", i + key.size());
        if (i == std::string::npos || line[i] != '=')
            continue;
        i = line.find_first_not_of(" \t", i + 1);
        if (i == std::string::npos || line[i] != '"')
            continue;
        std::string value;
        bool closed = false;
        for (++i; i < line.size() && !closed; ++i) {
            if (line[i] == '\\' && i + 1 < line.size())
                value += line[++i];
            else if (line[i] == '"')
                closed = true;
            else
                value += line[i];
        }
        if (!closed)
            continue;
        if (value.rfind("$HOME", 0) == 0 && (value.size() == 5 || value[5] == '/'))
            found = homeFolder() + value.substr(5);
        else if (!value.empty() && value[0] == '/')
            found = value;
    }
    return found;
}

// A folder only this user can enter: no link, owned by the user, no group or other access.
bool isPrivateFolder(const std::string& path) {
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
           (st.st_mode & 077) == 0;
}

} // namespace

namespace SpecialFolder {

Ref<FolderItem> ApplicationData() {
    return makeRef<FolderItem>(configHome());
}

Ref<FolderItem> Documents() {
    const auto documents = userDirectory(configHome() + "/user-dirs.dirs", "XDG_DOCUMENTS_DIR");
    return makeRef<FolderItem>(documents ? *documents : homeFolder() + "/Documents");
}

Ref<FolderItem> Trash() {
    std::string data = absoluteVariable("XDG_DATA_HOME");
    if (data.empty())
        data = homeFolder() + "/.local/share";
    return makeRef<FolderItem>(data + "/Trash/files");
}

Ref<FolderItem> Temporary() {
    static std::mutex mutex;
    static std::string madeFolder;
    std::lock_guard lock(mutex);
    const std::string runtime = absoluteVariable("XDG_RUNTIME_DIR");
    if (!runtime.empty() && isPrivateFolder(runtime)) {
        const std::string folder = runtime + "/tessivo";
        ::mkdir(folder.c_str(), 0700);
        if (isPrivateFolder(folder))
            return makeRef<FolderItem>(folder);
    }
    // A fresh folder of an unguessable name, made once per process (again if it went).
    if (madeFolder.empty() || !isPrivateFolder(madeFolder)) {
        std::string base = absoluteVariable("TMPDIR");
        std::string pattern = (base.empty() ? std::string("/tmp") : base) + "/tessivo-XXXXXX";
        madeFolder = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    return madeFolder.empty() ? nullptr : makeRef<FolderItem>(madeFolder);
}

} // namespace SpecialFolder

} // namespace tk
