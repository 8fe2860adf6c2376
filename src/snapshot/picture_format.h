#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

enum class PictureFormat { Bmp, Png };

// The format that a file name's extension asks for: ".bmp" or ".png" in any letter case,
// after the last dot of the name's last component (split at '/' and '\'); nullopt for any
// other name.
std::optional<PictureFormat> PictureFormatOf(std::string_view fileName);
// "bmp" or "png".
std::string_view ExtensionOf(PictureFormat format);

// The picture file's bytes: a 24-bit BMP or PNG, or, when `opaque` is not empty, a PNG
// with alpha (a byte per pixel, 0 where transparent). Empty when the encoder fails.
std::vector<unsigned char> EncodePicture(const PixelSurface& image,
                                         std::span<const std::uint8_t> opaque,
                                         PictureFormat format);

}  // namespace vestara
