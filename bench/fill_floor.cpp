#include "fill_floor.h"

#include "graphics/pixel_surface.h"

namespace vestara::bench {

BenchmarkBody FillFloor(Extent size) {
  return [size](benchmark::State& state) {
    PixelSurface surface(size.width, size.height);
    Color color = 0;
    for (auto _ : state) {
      surface.FillRect(0, 0, size.width, size.height, color++);
      benchmark::DoNotOptimize(surface.Pixels().data());
      benchmark::ClobberMemory();
    }
  };
}

}  // namespace vestara::bench
