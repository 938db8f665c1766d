// Every test process runs in a sandbox: Qt's offscreen platform, and HOME and
// the XDG folders inside a private temporary folder, so no test touches the
// real home folder of the user who runs the suite.
#include "tests/support/Sandbox.h"
#include "tests/support/TestEnvironment.h"

#include "toolkit/windows/Runtime.h"

#include <gtest/gtest.h>

namespace {
const Sandbox* sandbox = nullptr;
} // namespace

namespace testenv {
std::string sandboxPath() {
    return sandbox->path();
}
} // namespace testenv

int main(int argc, char** argv) {
    const Sandbox processSandbox("tessivo-test");
    sandbox = &processSandbox;
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // A run time that a test started goes before the process's statics do.
    tk::RuntimeExit();
    return status;
}
