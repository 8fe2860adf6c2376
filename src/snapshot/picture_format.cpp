#include "snapshot/picture_format.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "snapshot/bmp_encoding.h"
#include "snapshot/png_encoding.h"

namespace vestara {

std::optional<PictureFormat> PictureFormatOf(std::string_view fileName) {
  const std::size_t separator = fileName.find_last_of("/\\");
  const std::string_view last =
      separator == std::string_view::npos ? fileName : fileName.substr(separator + 1);
  const std::size_t dot = last.find_last_of('.');
  if (dot == std::string_view::npos) return std::nullopt;
  std::string extension(last.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".png") return PictureFormat::Png;
  return std::nullopt;
}

std::string_view ExtensionOf(PictureFormat format) {
  return format == PictureFormat::Bmp ? "bmp" : "png";
}

std::vector<unsigned char> EncodePicture(const PixelSurface& image,
                                         std::span<const std::uint8_t> opaque,
                                         PictureFormat format) {
  if (!opaque.empty()) return EncodePngWithAlpha(image, opaque);
  return format == PictureFormat::Bmp ? EncodeBmp24(image) : EncodePng(image);
}

}  // namespace vestara
