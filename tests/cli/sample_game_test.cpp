#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <filesystem>
#include <string>
#include <vector>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "cli/sample_game/sample_art.h"
#include "cli_test_support.h"
#include "sprite/archive_index.h"
#include "sprite/sprite_decoder.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> ArchiveNames() {
  std::vector<std::string> names{"Weapon.spr.NCS", "Shields.spr.NCS", "eitem.spr.NCS"};
  for (int gender = 0; gender < 2; ++gender) {
    for (int colour = 0; colour < kArmorColourCount; ++colour) {
      names.push_back(ArmorArchiveName(gender, colour));
    }
    for (int colour = 0; colour < kShoesColourCount; ++colour) {
      names.push_back(ShoesArchiveName(gender, colour));
    }
  }
  return names;
}

TEST(SampleGameCommandTest, WritesEveryArchiveTheViewerReadsAndTheProbe) {
  ToolTest tool;
  const ToolRun run = tool.Run({"sample-game", "demo/game"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Wrote the sample game (28 files) to demo/game\n");
  const fs::path game = tool.Work() / "demo" / "game";
  EXPECT_TRUE(ReadArchiveIndex(ReadBytes(game / "Char" / "B0000000.spr.NCS")).has_value());
  EXPECT_EQ(std::distance(fs::directory_iterator(game / "Data"), fs::directory_iterator()), 27);

  // Every frame that a category's table names decodes, in every archive of the category.
  const auto expectFrames = [&](const std::string& archive, ItemCategory category) {
    const std::vector<std::uint8_t> bytes = ReadBytes(game / "Data" / archive);
    for (const FrameTableEntry& entry : FrameTableOf(category)) {
      const auto size = MeasureFrame(bytes, entry.frame);
      ASSERT_TRUE(size.has_value()) << archive << " frame " << int{entry.frame};
      EXPECT_GT(size->width, 4) << archive << " frame " << int{entry.frame};
    }
  };
  for (const std::string& name : ArchiveNames()) {
    if (name.starts_with("Armor")) expectFrames(name, Armor);
    if (name.starts_with("Shoes")) expectFrames(name, Shoes);
  }
  expectFrames("Weapon.spr.NCS", Weapon);
  expectFrames("Shields.spr.NCS", Shield);
  for (ItemCategory category : {Ring, Necklace, Soul}) expectFrames("eitem.spr.NCS", category);
  EXPECT_EQ(ReadArchiveIndex(ReadBytes(game / "Data" / "eitem.spr.NCS"))->frameCount, 216u);
  EXPECT_EQ(ReadArchiveIndex(ReadBytes(game / "Data" / "Weapon.spr.NCS"))->frameCount, 103u);
}

TEST(SampleGameCommandTest, IsDeterministicAndNeverOverwritesWithoutForce) {
  ToolTest tool;
  ASSERT_EQ(tool.Run({"sample-game", "one"}).exitCode, 0);
  ASSERT_EQ(tool.Run({"sample-game", "two"}).exitCode, 0);
  for (const std::string& name : ArchiveNames()) {
    EXPECT_EQ(ReadBytes(tool.Work() / "one" / "Data" / name),
              ReadBytes(tool.Work() / "two" / "Data" / name))
        << name;
  }

  // One file in the way: nothing at all is written, not even the missing files.
  fs::remove(tool.Work() / "one" / "Data" / "Weapon.spr.NCS");
  WriteBytes(tool.Work() / "one" / "Data" / "Shields.spr.NCS", {'x'});
  const ToolRun refused = tool.Run({"sample-game", "one"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("Shields.spr.NCS: already exists"), std::string::npos);
  EXPECT_FALSE(fs::exists(tool.Work() / "one" / "Data" / "Weapon.spr.NCS"));

  const ToolRun forced = tool.Run({"sample-game", "one", "--force"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_EQ(ReadBytes(tool.Work() / "one" / "Data" / "Shields.spr.NCS"),
            ReadBytes(tool.Work() / "two" / "Data" / "Shields.spr.NCS"));
}

TEST(SampleArtTest, ColoursDifferInColourAndGendersInShape) {
  for (int frame : {0, 11, 42, 60}) {
    const PixelArt male = DrawArmor(frame, 0, 0);
    EXPECT_NE(DrawArmor(frame, 1, 0).Grid().drawn, male.Grid().drawn) << frame;
    for (int colour = 1; colour < kArmorColourCount; ++colour) {
      const PixelArt recoloured = DrawArmor(frame, 0, colour);
      EXPECT_EQ(recoloured.Grid().drawn, male.Grid().drawn) << frame;
      EXPECT_NE(recoloured.Grid().pixels, male.Grid().pixels) << frame << " colour " << colour;
    }
  }
  for (int frame : {0, 7, 20}) {
    const PixelArt male = DrawShoes(frame, 0, 0);
    EXPECT_NE(DrawShoes(frame, 1, 0).Grid().drawn, male.Grid().drawn) << frame;
    for (int colour = 1; colour < kShoesColourCount; ++colour) {
      EXPECT_NE(DrawShoes(frame, 0, colour).Grid().pixels, male.Grid().pixels) << frame;
    }
  }
}

TEST(SampleArtTest, CoversTheWholePaletteAndTheViewersEdges) {
  std::bitset<256> used;
  bool largerThanSource = false, wider = false, emptyRow = false;
  const auto look = [&](const PixelArt& art) {
    const SpriteGrid& grid = art.Grid();
    for (std::size_t i = 0; i < grid.pixels.size(); ++i) {
      if (grid.drawn[i]) used.set(grid.pixels[i]);
    }
    largerThanSource |= grid.width > 408 && grid.height > 360;
    wider |= grid.width > 408 && grid.height <= 360;
    for (int y = 0; y < grid.height; ++y) {
      const auto row = grid.drawn.begin() + static_cast<std::ptrdiff_t>(y) * grid.width;
      emptyRow |= std::none_of(row, row + grid.width, [](bool drawn) { return drawn; });
    }
  };
  look(DrawPaletteChart());
  for (int frame = 0; frame < 103; ++frame) look(DrawWeapon(frame));
  for (int frame = 154; frame < 177; ++frame) look(DrawSoul(frame));
  EXPECT_TRUE(used.all());
  EXPECT_TRUE(largerThanSource);
  EXPECT_TRUE(wider);
  EXPECT_TRUE(emptyRow);
}

}  // namespace
}  // namespace vestara::clitest
