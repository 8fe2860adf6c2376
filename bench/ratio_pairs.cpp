#include "ratio_pairs.h"

#include <utility>

namespace vestara::bench {
namespace {

std::vector<RatioPair>& Pairs() {
  static std::vector<RatioPair> pairs;
  return pairs;
}

void Register(const std::string& name, BenchmarkBody body) {
  benchmark::RegisterBenchmark(name.c_str(), std::move(body))->Unit(benchmark::kMicrosecond);
}

}  // namespace

std::string FloorName(const std::string& name) { return name + "/floor"; }

void RegisterRatioPair(const std::string& name, double target, BenchmarkBody work,
                       BenchmarkBody floor, Verdict verdict) {
  Register(name, std::move(work));
  Register(FloorName(name), std::move(floor));
  Pairs().push_back({name, target, verdict});
}

const std::vector<RatioPair>& RegisteredRatioPairs() { return Pairs(); }

}  // namespace vestara::bench
