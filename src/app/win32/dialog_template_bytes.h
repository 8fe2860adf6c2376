#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vestara {

// The viewer's dialog as an in-memory DLGTEMPLATEEX for DialogBoxIndirectParamW: the
// controls, captions, rectangles (dialog units), tab order and font size of DialogTemplate(),
// in the font family `face` (UTF-8). The dialog manager takes its base units from that font,
// so the layout follows the face the dialog is drawn in. Held in WORDs, which keeps the
// template and its items as aligned as Windows needs.
std::vector<std::uint16_t> BuildDialogTemplate(std::string_view face);

}  // namespace vestara
