#pragma once

#include <vector>

#include "cli/export_index.h"
#include "item_names/item_names.h"
#include "snapshot/picture_format.h"

namespace vestara {

// Every item to export, in category order; armor and shoes once per gender and colour.
// Each item's `file` is the picture's path relative to the export folder. An item that
// `names` names carries that name as its label, in every gender and colour.
std::vector<ExportedItem> PlanExport(PictureFormat format, const ItemNames& names);

}  // namespace vestara
