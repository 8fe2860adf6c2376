#include "cli/ordered_jobs.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace vestara {

unsigned DefaultJobCount() { return std::clamp(std::thread::hardware_concurrency(), 1u, kMaxJobs); }
namespace {

// How many items each job may run ahead of the consumer.
constexpr std::size_t kItemsAheadPerJob = 4;

// The calling thread is one of the jobs: while the item it must consume next is not
// ready, it produces the next unclaimed one itself, so `jobs` threads share the cores
// and none waits idle beside a busy one.
class OrderedRun {
 public:
  OrderedRun(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& produce)
      : produce_(produce),
        done_(count, false),
        failures_(count),
        window_(std::max(jobs, 1u) * kItemsAheadPerJob) {
    for (unsigned job = 1; job < jobs; ++job) {
      try {
        threads_.emplace_back([this] { Work(); });
      } catch (const std::system_error&) {
        // Fewer threads than asked for still do all the work, the caller among them.
        break;
      }
    }
  }
  ~OrderedRun() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }
  OrderedRun(const OrderedRun&) = delete;
  OrderedRun& operator=(const OrderedRun&) = delete;

  // Returns once item `i` is produced, rethrowing what producing it threw.
  void WaitFor(std::size_t i) {
    std::unique_lock lock(mutex_);
    while (!done_[i]) {
      if (CanClaim()) {
        const std::size_t claimed = next_++;
        lock.unlock();
        Produce(claimed);
        lock.lock();
      } else {
        changed_.wait(lock);
      }
    }
    if (failures_[i]) std::rethrow_exception(failures_[i]);
  }
  void Consumed() {
    {
      const std::lock_guard lock(mutex_);
      ++consumed_;
    }
    changed_.notify_all();
  }

 private:
  bool CanClaim() const { return next_ < done_.size() && next_ < consumed_ + window_; }

  void Work() {
    for (;;) {
      std::size_t claimed = 0;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopping_ || next_ == done_.size() || CanClaim(); });
        if (stopping_ || next_ == done_.size()) return;
        claimed = next_++;
      }
      Produce(claimed);
    }
  }

  void Produce(std::size_t i) {
    std::exception_ptr failure;
    try {
      produce_(i);
    } catch (...) {
      failure = std::current_exception();
    }
    {
      const std::lock_guard lock(mutex_);
      done_[i] = true;
      failures_[i] = failure;
    }
    changed_.notify_all();
  }

  const std::function<void(std::size_t)>& produce_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<char> done_;
  std::vector<std::exception_ptr> failures_;
  std::size_t window_;
  std::size_t next_ = 0;
  std::size_t consumed_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace

void RunOrderedJobs(std::size_t count, unsigned jobs,
                    const std::function<void(std::size_t)>& produce,
                    const std::function<void(std::size_t)>& consume) {
  if (jobs <= 1 || count <= 1) {
    for (std::size_t i = 0; i < count; ++i) {
      produce(i);
      consume(i);
    }
    return;
  }
  OrderedRun run(count, jobs, produce);
  for (std::size_t i = 0; i < count; ++i) {
    run.WaitFor(i);
    consume(i);
    run.Consumed();
  }
}

}  // namespace vestara
