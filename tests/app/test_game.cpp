#include "test_game.h"

#include "support/decoded_image.h"

namespace vestara::testing {

namespace fs = std::filesystem;

TestGame::TestGame() : workingDirectory_(directory_.root()) {
  fs::create_directories(DataFolder());
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
  WriteBytes(DataFolder() / name, BuildArchive(records));
}

PixelSurface ScaledPicture(const SpriteGrid& picture, Color background, int zoomPercent, int width,
                           int height, Color margin) {
  PixelSurface surface(width, height, margin);
  for (int y = 0; y < height && y * 100 / zoomPercent < picture.height; ++y) {
    for (int x = 0; x < width && x * 100 / zoomPercent < picture.width; ++x) {
      surface.SetPixel(
          x, y, GridColor(picture, x * 100 / zoomPercent, y * 100 / zoomPercent, background));
    }
  }
  return surface;
}

std::optional<PixelSurface> ReadCapture(const fs::path& path) {
  const std::optional<DecodedImage> image = DecodeImage(path);
  if (!image || image->channelsInFile != 3 || !ReadBinaryFile(path)->starts_with("BM")) {
    return std::nullopt;
  }
  PixelSurface surface(image->width, image->height);
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) surface.SetPixel(x, y, image->Rgb(x, y));
  }
  return surface;
}

}  // namespace vestara::testing
