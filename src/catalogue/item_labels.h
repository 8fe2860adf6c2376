#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace vestara {

// The texts of the colour lists and of the background list, in list order; a colour
// list position is the archive's colour code.
std::span<const std::string_view> ArmorColorLabels();  // "色 1" .. "色 5"
std::span<const std::string_view> ShoesColorLabels();  // "色 1" .. "色 7"
std::span<const std::string_view> BackgroundLabels();  // "白", "紫", "緑", "黒"

// The background colour (0x00BBGGRR) of a background list position; white for any
// position outside the list, including -1 (no selection).
std::uint32_t BackgroundColorOf(int selection);

}  // namespace vestara
