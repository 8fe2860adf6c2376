#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "graphics/pixel_surface.h"

namespace vestara {

using FrameIndex = std::uint16_t;

struct FrameSize {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  friend bool operator==(const FrameSize&, const FrameSize&) = default;
};

// What a refused or unreadable archive measures as.
inline constexpr FrameSize kUnreadableFrameSize{9, 17};

// Decoding over the bytes of a whole archive, with no file access, so that the
// same code serves the viewer, the command-line tool, fuzzing and benchmarks.
// Both return nullopt when the archive is refused (wrong signature, beyond the
// reader's limits, frame index out of range, offsets outside the bytes, short data).
std::optional<FrameSize> MeasureFrame(std::span<const std::uint8_t> archive, FrameIndex index);
// Paints the frame at the surface's origin; a refused archive leaves the surface untouched.
std::optional<FrameSize> PaintFrame(std::span<const std::uint8_t> archive, FrameIndex index,
                                    Color background, PixelSurface& surface);

}  // namespace vestara
