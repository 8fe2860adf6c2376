#include "sprite/archive_index.h"

#include <algorithm>
#include <array>

#include "sprite/byte_reader.h"

namespace vestara {
namespace {

constexpr std::size_t kSignatureSize = 6;
constexpr std::size_t kOffsetTableStart = kSignatureSize + 4;

}  // namespace

std::optional<ArchiveHeader> ReadArchiveHeader(std::span<const std::uint8_t> archive) {
  static constexpr std::array<std::uint8_t, 5> kSignature = {'E', 'A', 'S', 'T', '0'};
  ByteReader reader(archive);
  const auto signature = reader.Take(kSignatureSize);
  if (!signature || !std::equal(kSignature.begin(), kSignature.end(), signature->begin())) {
    return std::nullopt;
  }
  const auto frameCount = reader.U32();
  if (!frameCount || *frameCount > kMaxFrameCount) return std::nullopt;
  // frameCount + 1 offsets of 4 bytes each.
  if (!reader.Take(4 * (std::size_t{*frameCount} + 1))) return std::nullopt;
  return ArchiveHeader{*frameCount, reader.Position()};
}

std::uint32_t FrameOffset(std::span<const std::uint8_t> archive, std::uint32_t entry) {
  return *ByteReader(archive, kOffsetTableStart + 4 * std::size_t{entry}).U32();
}

std::optional<ArchiveIndex> ReadArchiveIndex(std::span<const std::uint8_t> archive) {
  const auto header = ReadArchiveHeader(archive);
  if (!header) return std::nullopt;
  ArchiveIndex index;
  index.frameCount = header->frameCount;
  index.dataStart = header->dataStart;
  index.frameOffsets.reserve(header->frameCount + 1);
  for (std::uint32_t entry = 0; entry <= header->frameCount; ++entry) {
    index.frameOffsets.push_back(FrameOffset(archive, entry));
  }
  return index;
}

}  // namespace vestara
