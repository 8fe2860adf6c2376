#pragma once

#include <string>
#include <vector>

#include "graphics/pixel_surface.h"

namespace vestara {

// The picture a capture draws into and saves (24-bit; created black).
using SnapshotImage = PixelSurface;

// The first name of "G%07ld.bmp", n = 1 .. 9999998, under which nothing exists in the
// working directory; empty when all are taken.
std::string FindFreeSnapshotName();

// Writes `image` to `name`, never replacing an existing file. The extension picks the
// format: ".bmp" uncompressed 24-bit BMP, ".png" 24-bit PNG (case-insensitive); any
// other extension fails. False on every failure (a partial file is removed).
bool SaveSnapshot(const SnapshotImage& image, const std::string& name);

// Writes `image` to `name` as a PNG with an alpha channel, whatever the extension:
// fully opaque where `opaque` is true, fully transparent elsewhere. `opaque` holds one
// entry per pixel, row by row from the top; any other size fails. Never replaces an
// existing file; false on every failure (a partial file is removed).
bool SavePngWithAlpha(const SnapshotImage& image, const std::vector<bool>& opaque,
                      const std::string& name);

}  // namespace vestara
