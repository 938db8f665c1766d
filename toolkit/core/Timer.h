#pragma once

#include "toolkit/core/Control.h"
#include "toolkit/core/Event.h"

#include <memory>

class QTimer;

namespace tk {

// Raises its Action event on the main thread after its period: once in mode 1,
// repeatedly in mode 2; mode 0 is off. Setting the mode or the period starts
// the period anew.
class Timer : public Control {
  public:
    Timer();
    ~Timer() override;

    int Mode() const { return mode_; }
    void setMode(int mode);
    int Period() const { return period_; }
    void setPeriod(int milliseconds);

    Event<void(Timer&)> Action;

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    void restart();
    std::unique_ptr<QTimer> timer_;
    int mode_ = 2;
    int period_ = 1000;
};

} // namespace tk
