#include "snapshot/png_palette.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_map>

namespace vestara {
namespace {

constexpr std::size_t kMaxPaletteEntries = 256;
// Colours use the low 24 bits; this bit tells a transparent pixel's entry from an opaque
// one of the same colour.
constexpr std::uint32_t kTransparentKey = 1u << 24;

}  // namespace

std::optional<IndexedPicture> IndexPicture(const PixelSurface& image, const OpaqueMask& opaque) {
  const std::vector<Color>& pixels = image.Pixels();
  const auto keyOf = [&](std::size_t i) {
    const Color color = pixels[i] & 0xFFFFFFu;
    return opaque && (*opaque)[i] == 0 ? color | kTransparentKey : color;
  };

  // One pass: each pixel gets the entry of its key in order of first occurrence.
  std::vector<std::uint32_t> keys;
  std::unordered_map<std::uint32_t, std::uint8_t> entryOf;
  IndexedPicture picture;
  picture.indices.resize(pixels.size());
  std::uint32_t previousKey = 0;
  std::uint8_t previousEntry = 0;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t key = keyOf(i);
    // Runs of one colour are the rule in these pictures.
    if (i == 0 || key != previousKey) {
      auto found = entryOf.find(key);
      if (found == entryOf.end()) {
        if (keys.size() == kMaxPaletteEntries) return std::nullopt;
        found = entryOf.emplace(key, static_cast<std::uint8_t>(keys.size())).first;
        keys.push_back(key);
      }
      previousKey = key;
      previousEntry = found->second;
    }
    picture.indices[i] = previousEntry;
  }

  // Then the transparent entries move to the front, keeping their order and the others'.
  std::vector<std::uint8_t> order(keys.size());
  std::iota(order.begin(), order.end(), std::uint8_t{0});
  std::stable_partition(order.begin(), order.end(),
                        [&](std::uint8_t entry) { return (keys[entry] & kTransparentKey) != 0; });
  std::array<std::uint8_t, kMaxPaletteEntries> moved{};
  for (std::size_t entry = 0; entry < order.size(); ++entry) {
    moved[order[entry]] = static_cast<std::uint8_t>(entry);
    picture.palette.push_back(keys[order[entry]] & 0xFFFFFFu);
    if ((keys[order[entry]] & kTransparentKey) != 0) ++picture.transparentCount;
  }
  for (std::uint8_t& index : picture.indices) index = moved[index];
  return picture;
}

int BitsPerIndex(std::size_t colorCount) {
  if (colorCount <= 2) return 1;
  if (colorCount <= 4) return 2;
  if (colorCount <= 16) return 4;
  return 8;
}

}  // namespace vestara
