#include "sample_game/archive_writer.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <utility>

namespace vestara {
namespace {

constexpr std::size_t kMaxRunsPerRecord = 255;

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  PutU16(out, static_cast<std::uint16_t>(value));
  PutU16(out, static_cast<std::uint16_t>(value >> 16));
}

void PutRowRecord(std::vector<std::uint8_t>& out, const RowRecord& row) {
  out.push_back(row.runCount.value_or(static_cast<std::uint8_t>(row.runs.size())));
  for (const RunRecord& run : row.runs) {
    if (run.pixels.size() > 0xFFFF) throw std::length_error("run longer than 65535 pixels");
    PutU16(out, run.skip);
    PutU16(out, static_cast<std::uint16_t>(run.pixels.size()));
    out.insert(out.end(), run.pixels.begin(), run.pixels.end());
  }
}

// Runs of undrawn then drawn pixels across the whole row.
RowRecord EncodeGridRow(const SpriteGrid& grid, std::size_t y) {
  const std::size_t rowStart = y * grid.width;
  RowRecord row;
  std::size_t x = 0;
  while (x < grid.width) {
    RunRecord run;
    for (; x < grid.width && !grid.drawn[rowStart + x]; ++x) ++run.skip;
    for (; x < grid.width && grid.drawn[rowStart + x]; ++x) {
      run.pixels.push_back(grid.pixels[rowStart + x]);
    }
    row.runs.push_back(std::move(run));
  }
  if (row.runs.size() > kMaxRunsPerRecord) throw std::length_error("row needs over 255 runs");
  return row;
}

}  // namespace

std::vector<std::uint8_t> EncodeFrame(const FrameRecord& frame) {
  std::vector<std::uint8_t> out(frame.reserved.begin(), frame.reserved.end());
  PutU16(out, frame.height);
  const std::size_t maskStart = out.size();
  out.resize(maskStart + (frame.height + 7u) / 8u, 0);
  const std::size_t rowCount = std::min<std::size_t>(frame.rows.size(), frame.height);
  for (std::size_t y = 0; y < rowCount; ++y) {
    if (!frame.rows[y]) continue;
    out[maskStart + y / 8] |= static_cast<std::uint8_t>(1u << (y % 8));
    PutRowRecord(out, *frame.rows[y]);
  }
  return out;
}

FrameRecord FrameFromGrid(const SpriteGrid& grid) {
  const std::size_t pixelCount = std::size_t{grid.width} * grid.height;
  if (grid.pixels.size() != pixelCount || grid.drawn.size() != pixelCount) {
    throw std::length_error("grid vectors do not match its size");
  }
  FrameRecord frame;
  frame.height = grid.height;
  frame.rows.resize(grid.height);
  for (std::size_t y = 0; y < grid.height; ++y) {
    const auto rowBegin = grid.drawn.begin() + static_cast<std::ptrdiff_t>(y * grid.width);
    if (std::find(rowBegin, rowBegin + grid.width, true) != rowBegin + grid.width) {
      frame.rows[y] = EncodeGridRow(grid, y);
    }
  }
  // The first record defines the width, so a frame with nothing drawn still needs one.
  const bool hasRecord =
      std::ranges::any_of(frame.rows, [](const auto& row) { return row.has_value(); });
  if (!hasRecord && grid.width > 0 && grid.height > 0) frame.rows[0] = EncodeGridRow(grid, 0);
  return frame;
}

std::vector<std::uint8_t> AssembleArchive(const ArchiveRecord& archive) {
  std::vector<std::uint32_t> offsets{0};
  for (const auto& frame : archive.frames) {
    offsets.push_back(offsets.back() + static_cast<std::uint32_t>(frame.size()));
  }
  if (archive.frameOffsets) offsets = *archive.frameOffsets;

  std::vector<std::uint8_t> out{'E', 'A', 'S', 'T', '0', archive.signatureSixthByte};
  PutU32(out, static_cast<std::uint32_t>(offsets.size() - 1));
  for (const std::uint32_t offset : offsets) PutU32(out, offset);
  for (const auto& frame : archive.frames) out.insert(out.end(), frame.begin(), frame.end());
  return out;
}

std::vector<std::uint8_t> BuildArchive(const std::vector<FrameRecord>& frames) {
  ArchiveRecord archive;
  for (const FrameRecord& frame : frames) archive.frames.push_back(EncodeFrame(frame));
  return AssembleArchive(archive);
}

}  // namespace vestara
