#pragma once

#include "graphics/color.h"
#include "graphics/pixel_surface.h"

namespace vestara {

enum class StretchMode : int {
  // Rows and columns are dropped or repeated: each destination pixel takes one source pixel.
  ColorOnColor = 3,
  // Each destination pixel takes the average of the source pixels that map onto it.
  Halftone = 4,
};

struct Extent {
  int width = 0;
  int height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

// Stretches the rectangle of `sourceSize` at the source's origin onto the rectangle of
// `destinationSize` at the destination's origin.
//
// ColorOnColor: destination pixel (x, y) takes source pixel
// (x * sourceWidth / destinationWidth, y * sourceHeight / destinationHeight).
// Halftone: destination pixel (x, y) takes the average, each channel rounded to nearest, of
// the source pixels (sx, sy) with sx * destinationWidth / sourceWidth == x and
// sy * destinationHeight / sourceHeight == y. Along an axis that is enlarged no source index
// may map onto x (or y); there the colour-on-colour index is used.
//
// Source pixels outside the source surface count as `outside`. Writes are clipped to the
// destination surface; pixels of the surface beyond the rectangle keep their colour.
// Empty rectangles draw nothing.
void StretchCopy(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                 Extent destinationSize, StretchMode mode, Color outside);

}  // namespace vestara
