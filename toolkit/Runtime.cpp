#include "toolkit/Runtime.h"

#include "toolkit/Dispatch.h"
#include "toolkit/Fonts.h"
#include "toolkit/Thread.h"
#include "toolkit/Window.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace tk {

namespace {
struct RunTime {
    std::unique_ptr<QApplication> qtApp;
    Ref<Application> app;
    std::vector<std::string> launchDocuments;
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

void deliverDocuments(std::size_t next) {
    RunTime& rt = runTime();
    if (next >= rt.launchDocuments.size())
        return;
    const std::string path = rt.launchDocuments[next];
    dispatch([&] { rt.app->Event_OpenDocument(makeRef<FolderItem>(path)); });
    // One event per document, with the event loop running in between.
    QTimer::singleShot(0, [next] { deliverDocuments(next + 1); });
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
    installThreadSupport();
    // Qt has taken its own options out of argv; the rest name documents.
    rt.launchDocuments.clear();
    for (int i = 1; i < argc; ++i)
        rt.launchDocuments.push_back(absolutePath(argv[i]));
}

void RuntimeRegisterAppObject(Ref<Application> app) { runTime().app = std::move(app); }

Ref<Application> RuntimeAppObject() { return runTime().app; }

void RuntimeRun() {
    RunTime& rt = runTime();
    QTimer::singleShot(0, [] {
        RunTime& state = runTime();
        if (!state.app)
            return;
        dispatch([&] { state.app->Event_Open(); });
        deliverDocuments(0);
    });
    rt.status = QApplication::exec();
}

void RuntimeQuit(int status) {
    runTime().status = status;
    QCoreApplication::exit(status);
}

int RuntimeExit() {
    RunTime& rt = runTime();
    closeAllWindows();
    rt.app.clear();
    if (rt.qtApp) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        rt.qtApp.reset();
    }
    return rt.status;
}

} // namespace tk
