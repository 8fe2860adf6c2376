#pragma once

#include <vector>

#include "app/clipboard_picture.h"

namespace vestara {

// The bitmap forms of a clipboard picture, as Windows programs read them.

// CF_DIB: the capture's BMP file without its 14-byte file header (a BITMAPINFOHEADER and
// the 24-bit rows, bottom-up), so a paste shows the very pixels of the BMP. Transparent
// pixels are black, as in the picture. Empty when the picture cannot be encoded.
std::vector<unsigned char> DibOf(const ClipboardPicture& picture);

// CF_DIBV5: a BITMAPV5HEADER (sRGB, 32 bits with an alpha mask) and the rows bottom-up,
// each pixel B, G, R, A with alpha 0 where the picture is transparent and 255 elsewhere.
// Empty when the picture has no pixels.
std::vector<unsigned char> DibV5Of(const ClipboardPicture& picture);

}  // namespace vestara
