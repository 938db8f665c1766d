#pragma once

#include "tests/support/ScriptedDialogHost.h"

#include <chrono>
#include <functional>

// Running the whole application under a benchmark.
namespace session {

// Installs a scripted dialog host, starts the application and runs the script
// on the first turn of its event loop, as the application tests do.
void run(const std::function<void(ScriptedDialogHost&)>& script);

// How many times this process has run the application.
int runsSoFar();

// Lets the event loop handle everything pending: posted events and paints.
void settle();

// Seconds since start, by the monotonic clock.
double secondsSince(std::chrono::steady_clock::time_point start);

} // namespace session
