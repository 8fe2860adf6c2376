#pragma once

#include <cstdint>
#include <span>

#include "graphics/color.h"

namespace vestara {

// out[i] = SpritePalette[bytes[i]] for every pixel byte; `out` holds bytes.size() colours.
// Runs of drawn pixels go through here, so it uses the CPU's gathers where it has them.
void LookUpPaletteColors(std::span<const std::uint8_t> bytes, Color* out);

}  // namespace vestara
