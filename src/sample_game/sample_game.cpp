#include "sample_game/sample_game.h"

#include <algorithm>
#include <array>
#include <map>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "game/game_folder.h"
#include "game/game_path.h"
#include "sample_game/archive_writer.h"
#include "sample_game/sample_art.h"

namespace vestara {
namespace {

using DrawFrame = std::function<PixelArt(int frame)>;

// One past the highest frame number that the categories' tables name.
int FrameCountFor(std::initializer_list<ItemCategory> categories) {
  int count = 0;
  for (ItemCategory category : categories) {
    for (const FrameTableEntry& entry : FrameTableOf(category)) {
      count = std::max(count, entry.frame + 1);
    }
  }
  return count;
}

std::vector<std::uint8_t> BuildFrames(int frameCount, const DrawFrame& draw) {
  std::vector<FrameRecord> frames;
  frames.reserve(static_cast<std::size_t>(frameCount));
  for (int frame = 0; frame < frameCount; ++frame) {
    frames.push_back(FrameFromGrid(draw(frame).Grid()));
  }
  return BuildArchive(frames);
}

// Draws the category's art at the frames its table names and a placeholder elsewhere.
std::vector<std::uint8_t> BuildCategoryArchive(ItemCategory category, const DrawFrame& draw) {
  std::vector<bool> named(static_cast<std::size_t>(FrameCountFor({category})), false);
  for (const FrameTableEntry& entry : FrameTableOf(category)) named[entry.frame] = true;
  return BuildFrames(static_cast<int>(named.size()), [&](int frame) {
    return named[static_cast<std::size_t>(frame)] ? draw(frame) : DrawPlaceholder(frame);
  });
}

// Rings, necklaces and souls share one archive; frame 0, which none of them names,
// shows every palette colour.
std::vector<std::uint8_t> BuildAccessoryArchive() {
  std::map<int, ItemCategory> owner;
  for (ItemCategory category : {Ring, Necklace, Soul}) {
    for (const FrameTableEntry& entry : FrameTableOf(category)) owner[entry.frame] = category;
  }
  return BuildFrames(FrameCountFor({Ring, Necklace, Soul}), [&](int frame) {
    const auto found = owner.find(frame);
    if (found == owner.end()) return frame == 0 ? DrawPaletteChart() : DrawPlaceholder(frame);
    switch (found->second) {
      case Ring:
        return DrawRing(frame);
      case Necklace:
        return DrawNecklace(frame);
      default:
        return DrawSoul(frame);
    }
  });
}

// A game path with the separators of the native file system.
std::string NativeRelative(std::string gamePath) {
  std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
  return gamePath;
}

std::string DataPath(std::string_view archiveName) {
  return NativeRelative(ArchiveGamePath(archiveName));
}

}  // namespace

std::vector<SampleGameFile> SampleGameFiles() {
  std::vector<SampleGameFile> files;
  files.push_back({DataPath(FixedArchiveName(Weapon)),
                   [] { return BuildCategoryArchive(Weapon, DrawWeapon); }});
  files.push_back({DataPath(FixedArchiveName(Shield)),
                   [] { return BuildCategoryArchive(Shield, DrawShield); }});
  for (int gender = 0; gender < 2; ++gender) {
    for (int color = 0; color < kArmorColorCount; ++color) {
      files.push_back({DataPath(ArmorArchiveName(gender, color)), [gender, color] {
                         return BuildCategoryArchive(
                             Armor, [&](int frame) { return DrawArmor(frame, gender, color); });
                       }});
    }
    for (int color = 0; color < kShoesColorCount; ++color) {
      files.push_back({DataPath(ShoesArchiveName(gender, color)), [gender, color] {
                         return BuildCategoryArchive(
                             Shoes, [&](int frame) { return DrawShoes(frame, gender, color); });
                       }});
    }
  }
  files.push_back({DataPath(FixedArchiveName(Ring)), BuildAccessoryArchive});
  files.push_back({NativeRelative(kProbeFile), [] { return BuildFrames(1, DrawPlaceholder); }});
  return files;
}

}  // namespace vestara
