#include "viewer_test_game.h"

#include <QFile>
#include <vector>

#include "sprite/sprite_palette.h"

namespace vestara::testing {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
}

}  // namespace

SpriteGrid PatternGrid(std::uint16_t width, std::uint16_t height, int seed) {
  SpriteGrid grid{width, height, {}, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      grid.pixels.push_back(static_cast<std::uint8_t>(x * 3 + y * 29 + seed * 101));
      grid.drawn.push_back((x + 2 * y + seed) % 5 != 0);
    }
  }
  return grid;
}

Color GridColor(const SpriteGrid& grid, int x, int y, Color background) {
  const auto i = static_cast<std::size_t>(y) * grid.width + static_cast<std::size_t>(x);
  return grid.drawn[i] ? SpritePalette[grid.pixels[i]] : background;
}

ViewerTestGame::ViewerTestGame() : previousDirectory_(QDir::currentPath()) {
  if (!directory_.isValid()) qFatal("no temporary directory");
  QDir root(directory_.path());
  root.mkpath(QStringLiteral("game/Data"));
  root.mkpath(QStringLiteral("game/Char"));
  WriteFile(root.filePath(QStringLiteral("game/Char/B0000000.spr.NCS")), "EAST0");
  // Ends in a separator, so the file is never rewritten.
  WriteFile(root.filePath(QStringLiteral("filepath.txt")), "game/\n");
  QDir::setCurrent(directory_.path());
}

ViewerTestGame::~ViewerTestGame() { QDir::setCurrent(previousDirectory_); }

void ViewerTestGame::WriteArchive(const std::string& name,
                                  const std::map<FrameIndex, SpriteGrid>& frames) const {
  std::vector<FrameRecord> records;
  const FrameIndex count = frames.empty() ? 0 : frames.rbegin()->first + 1;
  for (FrameIndex index = 0; index < count; ++index) {
    const auto found = frames.find(index);
    records.push_back(FrameFromGrid(found != frames.end() ? found->second : PatternGrid(1, 1, 0)));
  }
  const std::vector<std::uint8_t> bytes = BuildArchive(records);
  WriteFile(
      QDir(directory_.path()).filePath(QStringLiteral("game/Data/") + QString::fromStdString(name)),
      QByteArray(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<qsizetype>(bytes.size())));
}

void ViewerTestGame::RemoveFolderFile() const {
  QFile::remove(QDir(directory_.path()).filePath(QStringLiteral("filepath.txt")));
}

}  // namespace vestara::testing
