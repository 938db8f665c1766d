#pragma once

// Starts the toolkit's run time once for a test process that exercises
// toolkit windows and controls without the application.
void ensureRunTime();
