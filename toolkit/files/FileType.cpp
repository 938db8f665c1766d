#include "toolkit/files/FileType.h"

#include "toolkit/core/Exceptions.h"

#include <set>

namespace tk {

namespace {
std::set<std::string>& registeredNames() {
    static std::set<std::string> names;
    return names;
}
} // namespace

std::string FileType::Operator_Convert() {
    requireMainThread();
    registeredNames().insert(Name);
    return Name;
}

bool isFileTypeRegistered(const std::string& name) { return registeredNames().count(name) > 0; }

} // namespace tk
