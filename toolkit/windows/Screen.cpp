#include "toolkit/windows/Screen.h"

#include "toolkit/core/Ref.h"

#include <QGuiApplication>
#include <QScreen>

namespace tk {

namespace {
QScreen& screenAt(int index) {
    requireMainThread();
    const QList<QScreen*> screens = QGuiApplication::screens();
    QScreen* screen = index == 0 ? QGuiApplication::primaryScreen() : screens.value(index);
    return deref(screen);
}
} // namespace

int Screen::Width() const { return screenAt(index_).size().width(); }
int Screen::Height() const { return screenAt(index_).size().height(); }

Screen getScreen(int index) { return Screen(index); }

} // namespace tk
