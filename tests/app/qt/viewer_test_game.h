#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <map>
#include <string>

#include "catalogue/frame_tables.h"
#include "graphics/color.h"
#include "sprite/archive_writer.h"

namespace vestara::testing {

// A picture whose neighbouring pixels differ; `seed` tells pictures apart. Every fifth
// pixel is not drawn, so the background shows there.
SpriteGrid PatternGrid(std::uint16_t width, std::uint16_t height, int seed);
// The colour that grid pixel (x, y) is painted in over `background`.
Color GridColor(const SpriteGrid& grid, int x, int y, Color background);

// A temporary working directory, current while the object lives, holding a game folder
// "game" that filepath.txt names. The folder starts without archives.
class ViewerTestGame {
 public:
  ViewerTestGame();
  ~ViewerTestGame();
  ViewerTestGame(const ViewerTestGame&) = delete;
  ViewerTestGame& operator=(const ViewerTestGame&) = delete;

  QString Root() const { return directory_.path(); }
  // Writes (or replaces) the archive `name` in the game's Data folder with `frames` at
  // their indices; the other indices below the largest hold 1 x 1 frames.
  void WriteArchive(const std::string& name, const std::map<FrameIndex, SpriteGrid>& frames) const;
  void RemoveFolderFile() const;

 private:
  QTemporaryDir directory_;
  QString previousDirectory_;
};

}  // namespace vestara::testing
