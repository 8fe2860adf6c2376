// Measure and paint of one frame of an arbitrary archive. The input is the frame index
// (2 bytes, little-endian) followed by the archive's bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzz_check.h"
#include "graphics/pixel_surface.h"
#include "sprite/sprite_decoder.h"

namespace {

using vestara::fuzz::Require;

// No colour the painter can set: colours keep their high byte zero.
constexpr vestara::Color kSentinel = 0xFF000000;
constexpr vestara::Color kBackground = 0x00ABCDEF;
// Keeps the surface of a huge frame affordable; a frame wider than this is clipped.
constexpr int kMaxSurfaceWidth = 2049;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const auto index = static_cast<vestara::FrameIndex>(data[0] | (data[1] << 8));
  const std::span<const std::uint8_t> archive(data + 2, size - 2);

  const auto measured = vestara::MeasureFrame(archive, index);
  const vestara::FrameSize frame = measured.value_or(vestara::FrameSize{0, 0});
  // One row and one column beyond the frame show any pixel set outside it.
  const int surfaceWidth = std::min(frame.width + 1, kMaxSurfaceWidth);
  const int surfaceHeight = frame.height + 1;
  vestara::PixelSurface surface(surfaceWidth, surfaceHeight, kSentinel);
  const auto painted = vestara::PaintFrame(archive, index, kBackground, surface);

  Require(painted == measured, "measure and paint agree on the frame");
  for (int y = 0; y < surfaceHeight; ++y) {
    for (int x = 0; x < surfaceWidth; ++x) {
      const bool inFrame = painted && x < frame.width && y < frame.height;
      if (!inFrame) Require(surface.GetPixel(x, y) == kSentinel, "no pixel outside the frame");
    }
  }
  return 0;
}
