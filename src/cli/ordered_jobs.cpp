#include "cli/ordered_jobs.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace vestara {
namespace {

// How many items each job may run ahead of the consumer.
constexpr std::size_t kItemsAheadPerJob = 4;

class OrderedRun {
 public:
  OrderedRun(std::size_t count, unsigned jobs, const std::function<void(std::size_t)>& produce)
      : produce_(produce),
        done_(count, false),
        failures_(count),
        window_(jobs * kItemsAheadPerJob) {
    for (unsigned job = 0; job < jobs; ++job) {
      try {
        threads_.emplace_back([this] { Work(); });
      } catch (const std::system_error&) {
        // Fewer threads than asked for still do all the work; with none, the caller does.
        if (!threads_.empty()) break;
        throw;
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

  // Waits for item `i`, rethrowing what producing it threw.
  void WaitFor(std::size_t i) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return static_cast<bool>(done_[i]); });
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
  void Work() {
    for (;;) {
      std::size_t i = 0;
      {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] {
          return stopping_ || next_ == done_.size() || next_ < consumed_ + window_;
        });
        if (stopping_ || next_ == done_.size()) return;
        i = next_++;
      }
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
  if (jobs <= 1) {
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
