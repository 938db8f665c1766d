#pragma once

namespace tk {

// Marks a long loop for as long as it exists. The user cancels the loops that
// run by pressing Ctrl+period (Ctrl stands for the command key here). The
// first loop to begin forgets earlier presses; presses while no loop runs are
// not recorded.
class LongLoop {
  public:
    LongLoop();
    ~LongLoop();
    LongLoop(const LongLoop&) = delete;
    LongLoop& operator=(const LongLoop&) = delete;
};

// Called after each item of a long loop. On the main thread it lets pending
// events run (the user's input, other threads' steps), windows being repainted
// meanwhile at a steady pace rather than after every item; on another thread it
// gives way to other threads, and raises ThreadStoppedException once the
// thread's Thread is being destroyed.
void backgroundTasks();

// True once the user has pressed Ctrl+period while a long loop runs, and from
// the moment the application quits: a run the user leaves ends between two
// items. Callable from any thread.
bool getUserCancelled();

// True from the moment the application quits until its event loop next starts.
// Callable from any thread.
bool applicationQuitting();

// Toolkit-internal: the run time's quit, and its next start.
void setApplicationQuitting(bool quitting);

// Toolkit-internal: watches the application object that exists now for Ctrl+period.
void installUserCancelWatch();

// Toolkit-internal: which run of long loops goes on: a number of its own for
// each time a loop began while none ran, kept while it or loops nested in it
// run; 0 while no loop runs.
int currentLongLoopRun();

// Toolkit-internal: the action runs each time a run of long loops ends, with
// that run's number, on the thread whose loop was the last to end. One action
// for the process; it must not throw.
void setLongLoopRunEndAction(void (*action)(int run));

// Toolkit-internal: True while backgroundTasks lets the main thread's pending events run.
bool longLoopLetsEventsRun();

} // namespace tk
