#include "standin/core/worker_pool.h"

#include <algorithm>

namespace tessaro::standin {

WorkerPool::WorkerPool(unsigned threads) : size_(std::max(threads, 1u)) {
    for (unsigned worker = 1; worker < size_; ++worker) {
        threads_.emplace_back([this, worker] { Serve(worker); });
    }
}

WorkerPool::~WorkerPool() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    started_.notify_all();
    for (std::thread& thread : threads_)
        thread.join();
}

void WorkerPool::Run(const Job& job) {
    {
        std::lock_guard lock(mutex_);
        job_ = &job;
        pending_ = size_ - 1;
        ++generation_;
    }
    started_.notify_all();
    job(0, size_);
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return pending_ == 0; });
    job_ = nullptr;
}

void WorkerPool::Serve(unsigned worker) {
    unsigned long long seen = 0;
    for (;;) {
        const Job* job = nullptr;
        {
            std::unique_lock lock(mutex_);
            started_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_)
                return;
            seen = generation_;
            job = job_;
        }
        (*job)(worker, size_);
        {
            std::lock_guard lock(mutex_);
            --pending_;
        }
        finished_.notify_one();
    }
}

unsigned RenderThreadCount(bool oneThread) {
    if (oneThread)
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, 64u);
}

}  // namespace tessaro::standin
