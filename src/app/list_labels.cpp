#include "app/list_labels.h"

#include <span>

#include "app/item_lists.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"

namespace vestara {
namespace {

std::vector<std::string_view> Labels(std::span<const std::string_view> labels) {
  return {labels.begin(), labels.end()};
}

std::vector<std::string_view> ItemLabels(std::span<const FrameTableEntry> table) {
  std::vector<std::string_view> labels;
  labels.reserve(table.size());
  for (const FrameTableEntry& entry : table) labels.push_back(entry.label);
  return labels;
}

}  // namespace

std::vector<std::string_view> ListLabels(ControlId list) {
  switch (list) {
    case kArmorColorCombo:
      return Labels(ArmorColorLabels());
    case kShoesColorCombo:
      return Labels(ShoesColorLabels());
    case kBackgroundCombo:
      return Labels(BackgroundLabels());
    default:
      break;
  }
  for (std::int32_t category = 0; category < kItemCategoryCount; ++category) {
    if (ItemListOf(category) == list) return ItemLabels(FrameTableOf(category));
  }
  return {};
}

}  // namespace vestara
