#include "toolkit/windows/RepaintPace.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/core/LongLoop.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace tk {

namespace {

using Clock = std::chrono::steady_clock;

// Sees every event of the application; it only holds update requests while a loop runs.
class RepaintPace : public QObject {
  public:
    explicit RepaintPace(QCoreApplication* app) : QObject(app) {
        nextFrame_.setSingleShot(true);
        nextFrame_.setTimerType(Qt::PreciseTimer);
        connect(&nextFrame_, &QTimer::timeout, this, [this] { deliverHeld(); });
        app->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() != QEvent::UpdateRequest || delivering_)
            return false;
        const Clock::time_point now = Clock::now();
        if (currentLongLoopRun() == 0 || now - lastFrame_ >= displayFrame) {
            lastFrame_ = now;
            return false;
        }
        hold(receiver, now);
        return true;
    }

  private:
    void hold(QObject* receiver, Clock::time_point now) {
        if (std::find(held_.begin(), held_.end(), receiver) == held_.end())
            held_.emplace_back(receiver);
        if (!nextFrame_.isActive()) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(lastFrame_ + displayFrame - now);
            nextFrame_.start(std::max(wait, std::chrono::milliseconds(0)));
        }
    }

    // The receivers were asked for an update already, so they post no other
    // request until this one has been handled: each gets exactly this one.
    void deliverHeld() {
        lastFrame_ = Clock::now();
        const std::vector<QPointer<QObject>> held = std::exchange(held_, {});
        delivering_ = true;
        for (const QPointer<QObject>& receiver : held) {
            if (!receiver)
                continue;
            QEvent request(QEvent::UpdateRequest);
            QCoreApplication::sendEvent(receiver, &request);
        }
        delivering_ = false;
    }

    QTimer nextFrame_;
    Clock::time_point lastFrame_;
    std::vector<QPointer<QObject>> held_;
    bool delivering_ = false;
};

} // namespace

void installRepaintPace() {
    requireMainThread();
    if (QCoreApplication* app = QCoreApplication::instance())
        new RepaintPace(app);
}

} // namespace tk
