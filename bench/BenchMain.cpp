// The benchmark programs run on Qt's offscreen platform with HOME and the XDG
// folders inside a private temporary folder, like the test suites, so that a
// run neither shows windows nor reads or writes the user's settings.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {
QtMessageHandler qtHandler = nullptr;

// The offscreen platform says so each time a window is raised: nothing a reader of the figures needs.
void dropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith("This plugin does not support"))
        qtHandler(type, context, message);
}

void pointFolder(const char* variable, const QString& path) {
    QDir().mkpath(path);
    setenv(variable, QFile::encodeName(path).constData(), 1);
}
} // namespace

int main(int argc, char** argv) {
    QTemporaryDir sandbox(QDir::tempPath() + "/tessivo-bench-XXXXXX");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString root = sandbox.path();
    pointFolder("HOME", root + "/home");
    pointFolder("XDG_CONFIG_HOME", root + "/home/.config");
    pointFolder("XDG_DATA_HOME", root + "/home/.local/share");
    pointFolder("XDG_CACHE_HOME", root + "/home/.cache");
    pointFolder("XDG_RUNTIME_DIR", root + "/runtime");
    QFile::setPermissions(root + "/runtime",
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    pointFolder("TMPDIR", root + "/tmp");
    unsetenv("XDG_DOCUMENTS_DIR");
    qtHandler = qInstallMessageHandler(dropPlatformNotices);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
