#pragma once

#include <cstdint>
#include <span>

#include "graphics/color.h"
#include "graphics/cpu_features.h"

namespace vestara {

// out[i] = SpritePalette[bytes[i]] for every pixel byte; `out` holds bytes.size() colours.
// Runs of drawn pixels go through here, so it uses gathers at VectorLevel::Avx2; the
// caller asks UsableVectorLevel once for many runs.
void LookUpPaletteColors(std::span<const std::uint8_t> bytes, Color* out, VectorLevel level);

}  // namespace vestara
