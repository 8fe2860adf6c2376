#include "cli/export_plan.h"

#include <string>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "cli/cli_choices.h"

namespace vestara {

std::vector<ExportedItem> PlanExport(PictureFormat format, const ItemNames& names) {
  std::vector<ExportedItem> items;
  const auto addCategory = [&](ItemCategory category, const std::string& archive,
                               const std::string& gender, const std::string& color) {
    const std::string name(CategoryName(category));
    const std::string folder = gender.empty() ? name : name + "/" + gender + "-" + color;
    int position = 0;
    for (const FrameTableEntry& entry : FrameTableOf(category)) {
      const std::string* named = names.Find(category, position);
      items.push_back(
          {name,
           position,
           named != nullptr ? *named : std::string(entry.label),
           gender,
           color,
           archive,
           entry.frame,
           std::nullopt,
           folder + "/" + PositionText(position) + "." + std::string(ExtensionOf(format)),
           {}});
      ++position;
    }
  };
  for (int category = 0; category < kItemCategoryCount; ++category) {
    const auto item = static_cast<ItemCategory>(category);
    if (ColorCountOf(item) == 0) {
      addCategory(item, ArchiveNameOf(item, 0, 0), {}, {});
      continue;
    }
    for (int gender = 0; gender < kGenderCount; ++gender) {
      for (int color = 0; color < ColorCountOf(item); ++color) {
        addCategory(item, ArchiveNameOf(item, gender, color), std::string(GenderName(gender)),
                    std::to_string(color));
      }
    }
  }
  return items;
}

}  // namespace vestara
