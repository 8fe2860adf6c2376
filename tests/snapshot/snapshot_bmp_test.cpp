#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "snapshot/snapshot.h"
#include "temp_working_directory.h"
#include "test_image.h"

namespace vestara {
namespace {

using testutil::ReadBytes;
using testutil::TempWorkingDirectory;
using testutil::TestColor;
using testutil::TestImage;

std::uint32_t U32(const std::vector<unsigned char>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | std::uint32_t{bytes[at + 3]} << 24;
}
std::uint16_t U16(const std::vector<unsigned char>& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

constexpr std::size_t kPixelsAt = 14 + 40;

// Reads every byte of the file back: both headers, then bottom-up BGR rows padded with
// zero bytes to a multiple of 4.
void ExpectBmpOf(int width, int height) {
  SCOPED_TRACE(testing::Message() << width << " x " << height);
  TempWorkingDirectory folder;
  ASSERT_TRUE(SaveSnapshot(TestImage(width, height), "G0000001.bmp"));
  const auto bytes = ReadBytes("G0000001.bmp");

  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  ASSERT_EQ(bytes.size(), kPixelsAt + rowBytes * height);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(U32(bytes, 2), bytes.size());
  EXPECT_EQ(U32(bytes, 6), 0u);          // reserved
  EXPECT_EQ(U32(bytes, 10), kPixelsAt);  // pixel data offset
  EXPECT_EQ(U32(bytes, 14), 40u);        // info header size
  EXPECT_EQ(static_cast<std::int32_t>(U32(bytes, 18)), width);
  EXPECT_EQ(static_cast<std::int32_t>(U32(bytes, 22)), height);  // positive: bottom-up
  EXPECT_EQ(U16(bytes, 26), 1);                                  // planes
  EXPECT_EQ(U16(bytes, 28), 24);                                 // bits per pixel
  EXPECT_EQ(U32(bytes, 30), 0u);                                 // uncompressed
  EXPECT_EQ(U32(bytes, 46), 0u);                                 // no palette

  for (int row = 0; row < height; ++row) {
    const std::size_t rowAt = kPixelsAt + rowBytes * row;
    const int y = height - 1 - row;
    for (int x = 0; x < width; ++x) {
      const Color expected = TestColor(x, y);
      const std::size_t at = rowAt + 3 * static_cast<std::size_t>(x);
      EXPECT_EQ(bytes[at], BlueOf(expected)) << x << "," << y;
      EXPECT_EQ(bytes[at + 1], GreenOf(expected)) << x << "," << y;
      EXPECT_EQ(bytes[at + 2], RedOf(expected)) << x << "," << y;
    }
    for (std::size_t pad = rowAt + 3 * width; pad < rowAt + rowBytes; ++pad) {
      EXPECT_EQ(bytes[pad], 0) << "padding of row " << row;
    }
  }
}

TEST(SnapshotBmp, ByteExactForEveryRowPadding) {
  for (const int width : {1, 2, 3, 4, 5, 7}) ExpectBmpOf(width, 3);
}

TEST(SnapshotBmp, SingleRowAndTallImages) {
  ExpectBmpOf(5, 1);
  ExpectBmpOf(1, 9);
}

TEST(SnapshotBmp, CaptureSizes) {
  ExpectBmpOf(80, 60);
  ExpectBmpOf(408, 360);
}

}  // namespace
}  // namespace vestara
