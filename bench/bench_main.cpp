#include <benchmark/benchmark.h>

#include "bench_registrations.h"
#include "ratio_pairs.h"
#include "ratio_table_reporter.h"

// Runs the benchmarks with the usual Google Benchmark flags and closes with the table of
// ratios to floors. Exits with 1 when a ratio misses its target.
int main(int argc, char** argv) {
  using namespace vestara::bench;
  RegisterDecodeBenchmarks();
  RegisterStretchBenchmarks();
  RegisterRenderViewBenchmarks();
  RegisterExportBenchmarks();

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  RatioTableReporter reporter(RegisteredRatioPairs());
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter.AllTargetsMet() ? 0 : 1;
}
