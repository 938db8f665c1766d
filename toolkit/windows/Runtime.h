#pragma once

#include "toolkit/core/Ref.h"
#include "toolkit/windows/Application.h"

namespace tk {

// Starts the run time: the Qt application, its style and its settings. The
// arguments that are not Qt's own are the documents handed to the application.
void RuntimeInit(int& argc, char** argv);

// Registers the one application object; the run time keeps it until RuntimeExit.
void RuntimeRegisterAppObject(Ref<Application> app);
// The registered application object (nil before registration).
Ref<Application> RuntimeAppObject();

// One instance runs for each user on each display. When one already runs, hands
// it the documents named at launch and returns True: this process has nothing
// left to do and should end with status 0, having shown nothing. The running
// instance gets them as OpenDocument events, one for each, in order; a start
// without documents brings its frontmost window to the front instead. Otherwise
// returns False: this process is the running instance from now until RuntimeRun
// returns (or it runs on its own when it cannot be, e.g. when the running one
// does not answer). RuntimeRun calls it first when it was not called before.
bool RuntimeHandOverToRunningInstance();

// Runs the event loop until the application quits, unless the launch documents
// were handed over to the running instance. Inside it the application object
// gets its Open event once, then one OpenDocument event for each document
// handed over at launch, in order, then one for each document that later starts
// hand over.
void RuntimeRun();

// Ends the event loop with an exit status. Long loops under way end first,
// at their next item, as if the user had cancelled them.
void RuntimeQuit(int status = 0);

// Stops the run time: closes every window, releases the application object,
// ends the decode pool's workers and the Qt application; returns the exit status.
int RuntimeExit();

} // namespace tk
