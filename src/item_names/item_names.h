#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "catalogue/item_category.h"

namespace vestara {

// A name a player gave the item at a list position.
struct ItemName {
  ItemCategory category = Weapon;
  int position = 0;
  std::string label;
};

// A line of a names file that names nothing because it is wrong.
struct BadNameLine {
  int line = 0;  // the physical line its record starts on; 1 is the header
  std::string reason;
};

// What a names file gives: a CSV text whose header starts with category,position,label,
// the first columns of an export's index.csv, so that an export's list, its labels edited,
// serves as it is.
struct ItemNames {
  // One per named entry, in file order: the first line that names it. A line whose label
  // is empty or the entry's own label names nothing, so the many armor and shoes lines of
  // an index.csv (one per gender and colour) name an item only where a label was changed.
  std::vector<ItemName> names;
  std::vector<BadNameLine> badLines;  // in file order
  std::string fileProblem;  // why the file as a whole gives no names; empty when it was read

  // The name of a list entry; nullptr when it has none.
  const std::string* Find(ItemCategory category, int position) const;
};

// The names in `text` (UTF-8). A wrong header makes the whole file a bad line 1; any other
// line that does not parse, names an unknown category or a position beyond the category's
// list is a bad line on its own. Rows with no text in any field are no lines at all.
ItemNames ParseItemNames(std::string_view text);

}  // namespace vestara
