#include "toolkit/core/Exceptions.h"

#include <thread>

namespace tk {

namespace {
// Static initialisation runs on the thread that enters main(), the thread
// that later runs the event loop.
const std::thread::id mainThreadId = std::this_thread::get_id();
} // namespace

bool isMainThread() { return std::this_thread::get_id() == mainThreadId; }

void requireMainThread() {
    if (!isMainThread())
        throw ThreadAccessingUIException();
}

} // namespace tk
