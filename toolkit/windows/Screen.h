#pragma once

namespace tk {

// One of the desktop's screens; index 0 is the main screen.
class Screen {
  public:
    explicit Screen(int index) : index_(index) {}

    // The screen's size in pixels. A screen that does not exist raises NilObjectException.
    int Width() const;
    int Height() const;

  private:
    int index_;
};

Screen getScreen(int index = 0);

} // namespace tk
