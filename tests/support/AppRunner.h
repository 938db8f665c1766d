#pragma once

#include <functional>
#include <string>
#include <vector>

struct RunOptions {
    // Paths handed to the application as documents at launch.
    std::vector<std::string> documents;
    // True when the script makes the application quit by itself; a watchdog
    // then ends a run that does not quit, with status 99.
    bool scriptQuits = false;
};

// Starts the real application (its whole start-up, event loop and exit) and
// runs the script on the first turn of its event loop, before the application
// object's Open event; the script drives it as a person would. Returns the
// application's exit status. Unless the script quits by itself, the
// application is quit with status 0 once the script returns.
int runTessivoWith(std::function<void()> script, const RunOptions& options = {});

// Runs the event loop until the condition holds or the timeout passes.
bool waitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
