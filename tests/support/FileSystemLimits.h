#pragma once

#include <sys/resource.h>

// Makes file permissions bind this thread, and the threads it starts from now
// on, even when the tests run as root: without its overriding capabilities root
// can no more read a file of mode 000 or write into a read-only folder than
// anybody else. Does nothing for other users, whom permissions bind anyway.
class PermissionsBind {
  public:
    PermissionsBind();
    ~PermissionsBind();
    PermissionsBind(const PermissionsBind&) = delete;
    PermissionsBind& operator=(const PermissionsBind&) = delete;

  private:
    bool wasOn_;
};

// A disk that is full beyond this many bytes a file, for the whole process:
// a write that would go further fails as writes to a full disk do.
class DiskFullBeyond {
  public:
    explicit DiskFullBeyond(rlim_t bytesPerFile);
    ~DiskFullBeyond();
    DiskFullBeyond(const DiskFullBeyond&) = delete;
    DiskFullBeyond& operator=(const DiskFullBeyond&) = delete;

  private:
    rlimit before_{};
    void (*signalBefore_)(int) = nullptr;
};
