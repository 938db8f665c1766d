#pragma once

// Starts Tessivo, runs its event loop until it quits, releases what it held
// and returns the exit status.
int runTessivo(int argc, char** argv);
