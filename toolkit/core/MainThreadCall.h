#pragma once

#include "toolkit/core/Exceptions.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>

namespace tk {

// Raised in a thread whose work can no longer go on: the application has quit
// its event loop, or the Thread that runs the body is being destroyed.
class ThreadStoppedException : public RuntimeException {
  public:
    explicit ThreadStoppedException(const std::string& message) : RuntimeException(message) {}
    const char* className() const noexcept override { return "ThreadStoppedException"; }
};

// Runs the step on the main thread and returns once it has finished; an
// exception the step raises is raised again here. On the main thread the step
// just runs. From another thread the step waits for the main thread's event
// loop, nested ones included (a modal dialog, a long loop's backgroundTasks);
// once the application has quit that loop, ThreadStoppedException is raised
// instead of waiting.
void runOnMainThread(std::function<void()> step);

// Hands the step to the main thread like runOnMainThread, but returns at once
// (a thread that already has several posted steps waiting waits first until
// some have run, so that it never runs far ahead of the main thread):
// for a step whose end nothing waits for, such as a redraw. The thread's steps,
// posted or waited for, run in the order they were handed over. An exception
// a posted step raises is raised by the thread's next call: runOnMainThread
// raises it after its own step has run, postToMainThread instead of handing
// its step over. A
// posted step of a thread being stopped, or one still waiting once the
// application quits, does not run. On the main thread the step just runs.
void postToMainThread(std::function<void()> step);

// Toolkit-internal.

// What a Thread shares with the thread that runs its body.
struct WorkerStop {
    std::atomic<bool> requested{false};
    // True while one of the thread's steps runs on the main thread.
    std::atomic<bool> inStep{false};
};

// From now on the stopped thread's runOnMainThread and backgroundTasks calls
// raise ThreadStoppedException, a call waiting at this moment included; a step
// already running on the main thread is waited for.
void requestStop(WorkerStop& stop);
// Makes the calling thread answer to that stop request.
void bindWorkerStop(std::shared_ptr<WorkerStop> stop);
// Raises ThreadStoppedException when the calling thread has been asked to stop.
void throwIfStopRequested();

// Sets up the main thread's side for the application object that exists now.
void installMainThreadCalls();

} // namespace tk
