#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "catalogue/frame_tables.h"
#include "graphics/pixel_surface.h"
#include "sprite/archive_writer.h"
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
  // Writes the archive `name` into Data with `frames` at their indices; the other indices
  // below the largest hold 1 x 1 frames.
  void WriteArchive(const std::string& name, const std::map<FrameIndex, SpriteGrid>& frames) const;

 private:
  ScopedTestDirectory directory_;
  ScopedWorkingDirectory workingDirectory_;
};

// A 24-bit uncompressed BMP file as a surface; nullopt when it is not one.
std::optional<PixelSurface> ReadBmp24(const std::filesystem::path& path);

}  // namespace vestara::testing
