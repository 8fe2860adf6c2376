#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/render_pipeline.h"
#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"
#include "cli_test_support.h"
#include "snapshot/snapshot.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;

struct Selection {
  std::string name;
  ItemCategory category;
  int item;
  int colour;
  int gender;
  int zoom;
  int background;  // position in the viewer's background list
};

const char* const kBackgroundNames[] = {"white", "purple", "green", "black"};
const char* const kGenderNames[] = {"male", "female"};

std::vector<std::string> RenderArguments(const Selection& s, const std::string& output) {
  std::vector<std::string> arguments{"render",
                                     "--category",
                                     std::string(CategoryName(s.category)),
                                     "--item",
                                     std::to_string(s.item),
                                     "--zoom",
                                     std::to_string(s.zoom),
                                     "--background",
                                     kBackgroundNames[s.background],
                                     "--game-dir",
                                     "game"};
  if (s.category == Armor || s.category == Shoes) {
    arguments.insert(arguments.end(),
                     {"--colour", std::to_string(s.colour), "--gender", kGenderNames[s.gender]});
  }
  if (!output.empty()) arguments.insert(arguments.end(), {"-o", output});
  return arguments;
}

// What the viewer's capture writes for the selection: its capture picture, saved as a
// snapshot.
std::vector<std::uint8_t> ViewerCapture(const ToolTest& tool, const Selection& s,
                                        const std::string& name) {
  const std::string archive = s.category == Armor   ? ArmorArchiveName(s.gender, s.colour)
                              : s.category == Shoes ? ShoesArchiveName(s.gender, s.colour)
                                                    : std::string(FixedArchiveName(s.category));
  const auto image = RenderCapture((tool.Work() / "game" / "Data" / archive).string(),
                                   LookupFrame(s.category, static_cast<std::uint16_t>(s.item)),
                                   s.zoom, BackgroundColorOf(s.background), kDefaultFaceColor);
  EXPECT_TRUE(image.has_value());
  const fs::path path = tool.Work() / ("expected-" + name);
  EXPECT_TRUE(SaveSnapshot(*image, path.string()));
  return ReadBytes(path);
}

void PrintTo(const Selection& selection, std::ostream* out) { *out << selection.name; }

class RenderMatchesViewerTest : public ::testing::TestWithParam<Selection> {};

TEST_P(RenderMatchesViewerTest, BmpAndPngEqualTheViewersCaptureByteForByte) {
  ToolTest tool;
  tool.WriteSampleGame();
  for (const std::string name : {"picture.bmp", "picture.png"}) {
    const ToolRun run = tool.Run(RenderArguments(GetParam(), name));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(tool.InWork(name)), ViewerCapture(tool, GetParam(), name)) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Selections, RenderMatchesViewerTest,
    ::testing::Values(Selection{"FirstWeapon", Weapon, 0, 0, 0, 100, 0},
                      // Halftone, and a frame larger than the 408 x 360 source.
                      Selection{"GiantWeaponHalf", Weapon, 95, 0, 0, 50, 2},
                      Selection{"WideWeaponTriple", Weapon, 93, 0, 0, 300, 3},
                      Selection{"ShieldDouble", Shield, 16, 0, 0, 200, 1},
                      Selection{"FemaleArmor", Armor, 38, 4, 1, 100, 3},
                      Selection{"MaleShoesHalf", Shoes, 20, 6, 0, 50, 0},
                      Selection{"Ring", Ring, 64, 0, 0, 300, 2},
                      Selection{"Necklace", Necklace, 18, 0, 0, 100, 1},
                      Selection{"Soul", Soul, 22, 0, 0, 200, 0}),
    [](const auto& info) { return info.param.name; });

TEST(RenderCommandTest, WithoutOutputSavesTheNextFreeSnapshotLikeTheViewer) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteBytes(tool.InWork("filepath.txt"), {'g', 'a', 'm', 'e', '/', '\n'});
  const std::vector<std::string> arguments{"render", "--category", "ring", "--item", "5"};

  const ToolRun first = tool.Run(arguments);
  EXPECT_EQ(first.exitCode, 0) << first.err;
  EXPECT_EQ(first.out, "Save as :G0000001.bmp\n");
  const ToolRun second = tool.Run(arguments);
  EXPECT_EQ(second.out, "Save as :G0000002.bmp\n");
  fs::remove(tool.InWork("G0000001.bmp"));
  EXPECT_EQ(tool.Run(arguments).out, "Save as :G0000001.bmp\n");

  EXPECT_EQ(ReadBytes(tool.InWork("G0000001.bmp")),
            ViewerCapture(tool, {"", Ring, 5, 0, 0, 100, 0}, "capture.bmp"));
  EXPECT_EQ(ReadBytes(tool.InWork("G0000001.bmp")), ReadBytes(tool.InWork("G0000002.bmp")));
}

TEST(RenderCommandTest, WithoutAnyGameFolderShowsTheViewersMessageAndExitsTwo) {
  ToolTest tool;
  const ToolRun run = tool.Run({"render", "--category", "weapon", "--item", "0"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "ヴェスタラフォルダのパスを設定してください。\n");
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(fs::exists(tool.InWork("G0000001.bmp")));
  // As in the viewer, the default search leaves a line for the user to correct.
  EXPECT_EQ(ReadText(tool.InWork("filepath.txt")).rfind("C:\\Program Files\\Vestara\\", 0), 0u);
}

TEST(RenderCommandTest, GameDirWithoutTheProbeFileExitsTwo) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::remove(tool.Work() / "game" / "Char" / "B0000000.spr.NCS");
  const ToolRun run =
      tool.Run({"render", "--category", "weapon", "--item", "0", "--game-dir", "game"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, "game: not a game folder (Char\\B0000000.spr.NCS is missing)\n");
}

TEST(RenderCommandTest, SelectionsTheViewerWouldShowBlankExitTwo) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::remove(tool.Work() / "game" / "Data" / "Armor103.spr.NCS");
  WriteBytes(tool.Work() / "game" / "Data" / "Shields.spr.NCS", {'n', 'o', 't'});
  const std::vector<std::vector<std::string>> cases{
      {"--category", "weapon", "--item", "96"},
      {"--category", "soul", "--item", "-1"},
      {"--category", "armor", "--item", "0", "--colour", "3", "--gender", "female"},
      {"--category", "shield", "--item", "0"},
  };
  for (std::vector<std::string> arguments : cases) {
    arguments.insert(arguments.begin(), "render");
    arguments.insert(arguments.end(), {"--game-dir", "game", "-o", "out.bmp"});
    const ToolRun run = tool.Run(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments[2];
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_FALSE(fs::exists(tool.InWork("out.bmp")));
  }
}

TEST(RenderCommandTest, NeverOverwritesWithoutForceAndReplacesWithIt) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteBytes(tool.InWork("out.png"), {'o', 'l', 'd'});
  const std::vector<std::string> arguments{"render",     "--category", "necklace", "--item", "2",
                                           "--game-dir", "game",       "-o",       "out.png"};

  const ToolRun refused = tool.Run(arguments);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(refused.err, "out.png: already exists (use --force to replace it)\n");
  EXPECT_EQ(ReadText(tool.InWork("out.png")), "old");

  std::vector<std::string> forced = arguments;
  forced.push_back("--force");
  const ToolRun replaced = tool.Run(forced);
  EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
  EXPECT_EQ(ReadBytes(tool.InWork("out.png")),
            ViewerCapture(tool, {"", Necklace, 2, 0, 0, 100, 0}, "necklace.png"));
  // No temporary file is left beside it.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(tool.Work())) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"expected-necklace.png", "game", "out.png"}));
}

}  // namespace
}  // namespace vestara::clitest
