// What each subcommand does when it works, and how it refuses a wrong command line.
#include <gtest/gtest.h>

#include <string>

#include "app/render_pipeline.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"
#include "snapshot/snapshot.h"
#include "sprite/archive_index.h"
#include "sprite/archive_writer.h"
#include "support/decoded_image.h"
#include "support/test_pictures.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::DecodeImage;
using testing::ReadBytes;

// Help succeeds on stdout; a wrong command line exits 1 with the command's usage; what
// cannot be read or written exits 2 with one line naming it. None of them writes a file.
TEST(CommandLineTest, EveryOutcomeHasItsExitCodeAndMessageAndWritesNothing) {
  ToolTest tool;
  tool.WriteSampleGame();
  WriteWeaponGame(tool, "small", TwoFrameArchive());
  testing::WriteBinaryFile(tool.Work() / "small/Data/Shields.spr.NCS", "not");
  testing::WriteBinaryFile(tool.Work() / "notes.txt", std::string("EAST1\0\0\0\0\0", 10));
  for (const char* folder : {"folder.spr.NCS", "folder.png", "empty"}) {
    fs::create_directory(tool.Work() / folder);
  }
  const std::string usage = "Usage: vestara-sprite ";
  const std::string render = "render --game-dir game --item 0 --category ";
  const std::string renderSmall = "render --game-dir small -o out.png --category ";
  const std::string frame = "frame game/Data/Weapon.spr.NCS ";
  const std::string frameSmall = "frame small/Data/Weapon.spr.NCS ";
  const std::string notAGame = "empty: not a game folder (Char\\B0000000.spr.NCS is missing)";
  struct Outcome {
    int exitCode;
    std::string arguments, message;
  };
  std::vector<Outcome> cases{
      {0, "-h", usage},
      {1, "", usage},
      {1, "paint", usage},
      {1, "info", usage + "info"},
      {1, "info game/Data/Weapon.spr.NCS --fast", usage + "info"},
      {1, "render --category weapon", usage + "render"},
      {1, render + "helmet", usage + "render"},
      {1, "render --category ring --item two", usage + "render"},
      {1, render + "weapon --colour 1 -o out.png", usage + "render"},
      {1, render + "ring --gender male -o out.png", usage + "render"},
      {1, render + "armor --color 5 -o out.png", usage + "render"},
      {1, render + "shoes --gender other", usage + "render"},
      {1, render + "weapon --zoom 150", usage + "render"},
      {1, render + "weapon -o out.gif", usage + "render"},
      {1, frame + "0", usage + "frame"},
      {1, frame + "-1 -o out.png", usage + "frame"},
      {1, frame + "0 -o out.png --background red", usage + "frame"},
      {1, frame + "0 -o out.bmp --transparent", usage + "frame"},
      {1, frame + "0 -o out.png --transparent --background black", usage + "frame"},
      {1, "export -o out --game-dir game --format bmp --transparent", usage + "export"},
      {1, "export -o out --format gif", usage + "export"},
      {1, "sample-game", usage + "sample-game"},
      {2, "info missing.spr.NCS", "missing.spr.NCS: no such file"},
      {2, "info notes.txt", "notes.txt: not a sprite archive"},
      {2, "info folder.spr.NCS", "folder.spr.NCS: not a file"},
      {2, "frame none.spr.NCS 0 -o out.png", "none.spr.NCS: no such file"},
      {2, frameSmall + "2 -o out.png",
       "small/Data/Weapon.spr.NCS: has no frame 2 (it has 2 frames)"},
      {2, frameSmall + "0 -o folder.png --force", "folder.png: is a directory"},
      {2, frameSmall + "0 -o none/x.png", "none/x.png: cannot write: its folder does not exist"},
      {2, renderSmall + "weapon --item 2",
       "small/Data/Weapon.spr.NCS: frame 2 is missing or damaged"},
      {2, renderSmall + "weapon --item 96", "--item 96: the weapon list has the positions 0 to 95"},
      {2, renderSmall + "soul --item -1", "--item -1: the soul list has the positions 0 to 22"},
      {2, renderSmall + "armor --item 0 --colour 3 --gender female",
       "small/Data/Armor103.spr.NCS: no such file"},
      {2, renderSmall + "shield --item 0", "small/Data/Shields.spr.NCS: not a sprite archive"},
      {2, "render --game-dir empty --category weapon --item 0", notAGame},
      {2, "export -o out --game-dir empty", notAGame},
  };
  for (const std::string command : {"info", "render", "frame", "export", "sample-game"}) {
    cases.push_back({0, command + " --help", usage + command});
  }
  const auto before = TreeOf(tool.Work());
  for (const auto& expected : cases) {
    SCOPED_TRACE(expected.arguments);
    const ToolRun run = tool.Run(expected.arguments);
    EXPECT_EQ(run.exitCode, expected.exitCode);
    const std::string& shown = expected.exitCode == 0 ? run.out : run.err;
    EXPECT_EQ(expected.exitCode == 0 ? run.err : run.out, "");
    EXPECT_NE(shown.find(expected.message), std::string::npos) << shown;
    EXPECT_TRUE(expected.exitCode != 2 || shown == expected.message + "\n") << shown;
  }
  EXPECT_EQ(TreeOf(tool.Work()), before);
}

TEST(InfoCommandTest, ListsEveryFrameWithSizeAndBytesAndMarksDamagedOnes) {
  ToolTest tool;
  auto archive = TwoFrameArchive();
  const ArchiveIndex index = *ReadArchiveIndex(archive);
  const std::string first = "frames 2\n0 4x3 " + std::to_string(index.FrameByteSize(0)) + "\n1 ";
  const std::string second = std::to_string(index.FrameByteSize(1)) + "\n";
  testing::WriteBytes(tool.Work() / "two.spr.NCS", archive);
  const ToolRun run = tool.Run("info two.spr.NCS");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, first + "1x2 " + second);
  EXPECT_EQ(run.err, "");

  archive.pop_back();
  testing::WriteBytes(tool.Work() / "cut.spr.NCS", archive);
  const ToolRun cut = tool.Run("info cut.spr.NCS");
  EXPECT_EQ(cut.exitCode, 2);
  EXPECT_EQ(cut.out, first + "- " + second);
  EXPECT_EQ(cut.err, "cut.spr.NCS: 1 damaged frame (listed with \"-\")\n");
}

// What the viewer's capture saves for `item` of `category` under `name`.
std::vector<std::uint8_t> ViewerCapture(const ToolTest& tool, const std::string& archive,
                                        ItemCategory category, int item, int zoom, int background,
                                        const std::string& name) {
  const auto image = RenderCapture((tool.Work() / "game/Data" / archive).string(),
                                   LookupFrame(category, static_cast<std::uint16_t>(item)), zoom,
                                   BackgroundColorOf(background), kDefaultFaceColor);
  const fs::path path = tool.Work().parent_path() / name;
  fs::remove(path);
  EXPECT_TRUE(image && SaveSnapshot(*image, path.string()));
  return ReadBytes(path);
}

TEST(RenderCommandTest, BmpAndPngEqualTheViewersCaptureByteForByte) {
  ToolTest tool;
  tool.WriteSampleGame();
  const char* const backgrounds[] = {"white", "purple", "green", "black"};
  const struct {
    ItemCategory category;
    int item, zoom, background;
    std::string variant, archive;
  } selections[] = {
      // Weapon 95 is larger than the viewer's 408 x 360 source rectangle, 93 only wider.
      {Weapon, 95, 50, 2, "", "Weapon.spr.NCS"},
      {Weapon, 93, 300, 3, "", "Weapon.spr.NCS"},
      {Shield, 16, 200, 1, "", "Shields.spr.NCS"},
      {Armor, 38, 100, 3, "--colour 4 --gender female", "Armor104.spr.NCS"},
      {Shoes, 20, 50, 0, "--color 6", "Shoes006.spr.NCS"},
      {Ring, 64, 300, 2, "", "eitem.spr.NCS"},
      {Necklace, 18, 100, 1, "", "eitem.spr.NCS"},
      {Soul, 22, 200, 0, "", "eitem.spr.NCS"},
  };
  for (const auto& s : selections) {
    for (const std::string name : {"picture.bmp", "picture.png"}) {
      const std::string arguments = "render --game-dir game -o " + name + " --category " +
                                    std::string(CategoryName(s.category)) + " --item " +
                                    std::to_string(s.item) + " --zoom " + std::to_string(s.zoom) +
                                    " --background " + backgrounds[s.background] + " " + s.variant;
      SCOPED_TRACE(arguments);
      const ToolRun run = tool.Run(arguments);
      ASSERT_EQ(run.exitCode, 0) << run.err;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(ReadBytes(tool.Work() / name),
                ViewerCapture(tool, s.archive, s.category, s.item, s.zoom, s.background, name));
      fs::remove(tool.Work() / name);
    }
  }
}

TEST(RenderCommandTest, WithoutOutputSavesTheNextFreeSnapshotLikeTheViewer) {
  ToolTest tool;
  tool.WriteSampleGame();
  testing::WriteBinaryFile(tool.Work() / "filepath.txt", "game/\n");
  const std::string ring = "render --category ring --item 5";
  EXPECT_EQ(tool.Run(ring).out, "Save as :G0000001.bmp\n");
  EXPECT_EQ(tool.Run(ring).out, "Save as :G0000002.bmp\n");
  fs::remove(tool.Work() / "G0000001.bmp");
  const ToolRun again = tool.Run(ring);
  EXPECT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(again.out, "Save as :G0000001.bmp\n");
  EXPECT_EQ(ReadBytes(tool.Work() / "G0000001.bmp"),
            ViewerCapture(tool, "eitem.spr.NCS", Ring, 5, 100, 0, "capture.bmp"));
}

// Index 0 paints black and 255 white, the colours of the transparency probes and of the
// background. Row 2 is empty; the bottom right 2 x 2 block has one drawn pixel.
const SpriteGrid kEdgy = testing::GridFromRows({"kw.a", "..ab", "....", "bb.w"},
                                               {{'k', 0}, {'w', 255}, {'a', 112}, {'b', 216}});

TEST(FrameCommandTest, ScalesTheWholeFrameOverTheBackgroundOrTransparent) {
  ToolTest tool;
  testing::WriteBytes(tool.Work() / "edgy.spr.NCS", BuildArchive({FrameFromGrid(kEdgy)}));
  const auto frame = [&](const std::string& output, const std::string& options) {
    const ToolRun run = tool.Run("frame edgy.spr.NCS 0 --force -o " + output + " " + options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return DecodeImage(tool.Work() / output).value_or(testing::DecodedImage{});
  };
  for (const int scale : {1, 2, 3}) {
    const std::string zoom = " --zoom " + std::to_string(scale * 100);
    for (const std::string output : {"green.png", "green.bmp", "clear.png"}) {
      SCOPED_TRACE(output + zoom);
      const bool clear = output == "clear.png";
      const auto image = frame(output, (clear ? "--transparent" : "--background green") + zoom);
      ASSERT_EQ(image.width, kEdgy.width * scale);
      ASSERT_EQ(image.height, kEdgy.height * scale);
      EXPECT_EQ(image.channelsInFile, clear ? 4 : 3);
      for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
          const bool drawn = kEdgy.drawn[std::size_t(y / scale) * kEdgy.width + x / scale];
          ASSERT_EQ(image.Alpha(x, y), !clear || drawn ? 255 : 0) << x << "," << y;
          if (clear && !drawn) continue;
          ASSERT_EQ(image.Rgb(x, y), testing::GridColor(kEdgy, x / scale, y / scale, 0x00FF00))
              << x << "," << y;
        }
      }
    }
  }
  // Halving averages each 2 x 2 block. Transparent, a block at least half drawn is opaque,
  // the average of its drawn pixels alone.
  EXPECT_EQ(frame("half.png", "--zoom 50").Rgb(0, 0), 0xBFBFBFu);  // black and three white
  const auto clear = frame("half.png", "--zoom 50 --transparent");
  EXPECT_EQ(clear.Alpha(0, 0), 255);
  EXPECT_EQ(clear.Rgb(0, 0), 0x808080u);
  EXPECT_EQ(clear.Alpha(1, 1), 0);
}

}  // namespace
}  // namespace vestara::clitest
