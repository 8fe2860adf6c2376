#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "graphics/pixel_surface.h"
#include "sprite/byte_reader.h"

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

// One run-length coded frame of an archive, found and checked: its size is known before a
// pixel is decoded, so a caller can size (or refuse) its surface first. Refers to the
// archive's bytes, which must outlive it.
class SpriteFrame {
 public:
  // Nullopt when the archive is refused (wrong signature, beyond the reader's limits, frame
  // index out of range, offsets outside the bytes, short data).
  static std::optional<SpriteFrame> Find(std::span<const std::uint8_t> archive, FrameIndex index);

  FrameSize Size() const { return size_; }
  // Paints the frame at the surface's origin: drawn pixels in palette colours, skipped
  // pixels and empty rows in `background`; rows whose records would begin past the frame's
  // byte size, or after the archive ends inside a record, keep what the surface held. When
  // `drawn` is not empty it holds a byte per surface pixel, row by row, and the bytes of
  // the drawn pixels are set to 1 (the others are left alone).
  void Paint(Color background, PixelSurface& surface, std::span<std::uint8_t> drawn = {}) const;

 private:
  SpriteFrame(FrameSize size, std::span<const std::uint8_t> rowMask, std::uint32_t byteSize,
              ByteReader records)
      : size_(size), rowMask_(rowMask), byteSize_(byteSize), records_(records) {}

  FrameSize size_;
  std::span<const std::uint8_t> rowMask_;
  std::uint32_t byteSize_ = 0;
  // Over the frame's bytes up to the end of the archive, at the first row record: a record
  // that begins inside the frame is read to its end, even past the byte size.
  ByteReader records_;
};

// The size of a frame, or nullopt as for SpriteFrame::Find.
std::optional<FrameSize> MeasureFrame(std::span<const std::uint8_t> archive, FrameIndex index);
// Finds the frame and paints it over `background` (SpriteFrame::Paint); a refused archive
// leaves the surface untouched and gives nullopt.
std::optional<FrameSize> PaintFrame(std::span<const std::uint8_t> archive, FrameIndex index,
                                    Color background, PixelSurface& surface);

}  // namespace vestara
