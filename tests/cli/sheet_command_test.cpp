// `sheet`: every picture of a list, or every frame of an archive, on sheets whose atlases
// place each exactly as export and frame write it alone; the same bytes for any job count;
// pictures that cannot be made are named and the rest still packed.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/decoded_image.h"
#include "tool_test.h"

namespace vestara::clitest {
namespace {

namespace fs = std::filesystem;
using testing::DecodedImage;
using testing::DecodeImage;

struct AtlasRect {
  fs::path sheet;
  int x, y, w, h;
};

// The frame on one line of an atlas: its name and rectangle, when the line is a frame with
// every field of the layout, its source as large as its rectangle.
std::optional<std::pair<std::string, AtlasRect>> FrameOfLine(const std::string& line,
                                                             const fs::path& sheet) {
  const std::size_t keyEnd = line.find("\": {\"frame\"");
  if (!line.starts_with("\"") || keyEnd == std::string::npos) return std::nullopt;
  AtlasRect rect{sheet, 0, 0, 0, 0};
  int sourceW = 0, sourceH = 0, sizeW = 0, sizeH = 0, end = 0;
  const int read = std::sscanf(
      line.c_str() + keyEnd,
      "\": {\"frame\": {\"x\": %d, \"y\": %d, \"w\": %d, \"h\": %d}, \"rotated\": false, "
      "\"trimmed\": false, \"spriteSourceSize\": {\"x\": 0, \"y\": 0, \"w\": %d, \"h\": %d}, "
      "\"sourceSize\": {\"w\": %d, \"h\": %d}, \"vestara\": {%n",
      &rect.x, &rect.y, &rect.w, &rect.h, &sourceW, &sourceH, &sizeW, &sizeH, &end);
  if (read != 8 || end == 0 || sourceW != rect.w || sizeW != rect.w || sourceH != rect.h ||
      sizeH != rect.h) {
    return std::nullopt;
  }
  return std::pair(line.substr(1, keyEnd - 1), rect);
}

// Every frame of every atlas in `folder`, by name; each atlas's image must be a PNG of the
// size its meta gives.
std::map<std::string, AtlasRect> ReadAtlases(const fs::path& folder) {
  std::map<std::string, AtlasRect> frames;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.path().extension() != ".json") continue;
    const std::string json = testing::ReadBinaryFile(entry.path()).value_or("");
    const std::size_t image = json.find("\"image\": \"");
    const std::size_t imageEnd = json.find('"', image + 10);
    int width = 0, height = 0;
    EXPECT_TRUE(image != std::string::npos &&
                std::sscanf(json.c_str() + imageEnd,
                            "\", \"format\": \"RGBA8888\", \"size\": {\"w\": %d, \"h\": %d}, "
                            "\"scale\": \"1\"",
                            &width, &height) == 2)
        << entry.path();
    const fs::path sheet = folder / json.substr(image + 10, imageEnd - image - 10);
    const auto decoded = DecodeImage(sheet);
    EXPECT_TRUE(decoded && decoded->width == width && decoded->height == height) << sheet;
    std::istringstream lines(json);
    for (std::string line; std::getline(lines, line);) {
      if (const auto frame = FrameOfLine(line, sheet)) {
        EXPECT_TRUE(frames.insert(*frame).second) << frame->first;
      }
    }
  }
  return frames;
}

// Whether the sheet's rectangle holds exactly the single picture: alpha everywhere, colour
// where opaque.
::testing::AssertionResult HoldsPicture(const DecodedImage& sheet, const AtlasRect& rect,
                                        const fs::path& single) {
  const auto picture = DecodeImage(single);
  if (!picture) return ::testing::AssertionFailure() << "no picture " << single;
  if (picture->width != rect.w || picture->height != rect.h) {
    return ::testing::AssertionFailure()
           << single << " is " << picture->width << "x" << picture->height;
  }
  for (int y = 0; y < rect.h; ++y) {
    for (int x = 0; x < rect.w; ++x) {
      const auto alpha = picture->Alpha(x, y);
      if (sheet.Alpha(rect.x + x, rect.y + y) != alpha ||
          (alpha != 0 && sheet.Rgb(rect.x + x, rect.y + y) != picture->Rgb(x, y))) {
        return ::testing::AssertionFailure() << single << " differs at " << x << "," << y;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

// The export's file of a catalogue frame name: "armor-female-3/007" is armor/female-3/007.png.
fs::path ExportFileOf(std::string key) {
  const std::size_t dash = key.find('-');
  if (dash != std::string::npos && dash < key.find('/')) key[dash] = '/';
  return key + ".png";
}

TEST(SheetCommandTest, CatalogueSheetsHoldEveryExportedPictureAndTheSameBytesForAnyJobs) {
  ToolTest tool;
  tool.WriteSampleGame();
  ASSERT_EQ(tool.Run("export -o single --game-dir game --transparent").exitCode, 0);
  const ToolRun one = tool.Run("sheet -o sheets --game-dir game --jobs 1");
  ASSERT_EQ(one.exitCode, 0) << one.err;
  EXPECT_NE(one.out.find("Packed 1159 of 1159 pictures onto "), std::string::npos) << one.out;

  const std::map<std::string, AtlasRect> frames = ReadAtlases(tool.Work() / "sheets");
  EXPECT_EQ(frames.size(), 1159u);
  std::map<fs::path, DecodedImage> sheets;
  for (const auto& [key, rect] : frames) {
    if (!sheets.contains(rect.sheet)) sheets.emplace(rect.sheet, *DecodeImage(rect.sheet));
    EXPECT_TRUE(
        HoldsPicture(sheets.at(rect.sheet), rect, tool.Work() / "single" / ExportFileOf(key)))
        << key;
  }
  const auto tree = TreeOf(tool.Work() / "sheets");
  EXPECT_TRUE(tree.contains("weapon.json") && tree.contains("armor-female-3.png") &&
              tree.contains("index.html"));
  ASSERT_EQ(tool.Run("sheet -o again --game-dir game --jobs 2 --transparent").exitCode, 0);
  EXPECT_TRUE(TreeOf(tool.Work() / "again") == tree);
}

TEST(SheetCommandTest, NamesFromANamesFileReachTheAtlasAndTheContactSheet) {
  ToolTest tool;
  tool.WriteSampleGame();
  testing::WriteBinaryFile(tool.Work() / "names.csv",
                           "category,position,label\r\nweapon,5,\"Zanbato \"\"Z\"\"\"\r\n");
  ASSERT_EQ(tool.Run("sheet -o out --game-dir game --names names.csv").exitCode, 0);
  const std::string atlas = testing::ReadBinaryFile(tool.Work() / "out/weapon.json").value_or("");
  const std::size_t frame = atlas.find("\n\"weapon/005\": ");
  ASSERT_NE(frame, std::string::npos);
  EXPECT_NE(atlas.substr(frame, atlas.find('\n', frame + 1) - frame)
                .find("\"label\": \"Zanbato \\\"Z\\\"\""),
            std::string::npos);
  const std::string html = testing::ReadBinaryFile(tool.Work() / "out/index.html").value_or("");
  EXPECT_NE(html.find("aria-label=\"Zanbato &quot;Z&quot;\""), std::string::npos);
  EXPECT_NE(html.find("005 Zanbato &quot;Z&quot;"), std::string::npos);
}

TEST(SheetCommandTest, AnArchiveSheetHoldsEveryFrameAsFrameWritesIt) {
  ToolTest tool;
  tool.WriteSampleGame();
  const ToolRun run = tool.Run("sheet game/Data/Shields.spr.NCS -o out --zoom 200");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::map<std::string, AtlasRect> frames = ReadAtlases(tool.Work() / "out");
  ASSERT_FALSE(frames.empty());
  const auto sheet = DecodeImage(frames.begin()->second.sheet);
  int frame = 0;
  for (const auto& [key, rect] : frames) {
    EXPECT_EQ(key, "Shields/" +
                       std::string(frame < 10    ? "00"
                                   : frame < 100 ? "0"
                                                 : "") +
                       std::to_string(frame));
    const std::string single = "f" + std::to_string(frame) + ".png";
    ASSERT_EQ(tool.Run("frame game/Data/Shields.spr.NCS " + std::to_string(frame) + " -o " +
                       single + " --zoom 200 --transparent")
                  .exitCode,
              0);
    EXPECT_TRUE(HoldsPicture(*sheet, rect, tool.Work() / single)) << key;
    ++frame;
  }
  EXPECT_EQ(TreeOf(tool.Work() / "out").size(), 2u);  // one sheet and its atlas, no index.html
}

TEST(SheetCommandTest, PicturesThatCannotBeMadeOrPackedAreNamedAndTheRestIsPacked) {
  ToolTest tool;
  tool.WriteSampleGame();
  // Without --force nothing is replaced, and nothing written; with it, everything is.
  testing::WriteBinaryFile(tool.Work() / "taken/ring.json", "mine");
  const ToolRun refused = tool.Run("sheet -o taken --game-dir game");
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("ring.json"), std::string::npos) << refused.err;
  EXPECT_EQ(TreeOf(tool.Work() / "taken").size(), 1u);
  EXPECT_EQ(tool.Run("sheet -o taken --game-dir game --force").exitCode, 0);
  EXPECT_NE(testing::ReadBinaryFile(tool.Work() / "taken/ring.json"), "mine");

  // Cut inside the frames: the later shields cannot be read.
  const fs::path shields = tool.Work() / "game/Data/Shields.spr.NCS";
  fs::resize_file(shields, fs::file_size(shields) * 2 / 3);
  const ToolRun damaged = tool.Run("sheet game/Data/Shields.spr.NCS -o damaged");
  EXPECT_EQ(damaged.exitCode, 2);
  EXPECT_NE(damaged.err.find(": the frame is missing or damaged\n"), std::string::npos)
      << damaged.err;
  const std::map<std::string, AtlasRect> frames = ReadAtlases(tool.Work() / "damaged");
  EXPECT_FALSE(frames.empty());
  EXPECT_EQ(frames.count("Shields/000"), 1u);
  EXPECT_NE(damaged.out.find("Packed " + std::to_string(frames.size()) + " of "),
            std::string::npos);

  // The largest weapon fits no sheet of 100 pixels; the other weapons still do.
  const ToolRun small = tool.Run("sheet game/Data/Weapon.spr.NCS -o small --max-size 100");
  EXPECT_EQ(small.exitCode, 2);
  EXPECT_NE(small.err.find("larger than a sheet of 100 pixels a side"), std::string::npos)
      << small.err;
  EXPECT_TRUE(fs::exists(tool.Work() / "small/Weapon-2.png"));

  // A missing archive is named once for its list.
  fs::remove(tool.Work() / "game/Data/eitem.spr.NCS");
  const ToolRun missing = tool.Run("sheet -o missing --game-dir game");
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_NE(missing.err.find("ring: missing archive eitem.spr.NCS\n"), std::string::npos)
      << missing.err;
}

}  // namespace
}  // namespace vestara::clitest
