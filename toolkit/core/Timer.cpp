#include "toolkit/core/Timer.h"

#include "toolkit/core/Exceptions.h"

#include <QTimer>

namespace tk {

Timer::Timer() : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (mode_ == 1)
            mode_ = 0;
        Action.raise(*this);
    });
}

Timer::~Timer() = default;

void Timer::setMode(int mode) {
    requireMainThread();
    mode_ = mode;
    restart();
}

void Timer::setPeriod(int milliseconds) {
    requireMainThread();
    period_ = milliseconds;
    restart();
}

void Timer::restart() {
    timer_->stop();
    if (mode_ == 0)
        return;
    timer_->setSingleShot(mode_ == 1);
    timer_->start(period_);
}

bool Timer::applyStoredProperty(const std::string& name, const Variant& value) {
    if (name == "Mode")
        setMode(value.toInt());
    else if (name == "Period")
        setPeriod(value.toInt());
    else
        return Control::applyStoredProperty(name, value);
    return true;
}

} // namespace tk
