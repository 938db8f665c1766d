#pragma once

#include "toolkit/core/Control.h"
#include "toolkit/core/Event.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

namespace tk {

struct WorkerStop;

// Runs its RunEvent handler (the body) on a thread of its own. The body must
// not touch user-interface elements; it hands such work to the main thread
// with runOnMainThread.
//
// Destroying the Thread stops a body that is still running at its next
// runOnMainThread or backgroundTasks call (both raise ThreadStoppedException
// then) and waits for it to end. Only when the Thread is destroyed from the
// body itself or from one of its main-thread steps, which cannot be waited
// for, is the body let go; it must then no longer use its Thread.
class Thread : public Control {
  public:
    Thread();
    ~Thread() override;

    // Starts the body. Started while it runs, the body runs once more when it ends.
    void Run();
    bool isRunning() const;

    // 5 is normal; lower values run the body at a lower priority, higher ones as normal.
    int Priority() const { return priority_; }
    void setPriority(int priority) { priority_ = priority; }
    // 0 is the system's default; threads here always get that.
    int StackSize() const { return stackSize_; }
    void setStackSize(int bytes) { stackSize_ = bytes; }

    Event<void(Thread&)> RunEvent;

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    std::shared_ptr<WorkerStop> stop_;
    // Whether the body runs, and whether it is to run once more when it ends.
    struct RunState {
        std::mutex mutex;
        bool running = false;
        bool again = false;
    };
    std::shared_ptr<RunState> state_;
    std::thread thread_;
    int priority_ = 5;
    int stackSize_ = 0;
};

// Toolkit-internal: sets up the main thread's side of threads and long loops
// (runOnMainThread, the user-cancel watch) for the application object just created.
void installThreadSupport();

} // namespace tk
