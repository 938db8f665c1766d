#include "tests/support/AppRunner.h"

#include "shell/Startup.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

#include <string>

namespace {
std::function<void()> pendingScript;
bool scriptQuits = false;
constexpr int watchdogMs = 15000;

// Runs whenever a Qt application object is created: schedules the script.
void schedulePendingScript() {
    if (scriptQuits)
        QTimer::singleShot(watchdogMs, [] { QCoreApplication::exit(99); });
    QTimer::singleShot(0, [] {
        auto script = std::move(pendingScript);
        pendingScript = nullptr;
        if (script)
            script();
        if (!scriptQuits)
            QCoreApplication::exit(0);
    });
}
} // namespace

int runTessivoWith(std::function<void()> script, const RunOptions& options) {
    static bool routineAdded = false;
    if (!routineAdded) {
        qAddPreRoutine(schedulePendingScript);
        routineAdded = true;
    }
    pendingScript = std::move(script);
    scriptQuits = options.scriptQuits;
    std::vector<std::string> arguments{"tessivo"};
    arguments.insert(arguments.end(), options.documents.begin(), options.documents.end());
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(arguments.size());
    return runTessivo(argc, argv.data());
}

bool waitFor(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}
