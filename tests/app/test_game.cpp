#include "test_game.h"

#include <filesystem>
#include <string>


namespace vestara::testing {

namespace fs = std::filesystem;

TestGame::TestGame() : workingDirectory_(directory_.root()) {
  fs::create_directories(DataFolder());
  fs::create_directories(Root() / "game" / "Char");
  WriteBinaryFile(Root() / "game" / "Char" / "B0000000.spr.NCS", "EAST0");
  WriteBinaryFile(Root() / "filepath.txt", "game\\\n");
}

void TestGame::WriteArchive(const std::string& name,
                            const std::map<FrameIndex, SpriteGrid>& frames) const {
  std::vector<FrameRecord> records;
  const FrameIndex count = frames.empty() ? 0 : frames.rbegin()->first + 1;
  for (FrameIndex index = 0; index < count; ++index) {
    const auto found = frames.find(index);
    records.push_back(FrameFromGrid(found != frames.end() ? found->second : PatternGrid(1, 1, 0)));
  }
  const std::vector<std::uint8_t> bytes = BuildArchive(records);
  WriteBinaryFile(DataFolder() / name, std::string(bytes.begin(), bytes.end()));
}

namespace {

std::uint32_t LittleEndian(const std::string& bytes, std::size_t offset, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
  }
  return value;
}

}  // namespace

std::optional<PixelSurface> ReadBmp24(const fs::path& path) {
  const std::optional<std::string> bytes = ReadBinaryFile(path);
  if (!bytes || bytes->size() < 54 || bytes->compare(0, 2, "BM") != 0) return std::nullopt;
  const std::uint32_t pixelOffset = LittleEndian(*bytes, 10, 4);
  const auto width = static_cast<std::int32_t>(LittleEndian(*bytes, 18, 4));
  const auto height = static_cast<std::int32_t>(LittleEndian(*bytes, 22, 4));
  if (LittleEndian(*bytes, 28, 2) != 24 || LittleEndian(*bytes, 30, 4) != 0 || width <= 0 ||
      height <= 0) {
    return std::nullopt;
  }
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  if (bytes->size() < pixelOffset + stride * static_cast<std::size_t>(height)) return std::nullopt;
  PixelSurface image(width, height);
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up, pixels as blue, green, red.
    const std::size_t row = pixelOffset + stride * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::size_t at = row + static_cast<std::size_t>(x) * 3;
      image.SetPixel(x, y,
                     MakeColor(static_cast<std::uint8_t>((*bytes)[at + 2]),
                               static_cast<std::uint8_t>((*bytes)[at + 1]),
                               static_cast<std::uint8_t>((*bytes)[at])));
    }
  }
  return image;
}

}  // namespace vestara::testing
