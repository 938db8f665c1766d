#pragma once

#include "toolkit/controls/RectControl.h"

namespace tk {

// A small turning wheel that shows the application is busy. It turns only
// while it is on screen; hidden, it costs nothing.
class ProgressWheel : public RectControl {
  public:
    ProgressWheel();
};

} // namespace tk
