// What each subcommand writes when it works, and how it refuses a wrong command line.
#include <gtest/gtest.h>

#include <tuple>

#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"
#include "cli/export_index.h"
#include "sample_game/archive_writer.h"
#include "sprite/archive_index.h"
#include "support/decoded_image.h"
#include "support/test_pictures.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::ReadBinaryFile;

// Help succeeds on stdout; a wrong command line exits 1 with the command's usage; what
// cannot be read or written exits 2 with one line naming it. None of them writes a file.
TEST(CommandLineTest, EveryOutcomeHasItsExitCodeAndMessageAndWritesNothing) {
  ToolTest tool;
  tool.WriteSampleGame();
  testing::WriteBytes(tool.Work() / "game/Data/Weapon.spr.NCS", TwoFrameArchive());
  testing::WriteBinaryFile(tool.Work() / "notes.txt", std::string("EAST1\0\0\0\0\0", 10));
  // A folder as filepath.txt names no game folder.
  for (const char* folder : {"folder.spr.NCS", "folder.png", "empty", "filepath.txt"}) {
    fs::create_directory(tool.Work() / folder);
  }
  const std::string usage = "Usage: vestara-sprite ";
  const std::string render = "render --game-dir game -o out.png --category ";
  const std::string frame = "frame game/Data/Weapon.spr.NCS ";
  const std::tuple<int, std::string, std::string> cases[] = {
      {0, "export --help", usage + "export"},
      {0, "--version", "vestara-sprite " VESTARA_VERSION "\n"},
      {1, render + "helmet --item 0", usage + "render"},
      {1, render + "ring --item 0 --gender male", usage + "render"},
      {1, render + "armor --item 0 --color 5", usage + "render"},
      {1, render + "weapon --item 0 -o out.gif", usage + "render"},
      {1, frame + "0 -o out.bmp --transparent", usage + "frame"},
      {1, "export -o out --game-dir game --format bmp --transparent", usage + "export"},
      {2, "info missing.spr.NCS", "missing.spr.NCS: no such file"},
      {2, "info notes.txt", "notes.txt: not a sprite archive"},
      {2, "info folder.spr.NCS", "folder.spr.NCS: not a file"},
      {2, frame + "2 -o out.png", "game/Data/Weapon.spr.NCS: has no frame 2 (it has 2 frames)"},
      {2, frame + "0 -o folder.png --force", "folder.png: is a directory"},
      {2, frame + "0 -o none/x.png", "none/x.png: cannot write: its folder does not exist"},
      {2, render + "weapon --item 96", "--item 96: the weapon list has the positions 0 to 95"},
      {2, "render --category weapon --item 0", "ヴェスタラフォルダのパスを設定してください。"},
      {2, "render --game-dir empty --category weapon --item 0",
       "empty: not a game folder (Char\\B0000000.spr.NCS is missing)"},
  };
  const auto before = TreeOf(tool.Work());
  for (const auto& [exitCode, arguments, message] : cases) {
    SCOPED_TRACE(arguments);
    const ToolRun run = tool.Run(arguments);
    EXPECT_EQ(run.exitCode, exitCode);
    EXPECT_EQ(exitCode == 0 ? run.err : run.out, "");
    const std::string& shown = exitCode == 0 ? run.out : run.err;
    EXPECT_TRUE(exitCode == 2 ? shown == message + "\n" : shown.find(message) != std::string::npos)
        << shown;
  }
  EXPECT_EQ(TreeOf(tool.Work()), before);
}

// A damaged frame is listed with "-" in place of its size.
TEST(InfoCommandTest, ListsEveryFrameWithSizeAndBytesAndMarksDamagedOnes) {
  ToolTest tool;
  auto archive = TwoFrameArchive();
  const ArchiveIndex index = *ReadArchiveIndex(archive);
  archive.pop_back();
  testing::WriteBytes(tool.Work() / "cut.spr.NCS", archive);
  const ToolRun run = tool.Run("info cut.spr.NCS");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "frames 2\n0 4x3 " + std::to_string(index.FrameByteSize(0)) + "\n1 - " +
                         std::to_string(index.FrameByteSize(1)) + "\n");
  EXPECT_EQ(run.err, "cut.spr.NCS: 1 damaged frame (listed with \"-\")\n");
}

// Index 0 paints black and 255 white, the colours of the transparency probes and of the
// background. Row 2 is empty; the bottom right 2 x 2 block has one drawn pixel.
const SpriteGrid kEdgy = testing::GridFromRows({"kw.a", "..ab", "....", "bb.w"},
                                               {{'k', 0}, {'w', 255}, {'a', 112}, {'b', 216}});

// Each channel of the 2 x 2 block at (2x, 2y) averaged, halves up.
Color BlockAverage(const SpriteGrid& grid, int x, int y, Color background) {
  Color average = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    unsigned sum = 2;
    for (int i = 0; i < 4; ++i) {
      sum += (testing::GridColor(grid, 2 * x + i % 2, 2 * y + i / 2, background) >> shift) & 0xFF;
    }
    average |= Color{sum / 4} << shift;
  }
  return average;
}

// render writes the viewer's capture: the frame alone at the zoom, halftone at 50 %, and
// only what the viewer's 408 x 360 source holds, the rest black.
TEST(RenderCommandTest, WritesTheViewersCaptureOfTheItem) {
  ToolTest tool;
  tool.WriteSampleGame();
  const SpriteGrid large = testing::PatternGrid(420, 375, 3);
  testing::WriteBytes(tool.Work() / "game/Data/Weapon.spr.NCS",
                      BuildArchive({FrameFromGrid(kEdgy), FrameFromGrid(large)}));
  const auto render = [&](const std::string& options, const std::string& output) {
    const ToolRun run = tool.Run("render --game-dir game --category weapon " + options + " -o " +
                                 output + " --background purple");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return testing::DecodeImage(tool.Work() / output).value_or(testing::DecodedImage{});
  };
  constexpr Color kPurple = 0xFF00FF;
  const auto half = render("--item 0 --zoom 50", "half.bmp");
  ASSERT_EQ(std::pair(half.width, half.height), std::pair(2, 2));
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(half.Rgb(i % 2, i / 2), BlockAverage(kEdgy, i % 2, i / 2, kPurple)) << i;
  }
  const auto triple = render("--item 0 --zoom 300", "triple.png");
  ASSERT_EQ(std::pair(triple.width, triple.height), std::pair(12, 12));
  for (int i = 0; i < 144; ++i) {
    EXPECT_EQ(triple.Rgb(i % 12, i / 12), testing::GridColor(kEdgy, i % 12 / 3, i / 36, kPurple));
  }
  const auto whole = render("--item 1", "large.png");
  ASSERT_EQ(std::pair(whole.width, whole.height), std::pair(420, 375));
  for (int y = 0; y < whole.height; ++y) {
    for (int x = 0; x < whole.width; ++x) {
      const Color expected =
          x < 408 && y < 360 ? testing::GridColor(large, x, y, kPurple) : Color{0};
      ASSERT_EQ(whole.Rgb(x, y), expected) << x << "," << y;
    }
  }
  // Without -o, like the viewer, as the next free snapshot.
  testing::WriteBinaryFile(tool.Work() / "filepath.txt", "game/\n");
  EXPECT_EQ(tool.Run("render --category weapon --item 0 --zoom 50 --background purple").out,
            "Save as :G0000001.bmp\n");
  EXPECT_EQ(tool.Run("render --category ring --item 5").out, "Save as :G0000002.bmp\n");
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "G0000001.bmp"), ReadBinaryFile(tool.Work() / "half.bmp"));
}

TEST(FrameCommandTest, ScalesTheWholeFrameOverTheBackgroundOrTransparent) {
  ToolTest tool;
  testing::WriteBytes(tool.Work() / "edgy.spr.NCS", BuildArchive({FrameFromGrid(kEdgy)}));
  const auto frame = [&](const std::string& output, const std::string& options) {
    const ToolRun run = tool.Run("frame edgy.spr.NCS 0 --force -o " + output + " " + options);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return testing::DecodeImage(tool.Work() / output).value_or(testing::DecodedImage{});
  };
  for (const int scale : {1, 2, 3}) {
    const std::string zoom = " --zoom " + std::to_string(scale * 100);
    for (const std::string output : {"green.png", "green.bmp", "clear.png"}) {
      SCOPED_TRACE(output + zoom);
      const bool clear = output == "clear.png";
      const auto image = frame(output, (clear ? "--transparent" : "--background green") + zoom);
      ASSERT_EQ(std::pair(image.width, image.height),
                std::pair(kEdgy.width * scale, kEdgy.height * scale));
      for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
          const bool drawn = kEdgy.drawn[std::size_t(y / scale) * kEdgy.width + x / scale];
          const auto color = testing::GridColor(kEdgy, x / scale, y / scale, 0x00FF00);
          ASSERT_EQ(image.Alpha(x, y), !clear || drawn ? 255 : 0) << x << "," << y;
          ASSERT_TRUE((clear && !drawn) || image.Rgb(x, y) == color) << x << "," << y;
        }
      }
    }
  }
  // Halving averages each 2 x 2 block: black and three white. Transparent, a block at least
  // half drawn is opaque, the average of its drawn pixels alone.
  EXPECT_EQ(frame("half.png", "--zoom 50").Rgb(0, 0), 0xBFBFBFu);
  const auto clear = frame("half.png", "--zoom 50 --transparent");
  EXPECT_EQ(std::tuple(int{clear.Alpha(0, 0)}, clear.Rgb(0, 0), int{clear.Alpha(1, 1)}),
            std::tuple(255, 0x808080u, 0));
}

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; ++at) ++count;
  return count;
}

TEST(ExportCommandTest, ExportsEveryItemAsFrameWouldAndListsMissingArchives) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::remove(tool.Work() / "game/Data/Armor102.spr.NCS");
  fs::remove(tool.Work() / "game/Data/eitem.spr.NCS");
  const ToolRun run = tool.Run("export -o out --game-dir game --transparent");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "Exported 956 of 1159 pictures to out; missing archives: Armor102.spr.NCS, "
            "eitem.spr.NCS\n");
  EXPECT_EQ(run.err, "");  // no progress bar when stderr is not a terminal

  // One line per item; those of the missing archives without size and file.
  const fs::path out = tool.Work() / "out";
  const std::string csv = ReadBinaryFile(out / "index.csv").value_or("");
  EXPECT_EQ(Occurrences(csv, ".png\r\n"), 956u);
  EXPECT_EQ(Occurrences(csv, ",,,\r\n"), 1159u - 956u);
  const std::string html = ReadBinaryFile(out / "index.html").value_or("");
  EXPECT_EQ(Occurrences(html, "<img src="), 956u);
  EXPECT_NE(html.find("missing archive eitem.spr.NCS"), std::string::npos);

  // Shoes entry 0 in the female colour-6 archive is frame 17, as `frame` writes it.
  ASSERT_EQ(tool.Run("frame game/Data/Shoes106.spr.NCS 17 -o shoe.png --transparent").exitCode, 0);
  const auto shoe = testing::DecodeImage(tool.Work() / "shoe.png").value();
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "shoe.png"),
            ReadBinaryFile(out / "shoes/female-6/000.png"));
  EXPECT_NE(csv.find(",female,6,Shoes106.spr.NCS,17," + std::to_string(shoe.width) + "," +
                     std::to_string(shoe.height) + ",shoes/female-6/000.png\r\n"),
            std::string::npos);
  const std::string options = " --zoom 50 --background black";
  ASSERT_EQ(tool.Run("export -o bmp --game-dir game --format bmp" + options).exitCode, 0);
  ASSERT_EQ(tool.Run("frame game/Data/Weapon.spr.NCS 0 -o w.bmp" + options).exitCode, 0);
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "w.bmp"),
            ReadBinaryFile(tool.Work() / "bmp/weapon/000.bmp"));
  // Frames stay whole, even beyond the 408 x 360 that the viewer shows.
  const auto giant = testing::DecodeImage(out / "weapon/095.png");
  EXPECT_TRUE(giant && giant->width > 408 && giant->height > 360);
}

// However many pictures are made at once, the export writes the same files, lists and
// messages; with missing archives, damaged frames and a failure half-way through too.
TEST(ExportCommandTest, EveryJobCountGivesTheSameResult) {
  ToolTest tool;
  tool.WriteSampleGame();
  fs::remove(tool.Work() / "game/Data/Armor102.spr.NCS");
  // Cut inside the frames, after the offset table: the later weapons cannot be read.
  const fs::path weapons = tool.Work() / "game/Data/Weapon.spr.NCS";
  fs::resize_file(weapons, fs::file_size(weapons) / 2);
  const std::vector<std::string> runs = {"export -o out --game-dir game --transparent",
                                         "export -o bmp --game-dir game --format bmp --zoom 300"};
  // A file where the rings' folder would go stops the export at the first ring.
  const auto blockRings = [&] { testing::WriteBinaryFile(tool.Work() / "f/ring", "in the way"); };
  const std::string failing = "export -o f --game-dir game";

  std::optional<std::tuple<ToolRun, ToolRun, ToolRun, std::map<std::string, std::string>>> first;
  for (const int jobs : {1, 2, 5}) {
    const std::string option = " --jobs " + std::to_string(jobs);
    const ToolRun a = tool.Run(runs[0] + option);
    const ToolRun b = tool.Run(runs[1] + option);
    blockRings();
    const ToolRun c = tool.Run(failing + option);
    EXPECT_EQ(a.exitCode, 0) << a.err;
    EXPECT_EQ(c.exitCode, 2);
    auto result = std::make_tuple(a, b, c, TreeOf(tool.Work()));
    for (const char* written : {"out", "bmp", "f"}) fs::remove_all(tool.Work() / written);
    if (!first) {
      EXPECT_NE(a.out.find("frames without a picture: "), std::string::npos) << a.out;
      EXPECT_NE(c.err.find("ring"), std::string::npos) << c.err;
      first = std::move(result);
      continue;
    }
    const auto& [a1, b1, c1, tree1] = *first;
    EXPECT_EQ(std::tie(a.exitCode, a.out, a.err), std::tie(a1.exitCode, a1.out, a1.err)) << jobs;
    EXPECT_EQ(std::tie(b.exitCode, b.out, b.err), std::tie(b1.exitCode, b1.out, b1.err)) << jobs;
    EXPECT_EQ(std::tie(c.exitCode, c.out, c.err), std::tie(c1.exitCode, c1.out, c1.err)) << jobs;
    EXPECT_TRUE(std::get<3>(result) == tree1) << jobs;
  }
}

TEST(ExportIndexTest, CsvAndContactSheetEscapeWhatNeedsIt) {
  const ExportedItem found{
      "weapon",         3, "<O'Neil & \"b\", c\nd>", "", "", "Weapon.spr.NCS", 4, FrameSize{40, 52},
      "weapon/003.png", ""};
  const ExportedItem missing{"shoes", 12, "Boots", "male", "6", "S6.spr.NCS", 12, {}, "", "gone"};
  EXPECT_EQ(MakeIndexCsv({found, missing}),
            "category,position,label,gender,colour,archive,frame,width,height,file\r\n"
            "weapon,3,\"<O'Neil & \"\"b\"\", c\nd>\",,,Weapon.spr.NCS,4,40,52,weapon/003.png\r\n"
            "shoes,12,Boots,male,6,S6.spr.NCS,12,,,\r\n");
  const std::string html = MakeContactSheet({found, missing});
  EXPECT_NE(html.find("<img src=\"weapon/003.png\" alt=\"&lt;O&#39;Neil &amp; &quot;b&quot;, "
                      "c\nd&gt;\""),
            std::string::npos);
}

}  // namespace
}  // namespace vestara::clitest
