#include "toolkit/core/MainThreadCall.h"

#include "toolkit/core/LongLoop.h"

#include <QCoreApplication>
#include <QObject>

#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <utility>

namespace tk {

namespace {

// How many of a thread's posted steps may wait for the main thread at once: a
// thread that would post more waits until half of them have run, so that it
// neither runs far ahead of the main thread nor wakes at every step.
constexpr int postedStepsAhead = 8;

// What a thread's posted steps share.
struct PostedSteps {
    // The first exception among them, until the thread's next waiting call raises it.
    std::exception_ptr error;
    int queued = 0;
    bool posterWaits = false;
};

struct Call {
    enum class State { Pending, Running, Done, Cancelled };
    std::function<void()> step;
    std::shared_ptr<WorkerStop> stop;
    State state = State::Pending;
    std::exception_ptr error;
    // Set for a posted step, whose caller does not wait for it.
    std::shared_ptr<PostedSteps> posted;
};

class Gateway;

// Calls wait in this queue, in the order they came, for the main thread.
struct Calls {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Call>> queue;
    // The running application's; null once it has quit its event loop or is gone.
    Gateway* gateway = nullptr;
};

Calls& calls() {
    // Never destroyed: a body that outlived its Thread may still call in at exit.
    static Calls* const state = new Calls;
    return *state;
}

thread_local std::shared_ptr<WorkerStop> currentStop;
thread_local std::shared_ptr<PostedSteps> currentPosted;

ThreadStoppedException ownerGone() {
    return ThreadStoppedException("The thread was stopped: the Thread that runs it is being destroyed.");
}

ThreadStoppedException loopEnded() {
    return ThreadStoppedException(
        "The application has quit: the main thread runs no more steps for threads.");
}

// A posted step leaves the queue; under the lock. Wakes its thread when it
// waits to post more and enough room has been made.
bool leftQueue(const Call& call) {
    if (!call.posted)
        return false;
    PostedSteps& posted = *call.posted;
    --posted.queued;
    if (!posted.posterWaits || posted.queued > postedStepsAhead / 2)
        return false;
    posted.posterWaits = false;
    return true;
}

// Runs the oldest waiting call; on the main thread.
void runNext() {
    Calls& s = calls();
    std::shared_ptr<Call> call;
    bool wakePoster = false, skipped = false;
    {
        std::lock_guard lock(s.mutex);
        if (s.queue.empty())
            return;
        call = s.queue.front();
        s.queue.pop_front();
        wakePoster = leftQueue(*call);
        // A posted step of a thread that was stopped meanwhile never runs, nor
        // one still waiting when the application began to quit: its window may be closed.
        skipped = call->posted && ((call->stop && call->stop->requested) || applicationQuitting());
        call->state = skipped ? Call::State::Cancelled : Call::State::Running;
        if (call->stop && !skipped)
            call->stop->inStep = true;
    }
    if (skipped) {
        if (wakePoster)
            s.changed.notify_all();
        return;
    }
    std::exception_ptr error;
    try {
        call->step();
    } catch (...) {
        error = std::current_exception();
    }
    // What the step holds (controls, pictures) is released here, on the main thread.
    call->step = nullptr;
    // Nobody waits for a posted step: its end wakes no thread, unless its
    // thread waits for room to post more.
    const bool wake = !call->posted || wakePoster;
    {
        std::lock_guard lock(s.mutex);
        if (call->posted && error && !call->posted->error)
            call->posted->error = error;
        call->error = std::move(error);
        call->state = Call::State::Done;
        if (call->stop)
            call->stop->inStep = false;
        // The caller alone holds the call from here on, and with it the step's exception.
        call.reset();
    }
    if (wake)
        s.changed.notify_all();
}

// Lives on the main thread as a child of the application object, and takes
// the calls there. When the event loop has ended or the application object
// goes, the calls still waiting are cancelled.
class Gateway : public QObject {
  public:
    explicit Gateway(QCoreApplication* app) : QObject(app) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { close(); });
    }
    ~Gateway() override { close(); }

    // Called with the queue locked.
    void post() { QMetaObject::invokeMethod(this, [] { runNext(); }, Qt::QueuedConnection); }

  private:
    void close() {
        Calls& s = calls();
        {
            std::lock_guard lock(s.mutex);
            if (s.gateway != this)
                return;
            s.gateway = nullptr;
            for (const auto& call : s.queue) {
                leftQueue(*call);
                call->state = Call::State::Cancelled;
            }
            s.queue.clear();
        }
        s.changed.notify_all();
    }
};

} // namespace

void installMainThreadCalls() {
    requireMainThread();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    Calls& s = calls();
    std::lock_guard lock(s.mutex);
    if (s.gateway && s.gateway->parent() == app)
        return;
    s.gateway = new Gateway(app);
}

void postToMainThread(std::function<void()> step) {
    if (isMainThread()) {
        step();
        return;
    }
    if (!currentPosted)
        currentPosted = std::make_shared<PostedSteps>();
    PostedSteps& posted = *currentPosted;
    auto call = std::make_shared<Call>();
    call->step = std::move(step);
    call->stop = currentStop;
    call->posted = currentPosted;
    auto stopped = [&call] { return call->stop && call->stop->requested; };

    Calls& s = calls();
    std::unique_lock lock(s.mutex);
    while (posted.queued >= postedStepsAhead && !stopped() && s.gateway) {
        posted.posterWaits = true;
        s.changed.wait(lock);
    }
    if (stopped())
        throw ownerGone();
    if (!s.gateway)
        throw loopEnded();
    // A step of a thread whose earlier posted step failed is not handed over: the thread hears of the failure.
    if (posted.error)
        std::rethrow_exception(std::exchange(posted.error, nullptr));
    ++posted.queued;
    s.queue.push_back(std::move(call));
    s.gateway->post();
}

void runOnMainThread(std::function<void()> step) {
    if (isMainThread()) {
        step();
        return;
    }
    auto call = std::make_shared<Call>();
    call->step = std::move(step);
    call->stop = currentStop;
    auto stopped = [&call] { return call->stop && call->stop->requested; };

    Calls& s = calls();
    std::unique_lock lock(s.mutex);
    if (stopped())
        throw ownerGone();
    if (!s.gateway)
        throw loopEnded();
    s.queue.push_back(call);
    s.gateway->post();
    // The steps this thread posted before run first; the first exception among them comes first.
    const auto postedError = [&] {
        return currentPosted ? std::exchange(currentPosted->error, nullptr) : nullptr;
    };
    s.changed.wait(lock, [&] {
        return call->state == Call::State::Done || call->state == Call::State::Cancelled ||
               (call->state == Call::State::Pending && stopped());
    });
    if (call->state == Call::State::Cancelled)
        throw loopEnded();
    if (call->state == Call::State::Pending) {
        // Stopped before the main thread took the step: it never runs.
        std::erase(s.queue, call);
        call->state = Call::State::Cancelled;
        throw ownerGone();
    }
    if (stopped())
        throw ownerGone();
    if (std::exception_ptr error = postedError())
        std::rethrow_exception(error);
    if (call->error)
        std::rethrow_exception(call->error);
}

void requestStop(WorkerStop& stop) {
    Calls& s = calls();
    {
        std::lock_guard lock(s.mutex);
        stop.requested = true;
    }
    s.changed.notify_all();
}

void bindWorkerStop(std::shared_ptr<WorkerStop> stop) { currentStop = std::move(stop); }

void throwIfStopRequested() {
    if (currentStop && currentStop->requested)
        throw ownerGone();
}

} // namespace tk
