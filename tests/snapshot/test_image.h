#pragma once

#include <cstdint>

#include "graphics/color.h"
#include "snapshot/snapshot.h"

namespace vestara::testutil {

// Every pixel and every channel differs from its neighbours, so that a swapped channel,
// a flipped row or a shifted column shows.
inline Color TestColor(int x, int y) {
  return MakeColor(static_cast<std::uint8_t>(10 + 40 * x + y),
                   static_cast<std::uint8_t>(100 + 30 * y + x),
                   static_cast<std::uint8_t>(200 + 7 * x + 3 * y));
}

inline SnapshotImage TestImage(int width, int height) {
  SnapshotImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, TestColor(x, y));
  }
  return image;
}

}  // namespace vestara::testutil
