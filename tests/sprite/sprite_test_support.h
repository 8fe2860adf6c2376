#pragma once

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graphics/pixel_surface.h"
#include "sprite/archive_writer.h"
#include "sprite/sprite_decoder.h"
#include "sprite/sprite_palette.h"

namespace vestara::test {

// What the caller put on the surface before painting, and the background painted over it.
inline constexpr Color kFill = 0x00123456;
inline constexpr Color kBackground = 0x00FF00FF;

inline RowRecord Row(std::vector<RunRecord> runs, std::optional<std::uint8_t> runCount = {}) {
  return RowRecord{std::move(runs), runCount};
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

// The surface as text, a string per row: '.' kBackground, '-' kFill, a hex digit the palette
// colour of that index, '?' anything else.
inline std::vector<std::string> Text(const PixelSurface& surface) {
  std::vector<std::string> rows(static_cast<std::size_t>(surface.Height()));
  for (int y = 0; y < surface.Height(); ++y) {
    for (const Color color : surface.Row(y)) {
      const auto hex = std::find(SpritePalette.begin(), SpritePalette.begin() + 16, color) -
                       SpritePalette.begin();
      rows[y] += color == kBackground ? '.'
                 : color == kFill     ? '-'
                 : hex < 16           ? "0123456789abcdef"[hex]
                                      : '?';
    }
  }
  return rows;
}

}  // namespace vestara::test
