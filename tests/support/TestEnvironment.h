#pragma once

#include <string>

namespace testenv {
// The private folder that holds this test process's HOME and XDG folders.
std::string sandboxPath();
} // namespace testenv
