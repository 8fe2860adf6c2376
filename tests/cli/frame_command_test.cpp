#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_test_support.h"
#include "sprite/archive_writer.h"
#include "sprite/sprite_palette.h"

namespace vestara::clitest {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// Index 0 paints black and 255 white: drawn pixels in the colours of the probe fills
// and of the background. Row 2 is empty.
const SpriteGrid kEdgy =
    GridFromRows({"kw.a", "..ab", "....", "bbkw"}, {{'k', 0}, {'w', 255}, {'a', 112}, {'b', 216}});

std::uint32_t PaletteRgb(std::uint8_t index) { return SpritePalette[index]; }

class FrameCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(tool_.InWork("edgy.spr.NCS"), BuildArchive({FrameFromGrid(kEdgy)}));
  }

  DecodedImage RunFrame(std::vector<std::string> options, const std::string& output) {
    std::vector<std::string> arguments{"frame", "edgy.spr.NCS", "0", "-o", output};
    arguments.insert(arguments.end(), options.begin(), options.end());
    const ToolRun run = tool_.Run(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto image = DecodeImage(tool_.InWork(output));
    EXPECT_TRUE(image.has_value()) << output;
    return image.value_or(DecodedImage{});
  }

  ToolTest tool_;
};

TEST_F(FrameCommandTest, ScalesTheWholeFrameByTheZoom) {
  const struct {
    std::string zoom;
    int width, height;
  } cases[] = {{"50", 2, 2}, {"100", 4, 4}, {"200", 8, 8}, {"300", 12, 12}};
  for (const auto& expected : cases) {
    for (const std::string extension : {".png", ".bmp"}) {
      const std::string name = "zoom" + expected.zoom + extension;
      const DecodedImage image = RunFrame({"--zoom", expected.zoom}, name);
      EXPECT_EQ(image.width, expected.width) << name;
      EXPECT_EQ(image.height, expected.height) << name;
      EXPECT_EQ(image.channelsInFile, 3) << name;
    }
  }
}

TEST_F(FrameCommandTest, EnlargesColourOnColourOverTheBackground) {
  const DecodedImage image = RunFrame({"--zoom", "300", "--background", "green"}, "big.png");
  for (int y = 0; y < kEdgy.height * 3; ++y) {
    for (int x = 0; x < kEdgy.width * 3; ++x) {
      const std::size_t at = std::size_t(y / 3) * kEdgy.width + x / 3;
      const std::uint32_t expected = kEdgy.drawn[at] ? PaletteRgb(kEdgy.pixels[at]) : 0x00FF00;
      ASSERT_EQ(image.Rgb(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(FrameCommandTest, HalvesByAveragingEachTwoByTwoBlock) {
  const DecodedImage image = RunFrame({"--zoom", "50"}, "half.png");
  const auto average = [](std::vector<std::uint32_t> colours) {
    std::uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
      std::uint32_t sum = 0;
      for (std::uint32_t c : colours) sum += (c >> shift) & 0xFF;
      result |= ((sum + 2) / 4) << shift;
    }
    return result;
  };
  EXPECT_EQ(image.Rgb(0, 0), average({PaletteRgb(0), PaletteRgb(255), kWhite, kWhite}));
  EXPECT_EQ(image.Rgb(1, 0), average({kWhite, PaletteRgb(112), PaletteRgb(112), PaletteRgb(216)}));
}

TEST_F(FrameCommandTest, TransparentMakesExactlyTheUndrawnPixelsTransparent) {
  for (const std::string zoom : {"100", "200"}) {
    const int scale = zoom == "100" ? 1 : 2;
    const DecodedImage image = RunFrame({"--transparent", "--zoom", zoom}, "clear" + zoom + ".png");
    ASSERT_EQ(image.width, kEdgy.width * scale);
    EXPECT_EQ(image.channelsInFile, 4);
    for (int y = 0; y < image.height; ++y) {
      for (int x = 0; x < image.width; ++x) {
        const std::size_t at = std::size_t(y / scale) * kEdgy.width + x / scale;
        if (kEdgy.drawn[at]) {
          EXPECT_EQ(image.Alpha(x, y), 255) << x << "," << y;
          EXPECT_EQ(image.Rgb(x, y), PaletteRgb(kEdgy.pixels[at])) << x << "," << y;
        } else {
          EXPECT_EQ(image.Alpha(x, y), 0) << x << "," << y;
        }
      }
    }
  }
}

TEST_F(FrameCommandTest, TransparentHalfKeepsBlocksThatAreAtLeastHalfDrawn) {
  const DecodedImage image = RunFrame({"--transparent", "--zoom", "50"}, "clear50.png");
  // Top left: k, w, ., . - two of four drawn: opaque, the average of black and white.
  EXPECT_EQ(image.Alpha(0, 0), 255);
  EXPECT_EQ(image.Rgb(0, 0), 0x808080u);
  // Top right: ., a, a, b - the average of the drawn three alone.
  EXPECT_EQ(image.Alpha(1, 0), 255);
  const std::uint32_t a = PaletteRgb(112), b = PaletteRgb(216);
  std::uint32_t expected = 0;
  for (int shift : {0, 8, 16}) {
    const std::uint32_t sum = 2 * ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF);
    expected |= ((sum + 1) / 3) << shift;
  }
  EXPECT_EQ(image.Rgb(1, 0), expected);
  // Bottom left: ., ., b, b.
  EXPECT_EQ(image.Alpha(0, 1), 255);
  EXPECT_EQ(image.Rgb(0, 1), b);
  WriteBytes(tool_.InWork("sparse.spr.NCS"),
             BuildArchive({FrameFromGrid(GridFromRows({"a...", "...."}, {{'a', 5}}))}));
  ASSERT_EQ(
      tool_.Run({"frame", "sparse.spr.NCS", "0", "-o", "s.png", "--transparent", "--zoom", "50"})
          .exitCode,
      0);
  const auto sparse = DecodeImage(tool_.InWork("s.png"));
  ASSERT_TRUE(sparse.has_value());
  EXPECT_EQ(sparse->Alpha(0, 0), 0);  // one of four drawn
}

TEST(FrameCommandLimitsTest, FramesBeyondTheViewersSourceRectangleStayWhole) {
  ToolTest tool;
  tool.WriteSampleGame();
  // Weapon frame 102 is 420 x 420: the viewer shows only its top-left 408 x 360.
  ASSERT_EQ(
      tool.Run({"frame", "game/Data/Weapon.spr.NCS", "102", "-o", "giant.png", "--transparent"})
          .exitCode,
      0);
  const auto image = DecodeImage(tool.InWork("giant.png"));
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->width, 420);
  EXPECT_EQ(image->height, 420);
  int drawnBelowTheLimit = 0;
  for (int y = 360; y < 420; ++y) {
    for (int x = 0; x < 420; ++x) drawnBelowTheLimit += image->Alpha(x, y) == 255;
  }
  EXPECT_GT(drawnBelowTheLimit, 0);
}

TEST_F(FrameCommandTest, BadFramesAndExistingFilesExitTwo) {
  const ToolRun missing = tool_.Run({"frame", "edgy.spr.NCS", "1", "-o", "x.png"});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err, "edgy.spr.NCS: has no frame 1 (it has 1 frames)\n");
  const ToolRun noArchive = tool_.Run({"frame", "none.spr.NCS", "0", "-o", "x.png"});
  EXPECT_EQ(noArchive.exitCode, 2);
  EXPECT_EQ(noArchive.err, "none.spr.NCS: no such file\n");
  EXPECT_FALSE(std::filesystem::exists(tool_.InWork("x.png")));

  WriteBytes(tool_.InWork("taken.bmp"), {'x'});
  const ToolRun refused = tool_.Run({"frame", "edgy.spr.NCS", "0", "-o", "taken.bmp"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_EQ(ReadText(tool_.InWork("taken.bmp")), "x");
  const ToolRun forced = tool_.Run({"frame", "edgy.spr.NCS", "0", "-o", "taken.bmp", "--force"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  EXPECT_EQ(DecodeImage(tool_.InWork("taken.bmp"))->width, 4);

  std::filesystem::create_directory(tool_.InWork("folder.png"));
  const ToolRun intoFolder =
      tool_.Run({"frame", "edgy.spr.NCS", "0", "-o", "folder.png", "--force"});
  EXPECT_EQ(intoFolder.exitCode, 2);
  EXPECT_EQ(intoFolder.err, "folder.png: is a directory\n");
  const ToolRun noFolder = tool_.Run({"frame", "edgy.spr.NCS", "0", "-o", "none/x.png"});
  EXPECT_EQ(noFolder.exitCode, 2);
  EXPECT_EQ(noFolder.err, "none/x.png: cannot write: its folder does not exist\n");
}

}  // namespace
}  // namespace vestara::clitest
