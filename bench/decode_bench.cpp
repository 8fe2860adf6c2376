#include <cstdint>
#include <string>
#include <vector>

#include "bench_registrations.h"
#include "fill_floor.h"
#include "graphics/pixel_surface.h"
#include "ratio_pairs.h"
#include "sprite/sprite_decoder.h"
#include "sprite_pictures.h"

namespace vestara::bench {
namespace {

constexpr Color kBackground = 0xFFFFFF;
constexpr FrameIndex kFrame = 3;
// Decoding may take at most twice as long as filling the same pixels.
constexpr double kTarget = 2.0;

struct FrameCase {
  std::uint16_t width;
  std::uint16_t height;
};

constexpr FrameCase kCases[] = {{32, 32}, {100, 120}, {400, 360}, {1024, 2048}};

// Decodes and paints the frame from the archive's bytes onto a surface of its size.
void PaintFromMemory(benchmark::State& state, const std::vector<std::uint8_t>& archive,
                     FrameCase frame) {
  PixelSurface surface(frame.width, frame.height);
  if (MeasureFrame(archive, kFrame) != FrameSize{frame.width, frame.height}) {
    state.SkipWithError("the archive does not hold the frame");
    return;
  }
  for (auto _ : state) {
    PaintFrame(archive, kFrame, kBackground, surface);
    benchmark::DoNotOptimize(surface.Pixels().data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

void RegisterDecodeBenchmarks() {
  for (const FrameCase frame : kCases) {
    const std::vector<std::uint8_t> archive =
        ArchiveWithFrame(ItemLikeSprite(frame.width, frame.height), kFrame);
    RegisterRatioPair(
        "decode/" + std::to_string(frame.width) + "x" + std::to_string(frame.height), kTarget,
        [archive, frame](benchmark::State& state) { PaintFromMemory(state, archive, frame); },
        FillFloor({frame.width, frame.height}), Verdict::Information);
  }
}

}  // namespace vestara::bench
