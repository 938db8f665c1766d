#include "toolkit/Script.h"

#include "toolkit/QtText.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tk {

std::string ExecuteAppleScriptWithReturn(const Ref<FolderItem>& script, const ScriptParameters& params) {
    QStringList arguments{pathToQt(script->nativePath())};
    for (const Variant& param : params)
        arguments << toQt(param.toString());
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start("/bin/sh", arguments);
    if (!process.waitForStarted())
        return {};
    process.closeWriteChannel();
    process.waitForFinished(-1);
    return process.readAllStandardOutput().toStdString();
}

void ExecuteAppleScript(const Ref<FolderItem>& script, const ScriptParameters& params) {
    ExecuteAppleScriptWithReturn(script, params);
}

void GlobalShowURL(const std::string& url) {
    requireMainThread();
    QDesktopServices::openUrl(QUrl(toQt(url)));
}

} // namespace tk
