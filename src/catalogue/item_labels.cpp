#include "catalogue/item_labels.h"

#include <array>
#include <cstddef>

#include "catalogue/archive_names.h"

namespace vestara {
namespace {

constexpr std::array<std::string_view, 7> kColorLabels{"色 1", "色 2", "色 3", "色 4",
                                                       "色 5", "色 6", "色 7"};
// Armor offers the first five colours of the shoes list.
static_assert(kColorLabels.size() == kShoesColorCount && kArmorColorCount <= kShoesColorCount);

constexpr std::array<std::string_view, 4> kBackgroundLabels{"白", "紫", "緑", "黒"};
constexpr std::array<std::uint32_t, 4> kBackgroundColors{0xFFFFFF, 0xFF00FF, 0x00FF00, 0x000000};
constexpr std::uint32_t kDefaultBackground = 0xFFFFFF;

}  // namespace

std::span<const std::string_view> ArmorColorLabels() {
  return std::span(kColorLabels).first(kArmorColorCount);
}

std::span<const std::string_view> ShoesColorLabels() {
  return std::span(kColorLabels).first(kShoesColorCount);
}

std::span<const std::string_view> BackgroundLabels() { return kBackgroundLabels; }

std::uint32_t BackgroundColorOf(int selection) {
  if (selection < 0 || static_cast<std::size_t>(selection) >= kBackgroundColors.size()) {
    return kDefaultBackground;
  }
  return kBackgroundColors[selection];
}

}  // namespace vestara
