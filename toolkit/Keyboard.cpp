#include "toolkit/Keyboard.h"

#include "toolkit/Exceptions.h"
#include "toolkit/MainThreadCall.h"

#include <QGuiApplication>

namespace tk {

bool commandKeyDown() {
    if (!isMainThread()) {
        bool down = false;
        runOnMainThread([&down] { down = commandKeyDown(); });
        return down;
    }
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

bool _Keyboard::CommandKey() const { return commandKeyDown(); }

_Keyboard getKeyboardObject() { return {}; }

} // namespace tk
