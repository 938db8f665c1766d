#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"

#include <string>

class QPushButton;
class QShortcut;

namespace tk {

// A push button. The window's default button is pressed by Return, its cancel
// button by Escape.
class PushButton : public RectControl {
  public:
    PushButton();

    std::string Caption() const;
    void setCaption(const std::string& caption);
    bool Default() const { return isDefault_; }
    void setDefault(bool isDefault);
    bool Cancel() const { return isCancel_; }
    void setCancel(bool isCancel);
    // Presses the button as a click would.
    void Push();

    Event<void(PushButton&)> Action;
    Event<void(PushButton&)> Open;
    void raiseOpen() override { Open.raise(*this); }
    void attachTo(Window& window) override;

  protected:
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    QPushButton* button() const;
    void updateShortcuts();

    bool isDefault_ = false;
    bool isCancel_ = false;
    QPointer<QShortcut> returnKey_, enterKey_, escapeKey_;
};

} // namespace tk
