#include "toolkit/core/Dispatch.h"

#include "toolkit/core/Exceptions.h"
#include "toolkit/core/MainThreadCall.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace tk {

namespace {
std::function<void(const std::string&)> presenter;

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
            if (presenter)
                presenter(text);
        } catch (...) {
            // Nothing more can be shown; the message went to stderr.
        }
    };
    if (isMainThread())
        show();
    else if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, show, Qt::QueuedConnection);
}

void setUnhandledExceptionPresenter(std::function<void(const std::string&)> present) {
    presenter = std::move(present);
}

namespace {
// Main-thread handlers only: a thread's body runs through dispatch as well,
// but the work that waits for no handler to run belongs to the main thread.
int handlerDepth = 0;
std::vector<std::function<void()>> pendingWork;

void runPendingWork() {
    auto work = std::move(pendingWork);
    pendingWork.clear();
    for (auto& item : work)
        item();
}
} // namespace

bool dispatch(const std::function<void()>& call) {
    const bool counted = isMainThread();
    bool succeeded = true;
    if (counted)
        ++handlerDepth;
    try {
        call();
    } catch (...) {
        RuntimeUnhandledException(std::current_exception());
        succeeded = false;
    }
    if (counted && --handlerDepth == 0 && !pendingWork.empty())
        runPendingWork();
    return succeeded;
}

int runEventLoop(const std::function<int()>& loop) {
    const int outerDepth = handlerDepth;
    handlerDepth = 0;
    const int status = loop();
    handlerDepth = outerDepth;
    return status;
}

void runDeferredWork() { runPendingWork(); }

void whenNoHandlerRuns(std::function<void()> work) {
    pendingWork.push_back(std::move(work));
    if (handlerDepth == 0 && QCoreApplication::instance())
        QTimer::singleShot(0, [] {
            if (handlerDepth == 0)
                runPendingWork();
        });
}

} // namespace tk
