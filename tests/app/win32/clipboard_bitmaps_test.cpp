#include "app/win32/clipboard_bitmaps.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace vestara {
namespace {

// Two rows of three: the DIB rows run from the bottom up.
PixelSurface TwoByThree() {
  PixelSurface image(3, 2);
  const Color colors[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x102030, 0x405060, 0xFFFFFF};
  for (int i = 0; i < 6; ++i) image.SetPixel(i % 3, i / 3, colors[i]);
  return image;
}

template <typename Header>
Header HeaderOf(const std::vector<unsigned char>& dib) {
  Header header{};
  std::memcpy(&header, dib.data(), sizeof header);
  return header;
}

TEST(ClipboardBitmapsTest, TheDibIsTheBmpWithoutItsFileHeader) {
  const PixelSurface image = TwoByThree();
  const std::vector<unsigned char> dib = DibOf({image, {}, {}});
  ASSERT_EQ(dib.size(), sizeof(BITMAPINFOHEADER) + 2 * 12);  // rows of 9 bytes padded to 12
  const auto header = HeaderOf<BITMAPINFOHEADER>(dib);
  EXPECT_EQ(header.biSize, sizeof(BITMAPINFOHEADER));
  EXPECT_EQ(header.biWidth, 3);
  EXPECT_EQ(header.biHeight, 2);  // bottom-up
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
  const std::vector<unsigned char> rows{0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0xFF, 0xFF,
                                        0xFF, 0,    0,    0,    0x00, 0x00, 0xFF, 0x00,
                                        0xFF, 0x00, 0xFF, 0x00, 0x00, 0,    0,    0};
  EXPECT_EQ(std::vector<unsigned char>(dib.begin() + sizeof(BITMAPINFOHEADER), dib.end()), rows);
  EXPECT_TRUE(DibOf({PixelSurface(), {}, {}}).empty());
}

TEST(ClipboardBitmapsTest, TheDibV5CarriesTheAlphaOfATransparentPicture) {
  const PixelSurface image = TwoByThree();
  const std::vector<std::uint8_t> opaque{1, 0, 1, 0, 1, 1};
  const std::vector<unsigned char> dib = DibV5Of({image, opaque, {}});
  ASSERT_EQ(dib.size(), sizeof(BITMAPV5HEADER) + 6 * 4);
  const auto header = HeaderOf<BITMAPV5HEADER>(dib);
  EXPECT_EQ(header.bV5Size, sizeof(BITMAPV5HEADER));
  EXPECT_EQ(header.bV5Width, 3);
  EXPECT_EQ(header.bV5Height, 2);
  EXPECT_EQ(header.bV5BitCount, 32);
  EXPECT_EQ(header.bV5Compression, static_cast<DWORD>(BI_BITFIELDS));
  EXPECT_EQ(header.bV5SizeImage, 24u);
  EXPECT_EQ(header.bV5RedMask, 0x00FF0000u);
  EXPECT_EQ(header.bV5GreenMask, 0x0000FF00u);
  EXPECT_EQ(header.bV5BlueMask, 0x000000FFu);
  EXPECT_EQ(header.bV5AlphaMask, 0xFF000000u);
  EXPECT_EQ(header.bV5CSType, 0x73524742u);  // LCS_sRGB, "sRGB" read as a number
  EXPECT_EQ(header.bV5Intent, static_cast<DWORD>(LCS_GM_IMAGES));
  const std::vector<unsigned char> pixels{0,    0,    0,    0,    0x40, 0x50, 0x60, 0xFF,
                                          0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF,
                                          0,    0,    0,    0,    0xFF, 0x00, 0x00, 0xFF};
  EXPECT_EQ(std::vector<unsigned char>(dib.begin() + sizeof(BITMAPV5HEADER), dib.end()), pixels);
  // An opaque picture is opaque throughout.
  const std::vector<unsigned char> whole = DibV5Of({image, {}, {}});
  for (std::size_t at = sizeof(BITMAPV5HEADER) + 3; at < whole.size(); at += 4) {
    EXPECT_EQ(whole[at], 0xFF);
  }
}

}  // namespace
}  // namespace vestara
