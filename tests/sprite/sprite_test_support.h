#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/pixel_surface.h"
#include "sprite/archive_writer.h"
#include "sprite/sprite_decoder.h"
#include "sprite/sprite_palette.h"

namespace vestara::test {

// What the caller put on the surface before painting.
inline constexpr Color kFill = 0x00123456;
inline constexpr Color kBackground = 0x00FF00FF;

inline Color P(std::uint8_t index) { return SpritePalette[index]; }

inline RowRecord Row(std::vector<RunRecord> runs) { return RowRecord{std::move(runs), {}}; }

inline std::vector<std::uint8_t> SingleFrameArchive(const FrameRecord& frame) {
  return BuildArchive({frame});
}

// One frame's bytes under an offset table of the caller's choice.
inline std::vector<std::uint8_t> ArchiveWithOffsets(const FrameRecord& frame,
                                                    std::vector<std::uint32_t> offsets) {
  return AssembleArchive({0, {EncodeFrame(frame)}, std::move(offsets)});
}

// Paints on a surface of the given size that the caller filled with kFill.
inline PixelSurface PaintOn(std::span<const std::uint8_t> archive, int width, int height,
                            FrameIndex index = 0, Color background = kBackground) {
  PixelSurface surface(width, height, kFill);
  PaintFrame(archive, index, background, surface);
  return surface;
}

inline std::vector<Color> RowOf(const PixelSurface& surface, int y) {
  const auto row = surface.Row(y);
  return {row.begin(), row.end()};
}

}  // namespace vestara::test
