#include <string>

#include "bench_registrations.h"
#include "fill_floor.h"
#include "graphics/pixel_surface.h"
#include "graphics/stretch.h"
#include "ratio_pairs.h"
#include "render/view_geometry.h"
#include "sprite/sprite_decoder.h"
#include "sprite_pictures.h"

namespace vestara::bench {
namespace {

constexpr Color kFace = 0xF0F0F0;
constexpr Color kBackground = 0x000000;
// Stretching may take at most twice as long as filling the destination.
constexpr double kTarget = 2.0;

struct StretchCase {
  const char* name;
  int zoomPercent;
  StretchMode mode;
};

constexpr StretchCase kCases[] = {
    {"stretch/50%-halftone", 50, StretchMode::Halftone},
    {"stretch/50%-coloroncolor", 50, StretchMode::ColorOnColor},
    {"stretch/100%", 100, StretchMode::ColorOnColor},
    {"stretch/200%", 200, StretchMode::ColorOnColor},
    {"stretch/300%", 300, StretchMode::ColorOnColor},
};

// The offscreen surface as a render leaves it for a frame that fills the whole
// stretched rectangle.
PixelSurface FullOffscreenSurface() {
  PixelSurface surface(kStretchSourceSize.width, kStretchSourceSize.height, kFace);
  PaintFrame(ArchiveWithFrame(ItemLikeSprite(400, 360), 0), 0, kBackground, surface);
  return surface;
}

void Stretch(benchmark::State& state, const PixelSurface& source, StretchCase stretch) {
  const Extent size = StretchDestinationSize(stretch.zoomPercent);
  PixelSurface destination(size.width, size.height);
  for (auto _ : state) {
    StretchCopy(source, kStretchSourceSize, destination, size, stretch.mode, kFace);
    benchmark::DoNotOptimize(destination.Pixels().data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

void RegisterStretchBenchmarks() {
  const PixelSurface source = FullOffscreenSurface();
  for (const StretchCase stretch : kCases) {
    RegisterRatioPair(
        stretch.name, kTarget,
        [source, stretch](benchmark::State& state) { Stretch(state, source, stretch); },
        FillFloor(StretchDestinationSize(stretch.zoomPercent)), Verdict::Information);
  }
}

}  // namespace vestara::bench
