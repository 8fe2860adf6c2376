#include "cli/sheet_plan.h"

#include <algorithm>
#include <cctype>

#include "cli/export_plan.h"
#include "cli/sheet_atlas.h"
#include "snapshot/picture_format.h"

namespace vestara {
namespace {

constexpr std::string_view kArchiveSuffix = ".spr.NCS";

std::string ListNameOf(const ExportedItem& item) {
  if (item.gender.empty()) return item.category;
  return item.category + "-" + item.gender + "-" + item.color;
}

}  // namespace

std::vector<SheetList> PlanCatalogueSheets(const ItemNames& names) {
  std::vector<SheetList> lists;
  for (ExportedItem& item : PlanExport(PictureFormat::Png, names)) {
    const std::string list = ListNameOf(item);
    if (lists.empty() || lists.back().name != list) lists.push_back({list, {}});
    item.file.clear();  // a sheet's name, once the picture is on one
    lists.back().entries.push_back({list + "/" + PositionText(item.position),
                                    item.archive,
                                    static_cast<FrameIndex>(item.frame),
                                    {{"category", JsonString(item.category)},
                                     {"position", std::to_string(item.position)},
                                     {"label", JsonString(item.label)},
                                     {"gender", JsonString(item.gender)},
                                     {"colour", JsonString(item.color)},
                                     {"archive", JsonString(item.archive)},
                                     {"frame", std::to_string(item.frame)}},
                                    item,
                                    std::nullopt});
  }
  return lists;
}

SheetList PlanArchiveSheet(const std::string& archiveName, std::uint32_t frameCount) {
  std::string list = archiveName;
  const bool suffixed =
      list.size() > kArchiveSuffix.size() &&
      std::equal(kArchiveSuffix.rbegin(), kArchiveSuffix.rend(), list.rbegin(),
                 [](char a, char b) { return std::tolower(a) == std::tolower(b); });
  if (suffixed) list.resize(list.size() - kArchiveSuffix.size());
  SheetList sheet{list, {}};
  for (std::uint32_t frame = 0; frame < frameCount; ++frame) {
    sheet.entries.push_back(
        {list + "/" + PositionText(static_cast<int>(frame)),
         archiveName,
         static_cast<FrameIndex>(frame),
         {{"archive", JsonString(archiveName)}, {"frame", std::to_string(frame)}},
         std::nullopt,
         std::nullopt});
  }
  return sheet;
}

}  // namespace vestara
