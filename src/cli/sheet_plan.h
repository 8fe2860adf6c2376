#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/export_index.h"
#include "item_names/item_names.h"
#include "sprite/sprite_decoder.h"

namespace vestara {

// Where a picture lies: the sheet's file name and the picture's rectangle there.
struct SheetRect {
  std::string image;
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// One picture of a list's sheets: its frame name in the atlas, the frame it shows, our own
// fields for the atlas, for the catalogue the item as export lists it, and, once packed,
// where it lies.
struct SheetEntry {
  std::string key;
  std::string archive;  // the archive's file name
  FrameIndex frame = 0;
  std::vector<std::pair<std::string, std::string>> data;
  std::optional<ExportedItem> item;
  std::optional<SheetRect> rect;
};

// What one list's sheets hold, named as its files are: <name>.png and <name>.json.
struct SheetList {
  std::string name;
  std::vector<SheetEntry> entries;
};

// The catalogue's lists as export lays them out: weapon, shield, ring, necklace and soul, and
// armor and shoes once per gender and colour ("armor-female-3"); frames named
// "<list>/<position>" ("weapon/012"), labels from `names` where it names an item.
std::vector<SheetList> PlanCatalogueSheets(const ItemNames& names);

// Every frame of the archive `archiveName`, a list named after the archive without its
// .spr.NCS ("Weapon"), frames named "<list>/<frame>" ("Weapon/102").
SheetList PlanArchiveSheet(const std::string& archiveName, std::uint32_t frameCount);

}  // namespace vestara
