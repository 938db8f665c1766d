#pragma once

// The process's worker threads for decoding pictures. Toolkit-internal.
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tk {

// One worker for each core this process may run on but one, and at least one,
// started when the first task comes. No worker touches a user-interface
// element, nor any Qt object but images, their readers and the files or
// buffers they read. The run time stops the workers at exit, before any
// static object goes; a task posted later starts them again.
class DecodePool {
  public:
    static DecodePool& instance();
    static int workerCount();
    ~DecodePool();
    DecodePool(const DecodePool&) = delete;
    DecodePool& operator=(const DecodePool&) = delete;

    // Runs the task on a worker, after the tasks posted before it. A task must
    // not throw. Tasks posted while the pool stops are dropped.
    void post(std::function<void()> task);
    // Drops the tasks not begun, waits for those that run, and ends the workers.
    void stop();
    // True when no task waits or runs.
    bool idle() const;

  private:
    DecodePool();
    void work();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    std::vector<std::thread> workers_;
    int running_ = 0;
    bool stopping_ = false;
};

} // namespace tk
