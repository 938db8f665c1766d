#include "toolkit/core/Keyboard.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/core/MainThreadCall.h"

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
