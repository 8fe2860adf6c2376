#include "sprite/sprite_file.h"

#include "platform/file_io.h"

namespace vestara {

bool MeasureSpriteFrame(const std::string& path, FrameIndex index, FrameSize& size) {
  const auto bytes = ReadFileBytes(path);
  const auto measured = bytes ? MeasureFrame(*bytes, index) : std::nullopt;
  size = measured.value_or(kUnreadableFrameSize);
  return measured.has_value();
}

bool PaintSpriteFrame(PixelSurface& surface, const std::string& path, Color backgroundColor,
                      FrameIndex index, FrameSize& size) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return false;
  const auto painted = PaintFrame(*bytes, index, backgroundColor, surface);
  if (!painted) return false;
  size = *painted;
  return true;
}

std::vector<std::uint8_t> ReadSpriteArchive(const std::string& path) {
  return ReadFileBytes(path).value_or(std::vector<std::uint8_t>{});
}

}  // namespace vestara
