#include "toolkit/files/Script.h"

#include "toolkit/core/QtText.h"
#include "toolkit/files/PosixFile.h"

#include <QDesktopServices>
#include <QUrl>

#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tk {

// Started directly rather than through QProcess, which takes its arguments as
// text: a photo's path may hold bytes that are no UTF-8, and must arrive as
// the bytes the file system knows.
std::string ExecuteAppleScriptWithReturn(const Ref<FolderItem>& script, const ScriptParameters& params) {
    std::vector<std::string> arguments{"/bin/sh", script->nativePath()};
    for (const Variant& param : params)
        arguments.push_back(param.toString());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    pid_t pid = -1;
    const bool started = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    std::string result;
    if (started)
        posix::readAll(output[0], result);
    ::close(output[0]);
    if (started)
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    return result;
}

void ExecuteAppleScript(const Ref<FolderItem>& script, const ScriptParameters& params) {
    ExecuteAppleScriptWithReturn(script, params);
}

void GlobalShowURL(const std::string& url) {
    requireMainThread();
    QDesktopServices::openUrl(QUrl(toQt(url)));
}

} // namespace tk
