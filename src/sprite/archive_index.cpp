#include "sprite/archive_index.h"

#include <algorithm>
#include <array>

#include "sprite/byte_reader.h"

namespace vestara {

std::optional<ArchiveIndex> ReadArchiveIndex(std::span<const std::uint8_t> archive) {
  static constexpr std::array<std::uint8_t, 5> kSignature = {'E', 'A', 'S', 'T', '0'};
  ByteReader reader(archive);
  const auto signature = reader.Take(6);
  if (!signature || !std::equal(kSignature.begin(), kSignature.end(), signature->begin())) {
    return std::nullopt;
  }
  const auto frameCount = reader.U32();
  if (!frameCount || *frameCount > kMaxFrameCount) return std::nullopt;

  ArchiveIndex index;
  index.frameCount = *frameCount;
  index.frameOffsets.reserve(*frameCount + 1);
  for (std::uint32_t i = 0; i <= *frameCount; ++i) {
    const auto offset = reader.U32();
    if (!offset) return std::nullopt;
    index.frameOffsets.push_back(*offset);
  }
  index.dataStart = reader.Position();
  return index;
}

}  // namespace vestara
