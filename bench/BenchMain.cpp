// The benchmark programs run on Qt's offscreen platform with HOME and the XDG
// folders inside a private temporary folder, like the test suites, so that a
// run neither shows windows nor reads or writes the user's settings.
// TESSIVO_BENCH_PLATFORM names another platform (xcb, under Xvfb), so that
// painting to a real display is part of the figures.
#include "tests/support/Sandbox.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <cstdlib>

namespace {
QtMessageHandler qtHandler = nullptr;

// The offscreen platform says so each time a window is raised: nothing a reader of the figures needs.
void dropPlatformNotices(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith("This plugin does not support"))
        qtHandler(type, context, message);
}
} // namespace

int main(int argc, char** argv) {
    const Sandbox sandbox("tessivo-bench");
    if (const char* platform = std::getenv("TESSIVO_BENCH_PLATFORM"))
        setenv("QT_QPA_PLATFORM", platform, 1);
    qtHandler = qInstallMessageHandler(dropPlatformNotices);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
