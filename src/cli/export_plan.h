#pragma once

#include <vector>

#include "cli/export_index.h"
#include "snapshot/picture_format.h"

namespace vestara {

// Every item to export, in category order; armor and shoes once per gender and colour.
// Each item's `file` is the picture's path relative to the export folder.
std::vector<ExportedItem> PlanExport(PictureFormat format);

}  // namespace vestara
