#pragma once

#include "toolkit/core/Variant.h"

#include <string>

namespace tk {

class Window;

// Anything a window creates with its controls: visible controls, timers, threads.
class Control {
  public:
    Control() = default;
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual void Constructor() {}

    const std::string& Name() const { return name_; }
    // The window that owns the control; nil once that window is gone.
    Window* window() const { return window_; }

    // Applies stored properties (name and value pairs) in their order. A name
    // the control does not know raises UnsupportedOperationException.
    void applyStoredProperties(const StoredProperties& properties);

    // Toolkit-internal.
    virtual void attachTo(Window& window) { window_ = &window; }
    // The window's content area took that size: placed controls keep their
    // distances to the edges they are locked to; others ignore it.
    virtual void followContentSize(int contentWidth, int contentHeight) {
        (void)contentWidth;
        (void)contentHeight;
    }
    void detachFromWindow() { window_ = nullptr; }
    void setRegisteredName(const std::string& name) { name_ = name; }
    virtual void raiseOpen() {}

  protected:
    // Returns False for a name the class does not know.
    virtual bool applyStoredProperty(const std::string& name, const Variant& value);

  private:
    std::string name_;
    Window* window_ = nullptr;
};

} // namespace tk
