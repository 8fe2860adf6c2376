#pragma once

#include <string>

#include "graphics/pixel_surface.h"

namespace vestara {

// The picture a capture draws into and saves (24-bit; created black).
using SnapshotImage = PixelSurface;

// The first name of "G%07ld.bmp", n = 1 .. 9999998, under which nothing exists in the
// working directory; empty when all are taken.
std::string FindFreeSnapshotName();

// What SaveNextSnapshot did: the name it used (empty when every name is taken) and
// whether the file was written under it.
struct SnapshotSaveResult {
  std::string name;
  bool saved = false;
};

// Saves `image` as a BMP under the first free snapshot name. The name is created
// exclusively; when another process takes it between the search and the create, the
// search runs again, so captures at the same moment each get a name of their own and
// none replaces another. `saved` is false when the picture cannot be encoded (it has no
// pixels) or the file cannot be written for any other reason; the name is then the one
// the file would have had.
SnapshotSaveResult SaveNextSnapshot(const SnapshotImage& image);

}  // namespace vestara
