#include "toolkit/windows/DialogHost.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/windows/QtDialogHost.h"

namespace tk {

namespace {
std::unique_ptr<DialogHost>& currentHost() {
    static std::unique_ptr<DialogHost> host = std::make_unique<QtDialogHost>();
    return host;
}
} // namespace

DialogHost& dialogHost() { return *currentHost(); }

std::unique_ptr<DialogHost> setDialogHost(std::unique_ptr<DialogHost> host) {
    std::swap(currentHost(), host);
    return host;
}

void RuntimeMsgBox(const std::string& text) {
    requireMainThread();
    dialogHost().showMessage(text);
}

} // namespace tk
