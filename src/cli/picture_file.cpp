#include "cli/picture_file.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "snapshot/bmp_encoding.h"
#include "snapshot/png_encoding.h"

namespace vestara {

std::optional<PictureFormat> PictureFormatOf(std::string_view fileName) {
  if (fileName.size() < 4) return std::nullopt;
  std::string extension(fileName.substr(fileName.size() - 4));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".bmp") return PictureFormat::Bmp;
  if (extension == ".png") return PictureFormat::Png;
  return std::nullopt;
}

std::string_view ExtensionOf(PictureFormat format) {
  return format == PictureFormat::Bmp ? "bmp" : "png";
}

std::vector<unsigned char> EncodePicture(const PixelSurface& image, const std::vector<bool>& opaque,
                                         PictureFormat format) {
  if (!opaque.empty()) return EncodePngWithAlpha(image, opaque);
  return format == PictureFormat::Bmp ? EncodeBmp24(image) : EncodePng(image);
}

}  // namespace vestara
