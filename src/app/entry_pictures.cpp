#include "app/entry_pictures.h"

#include <algorithm>
#include <map>
#include <optional>

#include "app/item_lists.h"
#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "game/game_path.h"

namespace vestara {
namespace {

constexpr ControlId kPictureLists[] = {kWeaponCombo,     kShieldCombo,   kArmorCombo,
                                       kArmorColorCombo, kShoesCombo,    kShoesColorCombo,
                                       kRingCombo,       kNecklaceCombo, kSoulCombo};

// Armor or shoes: the lists and radios that choose their archive and item.
struct Variant {
  ItemCategory category;
  ControlId items;
  ControlId colors;
  ControlId firstRadio;
  ControlId lastRadio;
};
constexpr Variant kVariants[] = {
    {Armor, kArmorCombo, kArmorColorCombo, kArmorMaleRadio, kArmorFemaleRadio},
    {Shoes, kShoesCombo, kShoesColorCombo, kShoesMaleRadio, kShoesFemaleRadio}};

// What one entry shows: a frame of an archive.
struct EntrySource {
  std::string archiveName;
  std::optional<FrameIndex> frame;
};

std::optional<FrameIndex> FrameOf(ItemCategory category, int position) {
  const FrameIndex frame = FrameOfSelection(category, position);
  return frame == kNoFrame ? std::nullopt : std::optional(frame);
}

std::vector<EntrySource> SourcesOf(ControlId list, const DialogWindow& window) {
  std::vector<EntrySource> sources;
  for (const Variant& variant : kVariants) {
    const int gender = window.CheckedRadio(variant.firstRadio);
    if (list == variant.colors) {
      const std::optional<FrameIndex> item =
          FrameOf(variant.category, window.CurrentSelection(variant.items));
      for (int color = 0; color < ColorCountOf(variant.category); ++color) {
        sources.push_back({ArchiveNameOf(variant.category, gender, color), item});
      }
      return sources;
    }
  }
  const std::optional<ItemCategory> category = CategoryOfList(list);
  if (!category) return sources;
  // Armor and shoes in the colour and gender chosen; the other categories have one archive.
  int gender = 0;
  int color = 0;
  for (const Variant& variant : kVariants) {
    if (variant.category != *category) continue;
    gender = window.CheckedRadio(variant.firstRadio);
    color = window.CurrentSelection(variant.colors);
  }
  const std::string archive = ArchiveNameOf(*category, gender, color);
  const auto count = static_cast<int>(FrameTableOf(*category).size());
  for (int position = 0; position < count; ++position) {
    sources.push_back({archive, FrameOf(*category, position)});
  }
  return sources;
}

}  // namespace

std::span<const ControlId> PictureLists() { return kPictureLists; }

std::vector<ControlId> ListsAlteredBy(int controlId, int code) {
  std::vector<ControlId> altered;
  for (const Variant& variant : kVariants) {
    const bool radio =
        code == kClicked && controlId >= variant.firstRadio && controlId <= variant.lastRadio;
    if ((code == kSelectionChanged && controlId == variant.colors) || radio) {
      altered.push_back(variant.items);
    }
    if ((code == kSelectionChanged && controlId == variant.items) || radio) {
      altered.push_back(variant.colors);
    }
  }
  return altered;
}

std::vector<EntryPictures> MakeEntryPictures(ControlId list, const std::string& gameFolder,
                                             const DialogWindow& window) {
  const std::vector<EntrySource> sources = SourcesOf(list, window);
  // Entries by archive, so that each archive is read once for all of its entries.
  std::map<std::string, std::vector<std::size_t>> positions;
  for (std::size_t at = 0; at < sources.size(); ++at) {
    positions[sources[at].archiveName].push_back(at);
  }
  std::vector<EntryPictures> pictures(sources.size());
  const ListPictureSides sides = window.PictureSides();
  for (const auto& [archive, entries] : positions) {
    std::vector<std::optional<FrameIndex>> frames;
    for (const std::size_t at : entries) frames.push_back(sources[at].frame);
    std::vector<EntryPictures> made =
        MakeListPictures(ArchivePathIn(gameFolder, archive), frames, sides);
    for (std::size_t i = 0; i < entries.size(); ++i) pictures[entries[i]] = std::move(made[i]);
  }
  return pictures;
}

}  // namespace vestara
