#include "cli/ordered_jobs.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace vestara::clitest {
namespace {

// What one run saw: the order of consumption and, per item, how often it was produced
// and whether it was ready when consumed.
struct Observed {
  std::vector<std::size_t> consumed;
  std::vector<std::atomic<int>> produced;
  std::atomic<std::size_t> mostAhead{0};
  explicit Observed(std::size_t count) : produced(count) {}
};

void RunObserved(Observed& seen, std::size_t count, unsigned jobs,
                 std::size_t failingProduce = SIZE_MAX, std::size_t failingConsume = SIZE_MAX) {
  std::atomic<std::size_t> consumedCount{0};
  RunOrderedJobs(
      count, jobs,
      [&](std::size_t i) {
        ++seen.produced[i];
        const std::size_t ahead = i - std::min(i, consumedCount.load());
        std::size_t most = seen.mostAhead.load();
        while (ahead > most && !seen.mostAhead.compare_exchange_weak(most, ahead)) {
        }
        if (i == failingProduce) throw std::runtime_error("produce " + std::to_string(i));
      },
      [&](std::size_t i) {
        EXPECT_EQ(seen.produced[i].load(), 1) << i;
        if (i == failingConsume) throw std::runtime_error("consume " + std::to_string(i));
        seen.consumed.push_back(i);
        ++consumedCount;
      });
}

TEST(OrderedJobsTest, ConsumesEveryItemOnceInOrderWhateverTheJobCount) {
  for (const unsigned jobs : {0u, 1u, 2u, 3u, 16u}) {
    for (const std::size_t count : {0u, 1u, 2u, 500u}) {
      Observed seen(count);
      RunObserved(seen, count, jobs);
      std::vector<std::size_t> expected(count);
      for (std::size_t i = 0; i < count; ++i) expected[i] = i;
      EXPECT_EQ(seen.consumed, expected) << jobs << " jobs, " << count << " items";
      for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(seen.produced[i].load(), 1);
      // Results wait for the writer in a bounded window, not all at once.
      EXPECT_LE(seen.mostAhead.load(), 4u * std::max(jobs, 1u) + 1) << jobs;
    }
  }
}

// A failure surfaces where the item would have been consumed; nothing after it is
// consumed, and no job is still running once the call has returned.
TEST(OrderedJobsTest, AFailureStopsAtItsItem) {
  for (const unsigned jobs : {1u, 2u, 4u}) {
    for (const bool inProduce : {true, false}) {
      Observed seen(200);
      try {
        RunObserved(seen, 200, jobs, inProduce ? 50 : SIZE_MAX, inProduce ? SIZE_MAX : 50);
        ADD_FAILURE() << "no exception";
      } catch (const std::runtime_error& error) {
        EXPECT_EQ(error.what(), std::string(inProduce ? "produce 50" : "consume 50"));
      }
      EXPECT_EQ(seen.consumed.size(), 50u) << jobs;
      int producedAtReturn = 0;
      for (const auto& count : seen.produced) producedAtReturn += count.load();
      EXPECT_LT(producedAtReturn, 200) << jobs;
      // A job left running would go on producing.
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      int producedLater = 0;
      for (const auto& count : seen.produced) producedLater += count.load();
      EXPECT_EQ(producedLater, producedAtReturn);
    }
  }
}

}  // namespace
}  // namespace vestara::clitest
