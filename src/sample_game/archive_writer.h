#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace vestara {

// Builds sprite archives for tests and the sample game; the viewer only reads them.
// The low-level records write exactly what they hold, so deliberately odd archives
// can be built as well; FrameFromGrid gives well-formed frames.

// `skip` background pixels, then one palette index per drawn pixel (at most 65535).
struct RunRecord {
  std::uint16_t skip = 0;
  std::vector<std::uint8_t> pixels{};
};

struct RowRecord {
  std::vector<RunRecord> runs{};
  // Written in place of the number of runs when set.
  std::optional<std::uint8_t> runCount{};
};

struct FrameRecord {
  std::array<std::uint8_t, 4> reserved{};
  std::uint16_t height = 0;
  // rows[y] is row y's record, or nullopt for an empty row (mask bit clear). Rows past
  // the end of the vector are empty; entries at `height` or beyond are not written.
  std::vector<std::optional<RowRecord>> rows{};
};

// A frame as a picture: palette indices and a "drawn" flag per pixel, row by row.
struct SpriteGrid {
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::vector<std::uint8_t> pixels{};  // width * height
  std::vector<bool> drawn{};           // width * height; false shows the background
};

struct ArchiveRecord {
  std::uint8_t signatureSixthByte = 0;
  // Encoded frames, stored back to back in the data area.
  std::vector<std::vector<std::uint8_t>> frames{};
  // Written in place of the true offset table when set (at least one entry); its size
  // minus one becomes the frame count.
  std::optional<std::vector<std::uint32_t>> frameOffsets{};
};

// Throws std::length_error for a run of more than 65535 pixels.
std::vector<std::uint8_t> EncodeFrame(const FrameRecord& frame);

// Run-length codes the grid: each row with a drawn pixel becomes a record covering the
// full width; rows with none are empty, except that a frame with no drawn pixel at all
// keeps one record in row 0, since the first record defines the width (a grid without
// rows measures 0 x 0). Throws std::length_error when a row needs more than 255 runs or
// the vectors do not match the size.
FrameRecord FrameFromGrid(const SpriteGrid& grid);

std::vector<std::uint8_t> AssembleArchive(const ArchiveRecord& archive);
// A well-formed archive holding `frames` in order.
std::vector<std::uint8_t> BuildArchive(const std::vector<FrameRecord>& frames);

}  // namespace vestara
