#include "toolkit/Dispatch.h"

#include "toolkit/DialogHost.h"
#include "toolkit/Exceptions.h"
#include "toolkit/MainThreadCall.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>

namespace tk {

namespace {
std::string describe(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return std::string("An exception of class ") + e.className() + " was not handled.\n\n" + e.what();
    } catch (const std::exception& e) {
        return std::string("An exception was not handled.\n\n") + e.what();
    } catch (...) {
        return "An exception of an unknown kind was not handled.";
    }
}
} // namespace

void RuntimeUnhandledException(const std::exception_ptr& exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const ThreadStoppedException&) {
        return; // a thread's body was told to end, and it did
    } catch (...) {
    }
    const std::string text = describe(exception);
    std::fprintf(stderr, "tessivo: %s\n", text.c_str());
    auto show = [text] {
        try {
            RuntimeMsgBox(text);
        } catch (...) {
            // Nothing more can be shown; the message went to stderr.
        }
    };
    if (isMainThread())
        show();
    else if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, show, Qt::QueuedConnection);
}

bool dispatch(const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (...) {
        RuntimeUnhandledException(std::current_exception());
        return false;
    }
}

} // namespace tk
