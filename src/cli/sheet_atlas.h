#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graphics/stretch.h"

namespace vestara {

// One frame of an atlas: its name, the rectangle of its picture on the sheet, and our own
// fields, each a name and its JSON value, written in this order under "vestara".
struct AtlasFrame {
  std::string key;
  int x = 0;
  int y = 0;
  Extent size;
  std::vector<std::pair<std::string, std::string>> data;
};

// The sheet an atlas describes: its PNG's file name and size, and the atlases of the other
// sheets of the same list, which the first names so that loaders find them all.
struct AtlasSheet {
  std::string image;
  Extent size;
  std::vector<std::string> relatedAtlases;
};

// `text` as a JSON string, quoted; control characters escaped, the rest kept as UTF-8.
std::string JsonString(std::string_view text);

// The atlas in the JSON Hash layout that TexturePacker writes and PixiJS, Phaser and most 2D
// engines read: frames by name (unrotated, untrimmed), then meta. One frame a line.
std::string MakeAtlasJson(std::span<const AtlasFrame> frames, const AtlasSheet& sheet);

}  // namespace vestara
