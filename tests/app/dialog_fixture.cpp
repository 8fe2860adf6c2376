#include "dialog_fixture.h"

#include <numeric>

#include "catalogue/archive_names.h"

namespace vestara::testing {
namespace {

constexpr int kItemsPerList = 4;

std::vector<std::string> TestArchives() {
  std::vector<std::string> names{"Weapon.spr.NCS", "Shields.spr.NCS", "eitem.spr.NCS"};
  for (int gender : {0, 1}) {
    for (int colour = 0; colour < kArmorColourCount; ++colour) {
      names.push_back(ArmorArchiveName(gender, colour));
    }
    for (int colour = 0; colour < kShoesColourCount; ++colour) {
      names.push_back(ShoesArchiveName(gender, colour));
    }
  }
  return names;
}

std::vector<ItemCategory> CategoriesIn(const std::string& archive) {
  if (archive == "Weapon.spr.NCS") return {Weapon};
  if (archive == "Shields.spr.NCS") return {Shield};
  if (archive == "eitem.spr.NCS") return {Ring, Necklace, Soul};
  return {archive.starts_with("Armor") ? Armor : Shoes};
}

}  // namespace

SpriteGrid TestPicture(const std::string& archive, FrameIndex frame) {
  const int seed = std::accumulate(archive.begin(), archive.end(), 0) * 7 + frame;
  return PatternGrid(static_cast<std::uint16_t>(10 + seed % 9),
                     static_cast<std::uint16_t>(8 + seed % 6), seed);
}

Color BlockAverage(const SpriteGrid& grid, int x, int y, Color background) {
  int red = 0, green = 0, blue = 0;
  for (int dy = 0; dy < 2; ++dy) {
    for (int dx = 0; dx < 2; ++dx) {
      const Color c = GridColor(grid, 2 * x + dx, 2 * y + dy, background);
      red += RedOf(c);
      green += GreenOf(c);
      blue += BlueOf(c);
    }
  }
  const auto rounded = [](int sum) { return static_cast<std::uint8_t>((sum + 2) / 4); };
  return MakeColor(rounded(red), rounded(green), rounded(blue));
}

DialogTest::DialogTest() {
  for (const std::string& archive : TestArchives()) {
    std::map<FrameIndex, SpriteGrid> frames;
    for (ItemCategory category : CategoriesIn(archive)) {
      for (std::uint16_t position = 0; position < kItemsPerList; ++position) {
        const FrameIndex frame = LookupFrame(category, position);
        frames.try_emplace(frame, TestPicture(archive, frame));
      }
    }
    game_.WriteArchive(archive, frames);
  }
  dialog_.OnInitDialog();
}

PixelSurface DialogTest::ExpectedPreview(const SpriteGrid& picture, Color background,
                                         int zoomPercent) const {
  PixelSurface expected(window_.preview.Width(), window_.preview.Height(),
                        FakeDialogWindow::kFaceColor);
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const int fx = x * 100 / zoomPercent;
      const int fy = y * 100 / zoomPercent;
      if (fx < picture.width && fy < picture.height) {
        expected.SetPixel(x, y, GridColor(picture, fx, fy, background));
      }
    }
  }
  return expected;
}

PixelSurface DialogTest::ExpectedItemPreview(const std::string& archive, ItemCategory category,
                                             int position, Color background,
                                             int zoomPercent) const {
  const FrameIndex frame = LookupFrame(category, static_cast<std::uint16_t>(position));
  return ExpectedPreview(TestPicture(archive, frame), background, zoomPercent);
}

}  // namespace vestara::testing
