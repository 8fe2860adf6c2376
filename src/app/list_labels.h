#pragma once

#include <string>
#include <vector>

#include "app/control_ids.h"
#include "item_names/item_names.h"

namespace vestara {

// The names the player gave items: item-names.csv in the working directory, its bad lines
// skipped; none when the file is missing or cannot serve. A window reads them once, as it
// fills its lists.
ItemNames LoadItemNames();

// The entries of a selection list in list order (UTF-8); empty for a control that is no list.
// An item list shows the name `names` gives an entry in place of its label, with control
// characters (a line break in a quoted label) as spaces, since a list entry is one line.
std::vector<std::string> ListLabels(ControlId list, const ItemNames& names);

}  // namespace vestara
