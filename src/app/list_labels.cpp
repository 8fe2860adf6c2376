#include "app/list_labels.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "app/item_lists.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "catalogue/item_labels.h"
#include "item_names/item_names_file.h"

namespace vestara {
namespace {

std::vector<std::string> Labels(std::span<const std::string_view> labels) {
  return {labels.begin(), labels.end()};
}

std::string OnOneLine(std::string name) {
  std::ranges::replace_if(
      name, [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
  return name;
}

std::vector<std::string> ItemLabels(ItemCategory category, const ItemNames& names) {
  std::vector<std::string> labels;
  int position = 0;
  for (const FrameTableEntry& entry : FrameTableOf(category)) {
    const std::string* name = names.Find(category, position++);
    labels.push_back(name != nullptr ? OnOneLine(*name) : std::string(entry.label));
  }
  return labels;
}

}  // namespace

ItemNames LoadItemNames() { return ReadItemNamesFile(kItemNamesFileName); }

std::vector<std::string> ListLabels(ControlId list, const ItemNames& names) {
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
  if (const std::optional<ItemCategory> category = CategoryOfList(list)) {
    return ItemLabels(*category, names);
  }
  return {};
}

}  // namespace vestara
