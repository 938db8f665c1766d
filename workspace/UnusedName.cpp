#include "workspace/UnusedName.h"

#include "toolkit/core/Strings.h"

std::string unusedName(const std::string& name, const std::function<bool(const std::string&)>& taken) {
    if (!taken(name))
        return name;
    const std::size_t dot = name.rfind('.');
    const bool hasExtension = dot != std::string::npos && dot > 0;
    const std::string stem = hasExtension ? name.substr(0, dot) : name;
    const std::string extension = hasExtension ? name.substr(dot) : std::string();
    for (int n = 2;; ++n) {
        const std::string numbered = stem + " " + tk::StringStrInt32(n) + extension;
        if (!taken(numbered))
            return numbered;
    }
}
