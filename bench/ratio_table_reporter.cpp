#include "ratio_table_reporter.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

namespace vestara::bench {
namespace {

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char line[160];
  std::snprintf(line, sizeof line, format, args...);
  return line;
}

}  // namespace

RatioTableReporter::RatioTableReporter(std::vector<RatioPair> pairs) : pairs_(std::move(pairs)) {}

void RatioTableReporter::ReportRuns(const std::vector<Run>& runs) {
  std::vector<Run> shown;
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
      secondsPerIteration_[run.run_name.function_name].push_back(
          run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit));
    }
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    if (single || median || run.error_occurred) shown.push_back(run);
  }
  if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
}

double RatioTableReporter::MedianSeconds(const std::string& name) const {
  const auto found = secondsPerIteration_.find(name);
  if (found == secondsPerIteration_.end() || found->second.empty()) return 0;
  std::vector<double> seconds = found->second;
  std::ranges::sort(seconds);
  const std::size_t middle = seconds.size() / 2;
  return seconds.size() % 2 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
}

void RatioTableReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  out << "\nRatios to floors (median CPU time per operation; \"info\" rows are information"
         " and do not fail the run)\n"
      << Format("%-28s %12s %12s %7s %7s\n", "case", "work [us]", "floor [us]", "ratio", "target");
  int measured = 0;
  int missed = 0;
  int incomplete = 0;
  for (const RatioPair& pair : pairs_) {
    const double work = MedianSeconds(pair.name);
    const double floor = MedianSeconds(FloorName(pair.name));
    // A pair left out by a filter is not reported; one with a failed half is.
    if (work <= 0 && floor <= 0) continue;
    if (work <= 0 || floor <= 0) {
      ++incomplete;
      out << Format("%-28s %s\n", pair.name.c_str(), "failed to measure");
      continue;
    }
    const double ratio = work / floor;
    const bool met = ratio <= pair.target;
    const bool binding = pair.verdict == Verdict::Binding;
    if (binding) {
      ++measured;
      if (!met) ++missed;
    }
    const char* verdict = binding ? (met ? "ok" : "MISSED") : (met ? "info: within" : "info: over");
    out << Format("%-28s %12.2f %12.2f %7.2f %7.2f  %s\n", pair.name.c_str(), work * 1e6,
                  floor * 1e6, ratio, pair.target, verdict);
  }
  out << measured - missed << " of " << measured << " binding ratios within target";
  if (incomplete > 0) out << ", " << incomplete << " failed to measure";
  out << ".\n" << std::flush;
  allTargetsMet_ = missed == 0 && incomplete == 0;
}

}  // namespace vestara::bench
