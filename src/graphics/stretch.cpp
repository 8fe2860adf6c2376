#include "graphics/stretch.h"

#include <algorithm>

#include "graphics/stretch_color_on_color.h"
#include "graphics/stretch_halftone.h"

namespace vestara {

void StretchCopy(const PixelSurface& source, Extent sourceSize, PixelSurface& destination,
                 Extent destinationSize, StretchMode mode, Color outside) {
  if (sourceSize.width <= 0 || sourceSize.height <= 0 || destinationSize.width <= 0 ||
      destinationSize.height <= 0) {
    return;
  }
  const Extent clipped{std::min(destinationSize.width, destination.Width()),
                       std::min(destinationSize.height, destination.Height())};
  if (clipped.width <= 0 || clipped.height <= 0) return;
  if (mode == StretchMode::Halftone) {
    StretchHalftone(source, sourceSize, destination, destinationSize, clipped, outside);
  } else {
    StretchColorOnColor(source, sourceSize, destination, destinationSize, clipped, outside);
  }
}

}  // namespace vestara
