#include "tests/support/FileSystemLimits.h"

#include <csignal>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr unsigned overrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

// Turns the permission overrides on or off in this thread's effective
// capabilities, as far as it is permitted them; returns whether they were on.
bool setOverrides(bool on) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    const bool wasOn = data[0].effective & overrides;
    data[0].effective =
        on ? data[0].effective | (data[0].permitted & overrides) : data[0].effective & ~overrides;
    ::syscall(SYS_capset, &header, data);
    return wasOn;
}

} // namespace

PermissionsBind::PermissionsBind() : wasOn_(setOverrides(false)) {}

PermissionsBind::~PermissionsBind() {
    setOverrides(wasOn_);
}

DiskFullBeyond::DiskFullBeyond(rlim_t bytesPerFile) {
    // Without this the process would be killed instead of the write failing.
    signalBefore_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &before_);
    rlimit limit = before_;
    limit.rlim_cur = bytesPerFile;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFullBeyond::~DiskFullBeyond() {
    ::setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signalBefore_);
}
