#pragma once

#include "toolkit/controls/RectControl.h"
#include "toolkit/core/Event.h"
#include "toolkit/core/Ref.h"

namespace tk {

class Graphics;
class Picture;
class CanvasWidget;

// A control the application draws itself: its backdrop picture, then its Paint event.
class Canvas : public RectControl {
  public:
    Canvas();
    ~Canvas() override;

    const Ref<Picture>& Backdrop() const { return backdrop_; }
    void setBackdrop(Ref<Picture> picture);

    // Raised whenever the canvas is drawn: on Refresh, when it is shown, at every
    // step of a resize. A subclass may override Event_Paint instead of binding.
    Event<void(Canvas&, Graphics&)> Paint;
    Event<bool(Canvas&, int, int)> MouseDown;
    Event<void(Canvas&)> Open;
    void raiseOpen() override { Open.raise(*this); }

    // Toolkit-internal.
    void paintWith(Graphics& g);
    bool pressAt(int x, int y) { return MouseDown.raise(*this, x, y); }

  protected:
    virtual void Event_Paint(Graphics& g);
    bool applyStoredProperty(const std::string& name, const Variant& value) override;

  private:
    CanvasWidget* canvasWidget() const;
    Ref<Picture> backdrop_;
};

} // namespace tk
