#include "sprite/sprite_file.h"

#include "platform/file_io.h"

namespace vestara {

bool MeasureSpriteFrame(const std::string& path, FrameIndex index, std::uint16_t& height,
                        std::uint16_t& width) {
  const auto bytes = ReadFileBytes(path);
  const auto size = bytes ? MeasureFrame(*bytes, index) : std::nullopt;
  const FrameSize result = size.value_or(kUnreadableFrameSize);
  height = result.height;
  width = result.width;
  return size.has_value();
}

bool PaintSpriteFrame(PixelSurface& surface, const std::string& path, Color backgroundColor,
                      FrameIndex index, std::uint16_t& height, std::uint16_t& width) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return false;
  const auto size = PaintFrame(*bytes, index, backgroundColor, surface);
  if (!size) return false;
  height = size->height;
  width = size->width;
  return true;
}

}  // namespace vestara
