#pragma once

namespace vestara::bench {

// Each registers its ratio pairs (RegisterRatioPair).
void RegisterDecodeBenchmarks();
void RegisterStretchBenchmarks();
void RegisterRenderViewBenchmarks();
void RegisterExportBenchmarks();

}  // namespace vestara::bench
