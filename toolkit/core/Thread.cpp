#include "toolkit/core/Thread.h"

#include "toolkit/core/LongLoop.h"
#include "toolkit/core/MainThreadCall.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace tk {

namespace {
constexpr int normalPriority = 5;

// Raising a thread above normal would need privileges the application lacks;
// below normal it gets a higher nice value, which Linux keeps per thread.
void applyPriority(int priority) {
    if (priority >= normalPriority)
        return;
    const int nice = std::min(19, (normalPriority - priority) * 4);
    (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), nice);
}
} // namespace

Thread::Thread()
    : stop_(std::make_shared<WorkerStop>()), state_(std::make_shared<RunState>()) {}

Thread::~Thread() {
    if (!thread_.joinable())
        return;
    requestStop(*stop_);
    if (thread_.get_id() == std::this_thread::get_id() || stop_->inStep)
        thread_.detach();
    else
        thread_.join();
}

void Thread::Run() {
    {
        std::lock_guard lock(state_->mutex);
        if (state_->running) {
            // Started while it runs: the body runs once more after it ends.
            state_->again = true;
            return;
        }
        state_->running = true;
    }
    if (thread_.joinable())
        thread_.join(); // the previous body has ended
    // The body runs on copies: a Thread that lets its body go takes nothing along that the body still uses.
    thread_ = std::thread([this, body = RunEvent, stop = stop_, state = state_, priority = priority_] {
        bindWorkerStop(stop);
        applyPriority(priority);
        for (;;) {
            body.raise(*this);
            std::lock_guard lock(state->mutex);
            if (!state->again || stop->requested) {
                state->running = false;
                state->again = false;
                return;
            }
            state->again = false;
        }
    });
}

bool Thread::isRunning() const {
    std::lock_guard lock(state_->mutex);
    return state_->running;
}

bool Thread::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Priority")
        setPriority(value.toInt());
    else if (name == "StackSize")
        setStackSize(value.toInt());
    else
        return Control::applyStoredProperty(name, value);
    return true;
}

void installThreadSupport() {
    installMainThreadCalls();
    installUserCancelWatch();
}

} // namespace tk
