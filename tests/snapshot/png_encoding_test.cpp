#include "snapshot/png_encoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/decoded_image.h"

namespace vestara::test {
namespace {

struct Chunk {
  std::string type;
  std::vector<unsigned char> data;
  bool crcMatches = false;
};

// Bit by bit, not by zlib's table, so that a wrong CRC cannot agree with itself.
std::uint32_t ReferenceCrc(const unsigned char* bytes, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1u) ? 0xEDB88320u : 0u);
  }
  return ~crc;
}

std::uint32_t BigEndianAt(const std::vector<unsigned char>& bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
         std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

// The chunks in file order; empty when the signature or a length is wrong.
std::vector<Chunk> ChunksOf(const std::vector<unsigned char>& file) {
  const std::vector<unsigned char> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(signature.begin(), signature.end(), file.begin())) return {};
  std::vector<Chunk> chunks;
  for (std::size_t at = 8; at < file.size();) {
    if (file.size() - at < 12) return {};
    const std::uint32_t length = BigEndianAt(file, at);
    if (file.size() - at - 12 < length) return {};
    Chunk chunk;
    chunk.type.assign(file.begin() + at + 4, file.begin() + at + 8);
    chunk.data.assign(file.begin() + at + 8, file.begin() + at + 8 + length);
    chunk.crcMatches =
        ReferenceCrc(&file[at + 4], length + 4) == BigEndianAt(file, at + 8 + length);
    chunks.push_back(std::move(chunk));
    at += 12 + length;
  }
  return chunks;
}

std::vector<std::string> TypesOf(const std::vector<Chunk>& chunks) {
  std::vector<std::string> types;
  for (const Chunk& chunk : chunks) types.push_back(chunk.type);
  return types;
}

// `colorCount` distinct colours, each used at least once, scattered so that no row
// repeats the one above.
PixelSurface ScatteredPicture(int colorCount, int width) {
  const int height = (2 * colorCount + width - 1) / width + 1;
  PixelSurface image(width, height);
  for (int i = 0; i < width * height; ++i) {
    const int entry = i < colorCount ? i : (i * 7 + i / width) % colorCount;
    image.SetPixel(i % width, i / width,
                   MakeColor(std::uint8_t(entry), std::uint8_t(5 + 97 * (entry >> 8)),
                             std::uint8_t(255 - entry)));
  }
  return image;
}

constexpr Color kBackground = MakeColor(255, 0, 255);

struct Case {
  int colors;
  int width;
  bool transparent;
  int bitDepth;
  int colorType;  // 3 palette, 2 RGB, 6 RGBA
};

const Case kCases[] = {
    {1, 1, false, 1, 3},
    {2, 9, false, 1, 3},
    {3, 7, false, 2, 3},
    {4, 13, false, 2, 3},
    {5, 3, false, 4, 3},
    {16, 8, false, 4, 3},
    {17, 17, false, 8, 3},
    {256, 31, false, 8, 3},
    {257, 31, false, 8, 2},
    // The background is one more entry, the first.
    {1, 5, true, 1, 3},
    {3, 11, true, 2, 3},
    {4, 6, true, 4, 3},
    {16, 10, true, 8, 3},
    {255, 40, true, 8, 3},
    {256, 40, true, 8, 6},
};

class PngEncodingTest : public ::testing::TestWithParam<Case> {};

TEST_P(PngEncodingTest, SmallestFormatDecodesToTheSamePixels) {
  const Case& c = GetParam();
  PixelSurface image = ScatteredPicture(c.colors, c.width);
  std::vector<std::uint8_t> opaque(image.Pixels().size(), 1);
  if (c.transparent) {
    // Every third pixel of the last row shows the background, as an item's outline would.
    const int y = image.Height() - 1;
    for (int x = 0; x < image.Width(); x += 3) {
      image.SetPixel(x, y, kBackground);
      opaque[std::size_t(y) * image.Width() + x] = 0;
    }
  }
  const std::vector<unsigned char> file =
      c.transparent ? EncodePngWithAlpha(image, opaque) : EncodePng(image);
  const std::vector<Chunk> chunks = ChunksOf(file);
  ASSERT_FALSE(chunks.empty());
  for (const Chunk& chunk : chunks) EXPECT_TRUE(chunk.crcMatches) << chunk.type;

  const std::vector<unsigned char>& header = chunks[0].data;
  ASSERT_EQ(chunks[0].type, "IHDR");
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndianAt(header, 0), std::uint32_t(image.Width()));
  EXPECT_EQ(BigEndianAt(header, 4), std::uint32_t(image.Height()));
  EXPECT_EQ(header[8], c.bitDepth);
  EXPECT_EQ(header[9], c.colorType);
  EXPECT_EQ((std::vector<unsigned char>(header.begin() + 10, header.end())),
            (std::vector<unsigned char>{0, 0, 0}));
  if (c.colorType == 3) {
    const std::size_t entries = std::size_t(c.colors) + (c.transparent ? 1 : 0);
    const std::vector<std::string> expected =
        c.transparent ? std::vector<std::string>{"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}
                      : std::vector<std::string>{"IHDR", "PLTE", "IDAT", "IEND"};
    ASSERT_EQ(TypesOf(chunks), expected);
    EXPECT_EQ(chunks[1].data.size(), 3 * entries);
    // Only the background's entry needs an alpha; it comes first, so the list is one long.
    if (c.transparent) {
      EXPECT_EQ(chunks[2].data, std::vector<unsigned char>{0});
    }
  } else {
    EXPECT_EQ(TypesOf(chunks), (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  }

  const auto decoded = testing::DecodeImageBytes(file);
  ASSERT_TRUE(decoded && decoded->width == image.Width() && decoded->height == image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      ASSERT_EQ(decoded->Rgb(x, y), image.GetPixel(x, y)) << x << "," << y;
      ASSERT_EQ(decoded->Alpha(x, y), opaque[std::size_t(y) * image.Width() + x] != 0 ? 255 : 0)
          << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ColorCounts, PngEncodingTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                           return std::to_string(info.param.colors) + "colours" +
                                  std::to_string(info.param.width) + "wide" +
                                  (info.param.transparent ? "Transparent" : "");
                         });

// A transparent pixel of an opaque pixel's colour keeps both its colour and its alpha,
// and the fourth byte of a colour is no colour.
TEST(PngEncodingTest, TransparencyIsKeptApartFromColor) {
  PixelSurface image(4, 1, MakeColor(1, 2, 3));
  image.SetPixel(3, 0, MakeColor(1, 2, 3) | 0xFF000000u);
  const std::vector<std::uint8_t> opaque = {1, 0, 1, 1};
  const auto decoded = testing::DecodeImageBytes(EncodePngWithAlpha(image, opaque));
  ASSERT_TRUE(decoded);
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(decoded->Rgb(x, 0), MakeColor(1, 2, 3)) << x;
    EXPECT_EQ(decoded->Alpha(x, 0), opaque[x] != 0 ? 255 : 0) << x;
  }
  EXPECT_EQ(ChunksOf(EncodePng(image))[1].data.size(), 3u);  // one palette entry
}

TEST(PngEncodingTest, NothingToEncodeGivesNoFile) {
  EXPECT_TRUE(EncodePng(PixelSurface(0, 5)).empty());
  EXPECT_TRUE(EncodePng(PixelSurface(5, 0)).empty());
  EXPECT_TRUE(EncodePngWithAlpha(PixelSurface(2, 2), std::vector<std::uint8_t>(3, 1)).empty());
}

}  // namespace
}  // namespace vestara::test
