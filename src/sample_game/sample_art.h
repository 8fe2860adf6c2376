#pragma once

#include "sample_game/pixel_art.h"

namespace vestara {

// The sample game's procedural pictures, one per frame number of each archive. The same
// arguments always give the same picture.
PixelArt DrawWeapon(int frame);
PixelArt DrawShield(int frame);
// gender 0 male, 1 female; colour is the archive's colour code.
PixelArt DrawArmor(int frame, int gender, int color);
PixelArt DrawShoes(int frame, int gender, int color);
PixelArt DrawRing(int frame);
PixelArt DrawNecklace(int frame);
PixelArt DrawSoul(int frame);
// A small marker for the frames that no item names.
PixelArt DrawPlaceholder(int frame);
// Every palette entry once, as a 16 x 16 chart of 4 x 4 cells.
PixelArt DrawPaletteChart();

}  // namespace vestara
