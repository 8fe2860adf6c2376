#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "ratio_pairs.h"

namespace vestara::bench {

// The console output reduced to one median line per benchmark, followed by the table
// of every pair: median work, median floor, their ratio and the target.
class RatioTableReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioTableReporter(std::vector<RatioPair> pairs);

  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

  // After Finalize: every pair that ran was measured and stayed within its target.
  bool AllTargetsMet() const { return allTargetsMet_; }

 private:
  // The median of the CPU seconds per iteration over the repetitions; 0 when not measured.
  double MedianSeconds(const std::string& name) const;

  std::vector<RatioPair> pairs_;
  std::map<std::string, std::vector<double>> secondsPerIteration_;
  bool allTargetsMet_ = false;
};

}  // namespace vestara::bench
