#include "toolkit/windows/Runtime.h"

#include "toolkit/core/Dispatch.h"
#include "toolkit/core/LongLoop.h"
#include "toolkit/core/Thread.h"
#include "toolkit/files/DocumentHandover.h"
#include "toolkit/pictures/DecodePool.h"
#include "toolkit/windows/DialogHost.h"
#include "toolkit/windows/Fonts.h"
#include "toolkit/windows/RepaintPace.h"
#include "toolkit/windows/Window.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tk {

namespace {
struct RunTime {
    std::unique_ptr<QApplication> qtApp;
    Ref<Application> app;
    std::vector<std::string> launchDocuments;
    // Documents waiting for their OpenDocument event: those of the launch, then
    // those that later starts handed over.
    std::deque<std::string> pendingDocuments;
    bool opened = false;     // the Open event is over: documents may go
    bool delivering = false; // the next document's turn is scheduled
    std::unique_ptr<DocumentHandover> handover;
    QPointer<QWindow> frontWindow; // the window the user worked in last
    int status = 0;
};
RunTime& runTime() {
    static RunTime state;
    return state;
}

std::string absolutePath(const std::string& path) {
    if (!path.empty() && path.front() == '/')
        return path;
    return QFile::encodeName(QDir::currentPath()).toStdString() + "/" + path;
}

void deliverNextDocument() {
    RunTime& rt = runTime();
    if (!rt.opened || !rt.app || rt.pendingDocuments.empty()) {
        rt.delivering = false;
        return;
    }
    const std::string path = std::move(rt.pendingDocuments.front());
    rt.pendingDocuments.pop_front();
    dispatch([&] { rt.app->Event_OpenDocument(makeRef<FolderItem>(path)); });
    // One event per document, with the event loop running in between.
    QTimer::singleShot(0, deliverNextDocument);
}

void bringFrontWindowForward() {
    QWidget* front = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        if (!widget->isVisible() || (type != Qt::Window && type != Qt::Dialog))
            continue;
        if (!front || widget->windowHandle() == runTime().frontWindow)
            front = widget;
    }
    if (!front)
        return;
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
}

void receiveHandover(std::vector<std::string> paths) {
    RunTime& rt = runTime();
    if (paths.empty()) {
        bringFrontWindowForward();
        return;
    }
    rt.pendingDocuments.insert(rt.pendingDocuments.end(), paths.begin(), paths.end());
    if (rt.opened && !rt.delivering) {
        rt.delivering = true;
        QTimer::singleShot(0, deliverNextDocument);
    }
}
} // namespace

void RuntimeInit(int& argc, char** argv) {
    RunTime& rt = runTime();
    rt.qtApp = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName("Tessivo");
    QApplication::setApplicationDisplayName("Tessivo");
    QApplication::setDesktopFileName("tessivo");
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(systemFont());
    setUnhandledExceptionPresenter(RuntimeMsgBox);
    installThreadSupport();
    installRepaintPace();
    QObject::connect(rt.qtApp.get(), &QGuiApplication::focusWindowChanged, rt.qtApp.get(),
                     [](QWindow* window) {
                         if (window && (window->type() == Qt::Window || window->type() == Qt::Dialog))
                             runTime().frontWindow = window;
                     });
    // Qt has taken its own options out of argv; the rest name documents.
    rt.launchDocuments.clear();
    for (int i = 1; i < argc; ++i)
        rt.launchDocuments.push_back(absolutePath(argv[i]));
}

void RuntimeRegisterAppObject(Ref<Application> app) { runTime().app = std::move(app); }

Ref<Application> RuntimeAppObject() { return runTime().app; }

bool RuntimeHandOverToRunningInstance() {
    RunTime& rt = runTime();
    if (!rt.handover)
        rt.handover = std::make_unique<DocumentHandover>(rt.launchDocuments, receiveHandover);
    return rt.handover->role() == DocumentHandover::Role::HandedOver;
}

void RuntimeRun() {
    RunTime& rt = runTime();
    if (RuntimeHandOverToRunningInstance()) {
        rt.handover.reset();
        rt.status = 0;
        return;
    }
    setApplicationQuitting(false);
    rt.pendingDocuments.insert(rt.pendingDocuments.begin(), rt.launchDocuments.begin(),
                               rt.launchDocuments.end());
    QTimer::singleShot(0, [] {
        RunTime& state = runTime();
        if (!state.app)
            return;
        dispatch([&] { state.app->Event_Open(); });
        state.opened = true;
        state.delivering = true;
        deliverNextDocument();
    });
    rt.status = runEventLoop([] { return QApplication::exec(); });
    rt.handover.reset();
    rt.pendingDocuments.clear();
    rt.opened = false;
    rt.delivering = false;
}

void RuntimeQuit(int status) {
    runTime().status = status;
    // A long loop under way (a load, a save) ends at its next item, so that the
    // handler running it returns and the event loop can end.
    setApplicationQuitting(true);
    QCoreApplication::exit(status);
}

int RuntimeExit() {
    RunTime& rt = runTime();
    rt.handover.reset();
    closeAllWindows();
    rt.app.clear();
    DecodePool::instance().stop();
    if (rt.qtApp) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        rt.qtApp.reset();
    }
    setApplicationQuitting(false);
    return rt.status;
}

} // namespace tk
