#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "catalogue/frame_tables.h"
#include "graphics/pixel_surface.h"
#include "support/scoped_test_directory.h"
#include "support/test_pictures.h"

namespace vestara::testing {

// A temporary working directory holding a game folder "game" that filepath.txt names
// (ending in a backslash, so it is never rewritten). The folder starts without archives.
class TestGame {
 public:
  TestGame();

  const std::filesystem::path& Root() const { return directory_.root(); }
  std::filesystem::path DataFolder() const { return Root() / "game" / "Data"; }
  // Writes (or replaces) the archive `name` in Data with `frames` at their indices; the
  // other indices below the largest hold 1 x 1 frames.
  void WriteArchive(const std::string& name, const std::map<FrameIndex, SpriteGrid>& frames) const;

 private:
  ScopedTestDirectory directory_;
  ScopedWorkingDirectory workingDirectory_;
};

// `picture` over `background`, scaled to `zoomPercent` by repeating pixels, at the origin
// of a `width` x `height` surface of `margin`: what the screen shows, and what a capture
// above 50 % holds.
PixelSurface ScaledPicture(const SpriteGrid& picture, Color background, int zoomPercent, int width,
                           int height, Color margin = 0);
// The capture `path` (a 24-bit BMP) as a surface; nullopt when it is not one.
std::optional<PixelSurface> ReadCapture(const std::filesystem::path& path);

}  // namespace vestara::testing
