#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vestara {

// The reader keeps at most 512 frame offsets, so an archive holds at most 511 frames.
inline constexpr std::uint32_t kMaxFrameCount = 511;

// The checked header of a sprite archive: enough to find any frame without reading the
// whole offset table.
struct ArchiveHeader {
  std::uint32_t frameCount = 0;
  // File offset of the data area, right after the offset table.
  std::size_t dataStart = 0;
};

// The header and offset table of a sprite archive.
struct ArchiveIndex {
  std::uint32_t frameCount = 0;
  // frameCount + 1 entries, counted from dataStart; entry frameCount ends the last frame.
  std::vector<std::uint32_t> frameOffsets;
  // File offset of the data area, right after the offset table.
  std::size_t dataStart = 0;

  // The frame's byte size as the table states it: the unsigned difference of the
  // neighbouring offsets, which wraps when the offsets decrease. `frame` < frameCount.
  std::uint32_t FrameByteSize(std::uint32_t frame) const {
    return frameOffsets[frame + 1] - frameOffsets[frame];
  }
};

// Nullopt when the bytes do not begin with "EAST0" (the sixth signature byte is free),
// hold more than kMaxFrameCount frames or end inside the header or offset table.
// The offsets themselves are not checked against the bytes.
std::optional<ArchiveHeader> ReadArchiveHeader(std::span<const std::uint8_t> archive);
// Entry `entry` (at most frameCount) of the offset table of an archive whose header was read.
std::uint32_t FrameOffset(std::span<const std::uint8_t> archive, std::uint32_t entry);
// The header and the whole offset table; nullopt as for ReadArchiveHeader.
std::optional<ArchiveIndex> ReadArchiveIndex(std::span<const std::uint8_t> archive);

}  // namespace vestara
