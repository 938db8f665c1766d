#include "tests/support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>

namespace {
void pointFolder(const char* variable, const QString& path) {
    QDir().mkpath(path);
    setenv(variable, QFile::encodeName(path).constData(), 1);
}
} // namespace

Sandbox::Sandbox(const char* prefix) {
    QTemporaryDir dir(QDir::tempPath() + "/" + prefix + "-XXXXXX");
    dir.setAutoRemove(false);
    const QString root = dir.path();
    path_ = QFile::encodeName(root).toStdString();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    pointFolder("HOME", root + "/home");
    pointFolder("XDG_CONFIG_HOME", root + "/home/.config");
    pointFolder("XDG_DATA_HOME", root + "/home/.local/share");
    pointFolder("XDG_CACHE_HOME", root + "/home/.cache");
    pointFolder("XDG_RUNTIME_DIR", root + "/runtime");
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    pointFolder("TMPDIR", root + "/tmp");
    unsetenv("XDG_DOCUMENTS_DIR");
}

// Removed by its bytes: tests leave names behind that are no UTF-8, which Qt cannot spell.
Sandbox::~Sandbox() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
