#include "toolkit/core/LongLoop.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/core/MainThreadCall.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <atomic>
#include <thread>
#include <utility>

namespace tk {

namespace {
std::atomic<int> runningLoops{0};
std::atomic<bool> userCancelled{false};
std::atomic<bool> quitting{false};
std::atomic<int> loopRuns{0};
std::atomic<void (*)(int)> runEndAction{nullptr};
// Main thread only.
bool lettingEventsRun = false;

bool isCancelKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Period && key->modifiers().testFlag(Qt::ControlModifier);
}

// Sees every event of the application; it only looks while a loop runs.
class UserCancelWatch : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (runningLoops > 0 && isCancelKey(event))
            userCancelled = true;
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

LongLoop::LongLoop() {
    if (runningLoops++ == 0) {
        userCancelled = false;
        ++loopRuns;
    }
}

LongLoop::~LongLoop() {
    // No run begins while this loop runs, so the number read is this run's.
    const int run = loopRuns;
    if (--runningLoops == 0)
        if (void (*action)(int) = runEndAction)
            action(run);
}

void setLongLoopRunEndAction(void (*action)(int run)) {
    runEndAction = action;
}

int currentLongLoopRun() {
    return runningLoops > 0 ? loopRuns.load() : 0;
}

void backgroundTasks() {
    if (isMainThread()) {
        if (QCoreApplication::instance()) {
            const bool outer = std::exchange(lettingEventsRun, true);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            lettingEventsRun = outer;
        }
        return;
    }
    throwIfStopRequested();
    std::this_thread::yield();
}

bool getUserCancelled() { return userCancelled || quitting; }

bool applicationQuitting() { return quitting; }

void setApplicationQuitting(bool value) { quitting = value; }

bool longLoopLetsEventsRun() { return lettingEventsRun; }

void installUserCancelWatch() {
    requireMainThread();
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(new UserCancelWatch(app));
}

} // namespace tk
