#include "toolkit/windows/Application.h"

namespace tk {

Ref<FolderItem> Application::ExecutableFile() const { return executableFile(); }

} // namespace tk
