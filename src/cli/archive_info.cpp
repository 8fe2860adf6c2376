#include "cli/archive_info.h"

#include "sprite/archive_index.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

std::optional<std::uint32_t> WriteArchiveInfo(std::span<const std::uint8_t> archive,
                                              std::ostream& out) {
  const std::optional<ArchiveIndex> index = ReadArchiveIndex(archive);
  if (!index) return std::nullopt;
  out << "frames " << index->frameCount << '\n';
  std::uint32_t damaged = 0;
  for (std::uint32_t frame = 0; frame < index->frameCount; ++frame) {
    out << frame << ' ';
    // A frame the decoder refuses has no size; "-" stands in its place.
    if (const auto size = MeasureFrame(archive, static_cast<FrameIndex>(frame))) {
      out << size->width << 'x' << size->height;
    } else {
      out << '-';
      ++damaged;
    }
    out << ' ' << index->FrameByteSize(frame) << '\n';
  }
  return damaged;
}

}  // namespace vestara
