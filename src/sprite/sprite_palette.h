#pragma once

#include <array>

#include "graphics/color.h"

namespace vestara {

// The fixed 256-colour table that every pixel byte of a frame indexes. Archives carry
// no palette, and no index is transparent.
extern const std::array<Color, 256> SpritePalette;

}  // namespace vestara
