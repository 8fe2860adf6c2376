#pragma once

#include <functional>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace vestara::bench {

// A piece of real work and the floor it is held against, measured in the same process;
// the figure that counts is the ratio of their medians.
// Information pairs are reported against their target but never fail the run: their
// limits are explained in docs/performance.md.
enum class Verdict { Binding, Information };

struct RatioPair {
  std::string name;
  // The largest acceptable ratio.
  double target = 0;
  Verdict verdict = Verdict::Binding;
};

using BenchmarkBody = std::function<void(benchmark::State&)>;

// The benchmark name of a pair's floor.
std::string FloorName(const std::string& name);

// Registers the work as `name` and the floor as FloorName(name).
void RegisterRatioPair(const std::string& name, double target, BenchmarkBody work,
                       BenchmarkBody floor, Verdict verdict = Verdict::Binding);
const std::vector<RatioPair>& RegisteredRatioPairs();

}  // namespace vestara::bench
