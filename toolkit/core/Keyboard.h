#pragma once

namespace tk {

// True while the Control key (the command key here) is held down. Callable from any thread.
bool commandKeyDown();

// The keyboard as it is at the moment of asking.
struct _Keyboard {
    bool CommandKey() const;
};

_Keyboard getKeyboardObject();

} // namespace tk
