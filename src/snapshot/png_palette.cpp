#include "snapshot/png_palette.h"

#include <algorithm>
#include <unordered_map>

namespace vestara {
namespace {

constexpr std::size_t kMaxPaletteEntries = 256;
// Colours use the low 24 bits; this bit tells a transparent pixel's entry from an opaque
// one of the same colour.
constexpr std::uint32_t kTransparentKey = 1u << 24;

}  // namespace

std::optional<IndexedPicture> IndexPicture(const PixelSurface& image,
                                           const std::vector<bool>* opaque) {
  const std::vector<Color>& pixels = image.Pixels();
  const auto keyOf = [&](std::size_t i) {
    const Color colour = pixels[i] & 0xFFFFFFu;
    return opaque && !(*opaque)[i] ? colour | kTransparentKey : colour;
  };

  // Entries in order of first occurrence, transparent ones first.
  std::vector<std::uint32_t> keys;
  std::unordered_map<std::uint32_t, std::uint8_t> entryOf;
  std::uint32_t previousKey = 0;
  bool havePrevious = false;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t key = keyOf(i);
    // Runs of one colour are the rule in these pictures.
    if (havePrevious && key == previousKey) continue;
    previousKey = key;
    havePrevious = true;
    if (entryOf.contains(key)) continue;
    if (keys.size() == kMaxPaletteEntries) return std::nullopt;
    entryOf.emplace(key, 0);
    keys.push_back(key);
  }
  std::stable_partition(keys.begin(), keys.end(),
                        [](std::uint32_t key) { return (key & kTransparentKey) != 0; });

  IndexedPicture picture;
  picture.palette.reserve(keys.size());
  for (std::size_t entry = 0; entry < keys.size(); ++entry) {
    entryOf[keys[entry]] = static_cast<std::uint8_t>(entry);
    picture.palette.push_back(keys[entry] & 0xFFFFFFu);
    if ((keys[entry] & kTransparentKey) != 0) ++picture.transparentCount;
  }
  picture.indices.resize(pixels.size());
  std::uint32_t previous = 0;
  std::uint8_t previousEntry = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t key = keyOf(i);
    if (i == 0 || key != previous) {
      previous = key;
      previousEntry = entryOf.at(key);
    }
    picture.indices[i] = previousEntry;
  }
  return picture;
}

int BitsPerIndex(std::size_t colourCount) {
  if (colourCount <= 2) return 1;
  if (colourCount <= 4) return 2;
  if (colourCount <= 16) return 4;
  return 8;
}

}  // namespace vestara
