#include "toolkit/Thread.h"

#include "toolkit/LongLoop.h"
#include "toolkit/MainThreadCall.h"

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
    : stop_(std::make_shared<WorkerStop>()), running_(std::make_shared<std::atomic<bool>>(false)) {}

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
    if (*running_)
        return;
    if (thread_.joinable())
        thread_.join(); // the previous body has ended
    *running_ = true;
    // The body runs on copies: a Thread that lets its body go takes nothing along that the body still uses.
    thread_ = std::thread([this, body = RunEvent, stop = stop_, running = running_, priority = priority_] {
        bindWorkerStop(stop);
        applyPriority(priority);
        body.raise(*this);
        *running = false;
    });
}

bool Thread::isRunning() const { return *running_; }

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
