#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

enum class PictureFormat { Bmp, Png };

// The format that a file name's extension asks for (".bmp" or ".png", any letter case);
// nullopt for any other name.
std::optional<PictureFormat> PictureFormatOf(std::string_view fileName);
// "bmp" or "png".
std::string_view ExtensionOf(PictureFormat format);

// The picture file's bytes: a 24-bit BMP or PNG, or, when `opaque` is not empty, a PNG
// with alpha (opaque where true). Empty when the encoder fails.
std::vector<unsigned char> EncodePicture(const PixelSurface& image, const std::vector<bool>& opaque,
                                         PictureFormat format);

}  // namespace vestara
