#include "app/win32/clipboard_bitmaps.h"

#include <cstdint>
#include <limits>

#include "snapshot/picture_format.h"

namespace vestara {
namespace {

constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::uint32_t kDibV5HeaderSize = 124;
constexpr std::uint32_t kBitFields = 3;           // BI_BITFIELDS
constexpr std::uint32_t kSrgbSpace = 0x73524742;  // LCS_sRGB, 'sRGB'
constexpr std::uint32_t kImageIntent = 4;         // LCS_GM_IMAGES

void PutLittleEndian(std::vector<unsigned char>& bytes, std::uint32_t value, int size = 4) {
  for (int byte = 0; byte < size; ++byte)
    bytes.push_back(static_cast<unsigned char>(value >> (8 * byte)));
}

}  // namespace

std::vector<unsigned char> DibOf(const ClipboardPicture& picture) {
  std::vector<unsigned char> bmp = EncodePicture(picture.image, {}, PictureFormat::Bmp);
  if (bmp.size() <= kBmpFileHeaderSize) return {};
  bmp.erase(bmp.begin(), bmp.begin() + kBmpFileHeaderSize);
  return bmp;
}

std::vector<unsigned char> DibV5Of(const ClipboardPicture& picture) {
  const PixelSurface& image = picture.image;
  const std::uint64_t pixelBytes = std::uint64_t{4} * image.Pixels().size();
  if (image.Pixels().empty() || pixelBytes > std::numeric_limits<std::uint32_t>::max()) return {};
  std::vector<unsigned char> dib;
  dib.reserve(kDibV5HeaderSize + pixelBytes);
  PutLittleEndian(dib, kDibV5HeaderSize);
  PutLittleEndian(dib, static_cast<std::uint32_t>(image.Width()));
  PutLittleEndian(dib, static_cast<std::uint32_t>(image.Height()));  // positive: bottom-up
  PutLittleEndian(dib, 1, 2);                                        // planes
  PutLittleEndian(dib, 32, 2);                                       // bits per pixel
  PutLittleEndian(dib, kBitFields);
  PutLittleEndian(dib, static_cast<std::uint32_t>(pixelBytes));
  PutLittleEndian(dib, 2835);  // 72 dots per inch, as metres
  PutLittleEndian(dib, 2835);
  PutLittleEndian(dib, 0);  // colours used
  PutLittleEndian(dib, 0);  // colours important
  for (const std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
    PutLittleEndian(dib, mask);
  }
  PutLittleEndian(dib, kSrgbSpace);
  dib.resize(dib.size() + 36 + 3 * 4, 0);  // end points and gamma: unused with sRGB
  PutLittleEndian(dib, kImageIntent);
  PutLittleEndian(dib, 0);  // profile data
  PutLittleEndian(dib, 0);  // profile size
  PutLittleEndian(dib, 0);  // reserved
  const bool transparent = !picture.opaque.empty();
  for (int y = image.Height() - 1; y >= 0; --y) {
    std::size_t index = static_cast<std::size_t>(y) * image.Width();
    for (const Color color : image.Row(y)) {
      const bool shown = !transparent || picture.opaque[index++] != 0;
      dib.insert(dib.end(), {static_cast<unsigned char>(shown ? BlueOf(color) : 0),
                             static_cast<unsigned char>(shown ? GreenOf(color) : 0),
                             static_cast<unsigned char>(shown ? RedOf(color) : 0),
                             static_cast<unsigned char>(shown ? 255 : 0)});
    }
  }
  return dib;
}

}  // namespace vestara
