// export writes every item with index.csv and index.html; sample-game writes the demo
// game folder that the other tests use.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli/export_index.h"
#include "cli/progress_bar.h"
#include "support/decoded_image.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::DecodeImage;
using testing::ReadBinaryFile;

std::size_t Occurrences(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = 0; (at = text.find(part, at)) != std::string::npos; ++at) ++count;
  return count;
}

// The line of index.csv that lists `file`, without the file.
std::string CsvLineOf(const std::string& csv, const std::string& file) {
  const std::size_t end = csv.find("," + file + "\r\n");
  const std::size_t start = csv.rfind('\n', end) + 1;
  return end == std::string::npos ? "" : csv.substr(start, end - start);
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
  EXPECT_TRUE(
      csv.starts_with("category,position,label,gender,colour,archive,frame,width,height,file\r\n"));
  std::string counts;
  for (const std::string category :
       {"weapon", "shield", "armor", "shoes", "ring", "necklace", "soul"}) {
    counts += " " + category + std::to_string(Occurrences(csv, "\n" + category + ","));
  }
  EXPECT_EQ(counts, " weapon96 shield17 armor610 shoes294 ring65 necklace54 soul23");
  EXPECT_EQ(Occurrences(csv, ",,,\r\n"), 1159u - 956u);
  EXPECT_EQ(Occurrences(csv, "Armor102.spr.NCS,") + Occurrences(csv, "eitem.spr.NCS,"),
            1159u - 956u);
  std::size_t pictures = 0;
  for (const auto& [path, bytes] : TreeOf(out)) {
    if (bytes == "/" || path.starts_with("index.")) continue;
    ++pictures;
    EXPECT_NE(CsvLineOf(csv, path), "") << path;
  }
  EXPECT_EQ(pictures, 956u);
  EXPECT_FALSE(fs::exists(out / "ring"));

  // Shoes entry 0 in the female colour-6 archive is frame 17, as `frame` writes it.
  EXPECT_NE(CsvLineOf(csv, "shoes/female-6/000.png").find(",female,6,Shoes106.spr.NCS,17,"),
            std::string::npos);
  ASSERT_EQ(tool.Run("frame game/Data/Shoes106.spr.NCS 17 -o shoe.png --transparent").exitCode, 0);
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "shoe.png"),
            ReadBinaryFile(out / "shoes/female-6/000.png"));
  // Frames stay whole, even beyond the 408 x 360 that the viewer shows: weapon 95 is larger.
  const auto giant = DecodeImage(out / "weapon/095.png");
  ASSERT_TRUE(giant && giant->width > 408 && giant->height > 360);
  EXPECT_TRUE(CsvLineOf(csv, "weapon/095.png")
                  .ends_with(std::to_string(giant->width) + "," + std::to_string(giant->height)));
  int drawnBelowTheViewersLimit = 0;
  for (int y = 360; y < giant->height; ++y) {
    for (int x = 0; x < giant->width; ++x) drawnBelowTheViewersLimit += giant->Alpha(x, y) == 255;
  }
  EXPECT_GT(drawnBelowTheViewersLimit, 0);

  const std::string html = ReadBinaryFile(out / "index.html").value_or("");
  EXPECT_EQ(Occurrences(html, "<img src="), 956u);
  EXPECT_NE(html.find("<img src=\"armor/female-4/060.png\""), std::string::npos);
  EXPECT_NE(html.find("missing archive eitem.spr.NCS"), std::string::npos);
}

// Every item of the sample game has a picture, made with the options given.
TEST(ExportCommandTest, ExportsTheWholeSampleGameWithTheOptionsGiven) {
  ToolTest tool;
  tool.WriteSampleGame();
  const std::string options = " --zoom 50 --background black";
  EXPECT_EQ(tool.Run("export -o out --game-dir game --format bmp" + options).out,
            "Exported 1159 of 1159 pictures to out\n");
  ASSERT_EQ(tool.Run("frame game/Data/Weapon.spr.NCS 0 -o w.bmp" + options).exitCode, 0);
  EXPECT_EQ(ReadBinaryFile(tool.Work() / "w.bmp"),
            ReadBinaryFile(tool.Work() / "out/weapon/000.bmp"));
}

TEST(ExportIndexTest, CsvAndContactSheetEscapeWhatNeedsIt) {
  std::string fields;
  for (const char* text : {"ロングソード", "", "a,b", "say \"hi\"", "two\nlines", "cr\r"}) {
    fields += CsvField(text) + "|";
  }
  EXPECT_EQ(fields, "ロングソード||\"a,b\"|\"say \"\"hi\"\"\"|\"two\nlines\"|\"cr\r\"|");
  const ExportedItem missing{"shoes", 12, "Boots", "male", "6", "S6.spr.NCS", 12, {}, "", "gone"};
  ExportedItem found{"weapon", 3, "<a, b>", "", "", "Weapon.spr.NCS", 4, FrameSize{40, 52}, "", ""};
  found.file = "weapon/003.png";
  EXPECT_EQ(MakeIndexCsv({found, missing}),
            "category,position,label,gender,colour,archive,frame,width,height,file\r\n"
            "weapon,3,\"<a, b>\",,,Weapon.spr.NCS,4,40,52,weapon/003.png\r\n"
            "shoes,12,Boots,male,6,S6.spr.NCS,12,,,\r\n");

  EXPECT_EQ(HtmlEscape("<b>&\"'x'"), "&lt;b&gt;&amp;&quot;&#39;x&#39;");
  const std::string html = MakeContactSheet({found, missing});
  EXPECT_EQ(html.find("<a, b>"), std::string::npos);
  EXPECT_NE(html.find("<img src=\"weapon/003.png\" alt=\"&lt;a, b&gt;\""), std::string::npos);
  EXPECT_NE(html.find("<h2>shoes male-6</h2>"), std::string::npos);
  EXPECT_NE(html.find("012 Boots<br>gone"), std::string::npos);
}

TEST(ProgressBarTest, DrawsInPlaceOnlyWhenEnabled) {
  std::ostringstream shown, silent;
  ProgressBar bar(shown, 4, true), quiet(silent, 4, false);
  for (ProgressBar* each : {&bar, &bar, &bar, &bar, &quiet}) each->Advance();
  bar.Finish();
  quiet.Finish();
  EXPECT_EQ(silent.str(), "");
  EXPECT_NE(shown.str().find("\r[" + std::string(10, '#') + std::string(30, ' ') + "] 1/4"),
            std::string::npos);
  EXPECT_TRUE(shown.str().ends_with("\r[" + std::string(40, '#') + "] 4/4\n"));
}

TEST(SampleGameCommandTest, WritesTheSampleGameTheTestsUse) {
  ToolTest tool;
  tool.WriteSampleGame();
  const ToolRun run = tool.Run("sample-game demo/game");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Wrote the sample game (28 files) to demo/game\n");
  const auto tree = TreeOf(tool.Work() / "game");
  EXPECT_EQ(TreeOf(tool.Work() / "demo/game"), tree);
  // Every file differs from every other, so a wrong colour or gender shows. (The export
  // test finds a picture for every item in them.)
  std::set<std::string> distinct;
  for (const auto& [path, bytes] : tree) distinct.insert(bytes);
  EXPECT_EQ(distinct.size(), tree.size() - 1);  // both folders are "/"
}

}  // namespace
}  // namespace vestara::clitest
