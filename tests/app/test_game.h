#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "catalogue/frame_tables.h"
#include "graphics/pixel_surface.h"
#include "support/decoded_image.h"
#include "support/scoped_test_directory.h"
#include "support/test_pictures.h"

namespace vestara::testing {

// A temporary working directory holding a game folder "game" that filepath.txt names
// (ending in a backslash, so it is never rewritten). The folder starts without archives.
class TestGame {
 public:
  TestGame() {
    std::filesystem::create_directories(DataFolder());
    WriteBinaryFile(Root() / "game" / "Char" / "B0000000.spr.NCS", "EAST0");
    WriteBinaryFile(Root() / "filepath.txt", "game\\\n");
  }

  const std::filesystem::path& Root() const { return directory_.root(); }
  std::filesystem::path DataFolder() const { return Root() / "game" / "Data"; }
  // Writes (or replaces) the archive `name` in Data with `frames` at their indices; the
  // other indices below the largest hold 1 x 1 frames.
  void WriteArchive(const std::string& name, const std::map<FrameIndex, SpriteGrid>& frames) const {
    std::vector<FrameRecord> records;
    const FrameIndex count = frames.empty() ? 0 : frames.rbegin()->first + 1;
    for (FrameIndex index = 0; index < count; ++index) {
      const auto found = frames.find(index);
      records.push_back(
          FrameFromGrid(found != frames.end() ? found->second : PatternGrid(1, 1, 0)));
    }
    WriteBytes(DataFolder() / name, BuildArchive(records));
  }

 private:
  ScopedTestDirectory directory_;
  ScopedWorkingDirectory workingDirectory_{directory_.root()};
};

// `picture` over `background`, scaled to `zoomPercent` by repeating pixels, at the origin
// of a `width` x `height` surface of `margin`: what the screen shows, and what a capture
// above 50 % holds.
inline PixelSurface ScaledPicture(const SpriteGrid& picture, Color background, int zoomPercent,
                                  int width, int height, Color margin = 0) {
  PixelSurface surface(width, height, margin);
  for (int y = 0; y < height && y * 100 / zoomPercent < picture.height; ++y) {
    for (int x = 0; x < width && x * 100 / zoomPercent < picture.width; ++x) {
      surface.SetPixel(
          x, y, GridColor(picture, x * 100 / zoomPercent, y * 100 / zoomPercent, background));
    }
  }
  return surface;
}

// The capture `path` (a 24-bit BMP) as a surface; nullopt when it is not one.
inline std::optional<PixelSurface> ReadCapture(const std::filesystem::path& path) {
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
