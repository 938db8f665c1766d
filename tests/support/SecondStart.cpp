#include "tests/support/SecondStart.h"

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

SecondStart::SecondStart(const std::vector<std::string>& arguments, const std::string& workingFolder) {
    std::vector<std::string> argv{TESSIVO_HANDOVER_SENDER};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<char*> pointers;
    for (std::string& argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
    if (posix_spawn(&pid_, pointers[0], &actions, nullptr, pointers.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
}

SecondStart::~SecondStart() {
    if (!ended()) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

bool SecondStart::ended() {
    if (!ended_ && (pid_ <= 0 || ::waitpid(pid_, &status_, WNOHANG) == pid_))
        ended_ = true;
    return ended_;
}

int SecondStart::exitStatus() {
    return ended() && pid_ > 0 && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}
