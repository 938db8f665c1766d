#include "toolkit/pictures/DecodePool.h"

#include "toolkit/pictures/LevelCache.h"

#include <malloc.h>
#include <sched.h>

#include <algorithm>

namespace tk {

DecodePool& DecodePool::instance() {
    static DecodePool pool;
    return pool;
}

// The workers fill the level cache: made first, it is destroyed after the pool.
DecodePool::DecodePool() {
    LevelCache::instance();
    // Every thread allocates from one heap. Pixels a worker decodes are freed
    // by the main thread, and the next decode on any thread then reuses their
    // memory; with a heap of its own per worker the main thread's decodes
    // would take fresh pages instead, which cost more to touch than to decode
    // into. (Set before the workers start: a thread keeps the heap it first
    // allocated from.)
    mallopt(M_ARENA_MAX, 1);
}

DecodePool::~DecodePool() {
    stop();
}

int DecodePool::workerCount() {
    static const int count = [] {
        // The cores this process may use (taskset limits them), not all the machine's.
        cpu_set_t cores;
        const int usable = sched_getaffinity(0, sizeof cores, &cores) == 0
                               ? CPU_COUNT(&cores)
                               : int(std::thread::hardware_concurrency());
        return std::max(1, usable - 1);
    }();
    return count;
}

void DecodePool::post(std::function<void()> task) {
    std::lock_guard lock(mutex_);
    if (stopping_)
        return;
    if (workers_.empty())
        for (int i = 0; i < workerCount(); ++i)
            workers_.emplace_back([this] { work(); });
    tasks_.push_back(std::move(task));
    wake_.notify_one();
}

void DecodePool::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (stopping_)
            return;
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        ++running_;
        lock.unlock();
        task();
        task = nullptr; // what it holds goes before the pool counts it done
        lock.lock();
        --running_;
    }
}

void DecodePool::stop() {
    std::vector<std::thread> workers;
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        tasks_.clear();
        workers.swap(workers_);
    }
    wake_.notify_all();
    for (std::thread& worker : workers)
        worker.join();
    std::lock_guard lock(mutex_);
    stopping_ = false;
}

bool DecodePool::idle() const {
    std::lock_guard lock(mutex_);
    return tasks_.empty() && running_ == 0;
}

} // namespace tk
