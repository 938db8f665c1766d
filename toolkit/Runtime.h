#pragma once

#include "toolkit/Application.h"
#include "toolkit/Ref.h"

namespace tk {

// Starts the run time: the Qt application, its style and its settings. The
// arguments that are not Qt's own are the documents handed to the application.
void RuntimeInit(int& argc, char** argv);

// Registers the one application object; the run time keeps it until RuntimeExit.
void RuntimeRegisterAppObject(Ref<Application> app);
// The registered application object (nil before registration).
Ref<Application> RuntimeAppObject();

// Runs the event loop until the application quits. Inside it the application
// object gets its Open event once, then one OpenDocument event for each
// document handed over at launch, in order.
void RuntimeRun();

// Ends the event loop with an exit status.
void RuntimeQuit(int status = 0);

// Stops the run time: closes every window, releases the application object and
// the Qt application; returns the exit status.
int RuntimeExit();

} // namespace tk
