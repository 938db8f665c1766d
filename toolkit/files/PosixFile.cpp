#include "toolkit/files/PosixFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tk::posix {

namespace {

constexpr std::size_t maxNameBytes = 255;

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        size -= std::size_t(written);
    }
    return true;
}

// Makes a rename reach the disk.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Makes an entry next to target under a hidden name of random characters,
// trying fresh names while make(name) fails because the name is taken
// (errno EEXIST). Returns the name made, or empty when none could be.
std::string underFreshHiddenName(const std::string& target,
                                 const std::function<bool(const std::string&)>& make) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof letters - 2);
    const std::string folder = folderOf(target);
    const std::string name = target.substr(target.rfind('/') + 1);
    constexpr std::size_t suffixBytes = 7; // "." and six random characters
    const std::string stem =
        (folder == "/" ? "" : folder) + "/." + name.substr(0, maxNameBytes - 1 - suffixBytes) + ".";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string hidden = stem;
        for (std::size_t i = 1; i < suffixBytes; ++i)
            hidden += letters[pick(random)];
        if (make(hidden))
            return hidden;
        if (errno != EEXIST)
            break;
    }
    return {};
}

} // namespace

int renameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS)
        return error;
    // The file system cannot rename without replacing: link() refuses an existing
    // name. Folders cannot be linked, so they are refused.
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    if (::unlink(from.c_str()) != 0) {
        const int unlinkError = errno;
        ::unlink(to.c_str());
        return unlinkError;
    }
    return 0;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : path.substr(0, slash);
}

mode_t currentUmask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return mode_t(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 022;
}

bool readAll(int fd, std::string& out) {
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        out.append(buffer, std::size_t(got));
    }
}

PendingFile::PendingFile(const std::string& targetPath, Temporary kind) : target_(targetPath) {
    // The unnamed file is put in place through its /proc link: without /proc it could never be named.
    if (kind == Temporary::unnamedWherePossible && ::access("/proc/self/fd", X_OK) == 0)
        fd_ = ::open(folderOf(targetPath).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd_ >= 0)
        return;
    temp_ = underFreshHiddenName(targetPath, [this](const std::string& name) {
        fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        return fd_ >= 0;
    });
}

PendingFile::~PendingFile() {
    discard();
}

void PendingFile::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    temp_.clear();
}

void PendingFile::write(const char* data, std::size_t size) {
    if (fd_ < 0 || !writeAll(fd_, data, size))
        failed_ = true;
}

bool PendingFile::copyFrom(int fd) {
    char buffer[65536];
    while (fd_ >= 0 && !failed_) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            failed_ = true;
        else
            write(buffer, std::size_t(got));
    }
    return false;
}

bool PendingFile::commit(mode_t mode, bool replace) {
    if (fd_ < 0)
        return false;
    const bool written = !failed_ && ::fchmod(fd_, mode) == 0 && ::fsync(fd_) == 0;
    const bool placed = written && (temp_.empty() ? linkIntoPlace(replace) : renameIntoPlace(replace));
    discard();
    if (placed)
        syncFolder(folderOf(target_));
    return placed;
}

// The unnamed file is linked to the target, which refuses an existing entry.
// To replace one, it is linked under a hidden name and renamed over it.
bool PendingFile::linkIntoPlace(bool replace) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, target_.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    if (errno != EEXIST || !replace)
        return false;
    // Removed by discard() unless the rename takes it.
    temp_ = underFreshHiddenName(target_, [&](const std::string& name) {
        return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    });
    return !temp_.empty() && renameIntoPlace(true);
}

bool PendingFile::renameIntoPlace(bool replace) {
    if (::close(fd_) != 0) {
        fd_ = -1;
        return false;
    }
    fd_ = -1;
    const bool renamed =
        replace ? ::rename(temp_.c_str(), target_.c_str()) == 0 : renameNoReplace(temp_, target_) == 0;
    if (renamed)
        temp_.clear();
    return renamed;
}

} // namespace tk::posix
