#include "bench/AppSession.h"

#include "tests/support/AppRunner.h"

#include <QCoreApplication>

namespace session {

namespace {
int runs = 0;
}

void run(const std::function<void(ScriptedDialogHost&)>& script) {
    ++runs;
    ScriptedDialogHost& host = ScriptedDialogHost::install();
    runTessivoWith([&] { script(host); });
}

int runsSoFar() {
    return runs;
}

void settle() {
    // Handling events can post more (a paint after a layout): a few rounds take them all.
    for (int round = 0; round < 4; ++round)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace session
