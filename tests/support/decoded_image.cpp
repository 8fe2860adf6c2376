#include "support/decoded_image.h"

#define STBI_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <vector>

#include "support/scoped_test_directory.h"

namespace vestara::testing {

std::uint32_t DecodedImage::Rgb(int x, int y) const {
  const std::size_t at = (std::size_t(y) * width + x) * 4;
  return rgba[at] | (std::uint32_t{rgba[at + 1]} << 8) | (std::uint32_t{rgba[at + 2]} << 16);
}

std::optional<DecodedImage> DecodeImage(const std::filesystem::path& path) {
  // Read here rather than by name: stb opens names in the ANSI code page on Windows.
  return DecodeImageBytes(ReadBytes(path));
}

std::optional<DecodedImage> DecodeImageBytes(std::span<const std::uint8_t> bytes) {
  DecodedImage image;
  unsigned char* pixels =
      stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &image.width,
                            &image.height, &image.channelsInFile, 4);
  if (pixels == nullptr) return std::nullopt;
  image.rgba.assign(pixels, pixels + std::size_t(image.width) * image.height * 4);
  stbi_image_free(pixels);
  return image;
}

}  // namespace vestara::testing
