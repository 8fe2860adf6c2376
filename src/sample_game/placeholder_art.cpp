#include <cstdint>

#include "sample_game/art_palette.h"
#include "sample_game/sample_art.h"

namespace vestara {

PixelArt DrawPlaceholder(int frame) {
  const int size = 6 + frame % 5;
  PixelArt art(size, size);
  const std::uint8_t grey = 248;  // the system palette's grey
  for (int i = 0; i < size; ++i) {
    art.Set(i, 0, grey);
    art.Set(i, size - 1, grey);
    art.Set(0, i, grey);
    art.Set(size - 1, i, grey);
    art.Set(i, i, kBlack);
    art.Set(size - 1 - i, i, kBlack);
  }
  return art;
}

PixelArt DrawPaletteChart() {
  constexpr int kCell = 4;
  PixelArt art(16 * kCell, 16 * kCell);
  for (int index = 0; index < 256; ++index) {
    art.FillRect(index % 16 * kCell, index / 16 * kCell, kCell, kCell,
                 static_cast<std::uint8_t>(index));
  }
  return art;
}

}  // namespace vestara
