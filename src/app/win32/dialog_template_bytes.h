#pragma once

#include <cstdint>
#include <vector>

namespace vestara {

// The viewer's dialog as an in-memory DLGTEMPLATEEX for DialogBoxIndirectParamW: the
// controls, captions, rectangles (dialog units), tab order and font of DialogTemplate().
// Held in WORDs, which keeps the template and its items as aligned as Windows needs.
std::vector<std::uint16_t> BuildDialogTemplate();

}  // namespace vestara
