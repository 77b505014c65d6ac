#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace tessaro::standin {

// Runs one job on every worker at once and returns when all have finished. The calling
// thread is worker 0, so a pool of one thread starts no thread at all.
class WorkerPool {
  public:
    using Job = std::function<void(unsigned worker, unsigned workers)>;

    explicit WorkerPool(unsigned threads);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    unsigned Size() const { return size_; }
    void Run(const Job& job);

  private:
    void Serve(unsigned worker);

    unsigned size_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable started_;
    std::condition_variable finished_;
    const Job* job_ = nullptr;
    unsigned long long generation_ = 0;
    unsigned pending_ = 0;
    bool stopping_ = false;
};

// All hardware threads, or one on request.
unsigned RenderThreadCount(bool oneThread);

}  // namespace tessaro::standin
