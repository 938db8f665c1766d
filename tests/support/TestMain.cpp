// Every test process runs on Qt's offscreen platform with HOME and the XDG
// folders inside a private temporary folder, so no test touches the real
// home folder of the user who runs the suite.
#include "tests/support/TestEnvironment.h"

#include "toolkit/Runtime.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>

namespace {
QTemporaryDir* sandbox = nullptr;

void pointFolder(const char* variable, const QString& path) {
    QDir().mkpath(path);
    setenv(variable, QFile::encodeName(path).constData(), 1);
}
} // namespace

namespace testenv {
std::string sandboxPath() { return QFile::encodeName(sandbox->path()).toStdString(); }
} // namespace testenv

int main(int argc, char** argv) {
    QTemporaryDir dir(QDir::tempPath() + "/tessivo-test-XXXXXX");
    dir.setAutoRemove(false);
    sandbox = &dir;
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString root = dir.path();
    pointFolder("HOME", root + "/home");
    pointFolder("XDG_CONFIG_HOME", root + "/home/.config");
    pointFolder("XDG_DATA_HOME", root + "/home/.local/share");
    pointFolder("XDG_CACHE_HOME", root + "/home/.cache");
    pointFolder("XDG_RUNTIME_DIR", root + "/runtime");
    QFile::setPermissions(root + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    pointFolder("TMPDIR", root + "/tmp");
    unsetenv("XDG_DOCUMENTS_DIR");
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // A run time that a test started goes before the process's statics do.
    tk::RuntimeExit();
    // Removed by its bytes: tests leave names behind that are no UTF-8, which Qt cannot spell.
    std::error_code ignored;
    std::filesystem::remove_all(testenv::sandboxPath(), ignored);
    return status;
}
