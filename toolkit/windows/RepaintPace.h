#pragma once

#include <chrono>

namespace tk {

// Toolkit-internal: the time a display takes to show one frame (about 60 a second).
constexpr std::chrono::microseconds displayFrame{16667};

// Toolkit-internal: while a long loop runs, windows are repainted at the
// display's pace rather than after every item. A loop asks for a redraw after
// each item; an update request that comes within a frame of the last one let
// through is held and delivered at the next frame, once for each window that
// asked. Input, and with it Ctrl+period, is never held. Installed on the
// application object that exists now.
void installRepaintPace();

} // namespace tk
