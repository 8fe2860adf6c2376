#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

#include "graphics/stretch.h"

namespace vestara {

// Where one picture lies: on which sheet, and its top-left corner there.
struct SheetPlacement {
  std::size_t sheet = 0;
  int x = 0;
  int y = 0;
  friend bool operator==(const SheetPlacement&, const SheetPlacement&) = default;
};

// Pictures packed onto as few sheets as hold them: each sheet's size, and each picture's
// place, in the order the pictures were given (none for a picture that fits on no sheet).
struct SheetLayout {
  std::vector<Extent> sheets;
  std::vector<std::optional<SheetPlacement>> placements;
};

// The largest side a sheet may have that every WebGL device takes as a texture.
inline constexpr int kDefaultSheetSide = 4096;

// Whether a picture of `size` fits on a sheet whose sides are at most `maxSide`, with
// `padding` pixels all round it.
bool FitsOnSheet(Extent size, int maxSide, int padding);

// Packs pictures of `sizes` onto sheets of at most `maxSide` pixels a side, each picture once,
// unrotated, with `padding` free pixels all round it (so between two pictures twice that),
// tallest first onto the place where its top stays lowest; each sheet as small as a few
// trial widths make it. The same sizes give the same layout. A picture without pixels, or
// too large (FitsOnSheet), gets no place.
SheetLayout PackPictures(std::span<const Extent> sizes, int maxSide, int padding);

}  // namespace vestara
