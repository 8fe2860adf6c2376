#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <vector>

#include "png_reader.h"
#include "snapshot/image_encoding.h"
#include "snapshot/new_file.h"
#include "snapshot/snapshot.h"
#include "temp_working_directory.h"
#include "test_image.h"

namespace vestara {
namespace {

using testutil::DecodePng;
using testutil::TempWorkingDirectory;
using testutil::TestColor;
using testutil::TestImage;

TEST(SnapshotPng, RgbWithoutAlphaDecodesToTheSamePixels) {
  TempWorkingDirectory folder;
  constexpr int kWidth = 5, kHeight = 3;
  ASSERT_TRUE(SaveSnapshot(TestImage(kWidth, kHeight), "G0000001.png"));
  const auto png = DecodePng("G0000001.png", 3);
  ASSERT_EQ(png.width, kWidth);
  ASSERT_EQ(png.height, kHeight);
  EXPECT_EQ(png.channelsInFile, 3);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::size_t at = 3 * static_cast<std::size_t>(y * kWidth + x);
      EXPECT_EQ(png.samples[at], RedOf(TestColor(x, y)));
      EXPECT_EQ(png.samples[at + 1], GreenOf(TestColor(x, y)));
      EXPECT_EQ(png.samples[at + 2], BlueOf(TestColor(x, y)));
    }
  }
}

TEST(SnapshotPng, AlphaFollowsTheMask) {
  TempWorkingDirectory folder;
  constexpr int kWidth = 3, kHeight = 2;
  const std::vector<bool> opaque = {true, false, true, false, false, true};
  ASSERT_TRUE(WriteNewFile("drawn.png", EncodePngWithAlpha(TestImage(kWidth, kHeight), opaque)));
  const auto png = DecodePng("drawn.png", 4);
  ASSERT_EQ(png.width, kWidth);
  ASSERT_EQ(png.height, kHeight);
  EXPECT_EQ(png.channelsInFile, 4);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::size_t pixel = static_cast<std::size_t>(y * kWidth + x);
      const unsigned char* rgba = &png.samples[4 * pixel];
      EXPECT_EQ(rgba[3], opaque[pixel] ? 255 : 0) << x << "," << y;
      EXPECT_EQ(rgba[0], RedOf(TestColor(x, y)));
      EXPECT_EQ(rgba[1], GreenOf(TestColor(x, y)));
      EXPECT_EQ(rgba[2], BlueOf(TestColor(x, y)));
    }
  }
}

TEST(SnapshotPng, AlphaRefusesAMaskOfAnotherSize) {
  for (const std::size_t maskSize : {0, 5, 7}) {
    EXPECT_TRUE(EncodePngWithAlpha(TestImage(3, 2), std::vector<bool>(maskSize, true)).empty())
        << maskSize;
  }
}

}  // namespace
}  // namespace vestara
