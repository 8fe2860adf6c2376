// Pictures packed onto sheets: each once, apart by the padding, inside sheets of at most the
// largest side, on few and small sheets, the same way every time.
#include "render/sheet_packing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace vestara {
namespace {

struct Box {
  std::size_t sheet;
  int left, top, right, bottom;  // with the padding, right and bottom exclusive
};

// Checks what every layout must hold; returns the pictures' boxes with their padding.
std::vector<Box> CheckLayout(const std::vector<Extent>& sizes, const SheetLayout& layout,
                             int maxSide, int padding) {
  EXPECT_EQ(layout.placements.size(), sizes.size());
  for (const Extent& sheet : layout.sheets) {
    EXPECT_LE(sheet.width, maxSide);
    EXPECT_LE(sheet.height, maxSide);
  }
  std::vector<Box> boxes;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    const bool fits = sizes[i].width > 0 && sizes[i].height > 0 &&
                      sizes[i].width + 2 * padding <= maxSide &&
                      sizes[i].height + 2 * padding <= maxSide;
    EXPECT_EQ(layout.placements[i].has_value(), fits) << i;
    if (!layout.placements[i]) continue;
    const SheetPlacement at = *layout.placements[i];
    EXPECT_LT(at.sheet, layout.sheets.size());
    const Box box{at.sheet, at.x - padding, at.y - padding, at.x + sizes[i].width + padding,
                  at.y + sizes[i].height + padding};
    EXPECT_GE(box.left, 0) << i;
    EXPECT_GE(box.top, 0) << i;
    EXPECT_LE(box.right, layout.sheets[at.sheet].width) << i;
    EXPECT_LE(box.bottom, layout.sheets[at.sheet].height) << i;
    for (const Box& other : boxes) {
      const bool apart = other.sheet != box.sheet || other.right <= box.left ||
                         box.right <= other.left || other.bottom <= box.top ||
                         box.bottom <= other.top;
      EXPECT_TRUE(apart) << "picture " << i << " overlaps another";
    }
    boxes.push_back(box);
  }
  return boxes;
}

TEST(SheetPackingTest, KnownLayouts) {
  struct Case {
    std::string name;
    std::vector<Extent> sizes;
    int maxSide, padding;
    std::vector<Extent> sheets;
  };
  const std::vector<Extent> sixteen(16, Extent{10, 10});
  const std::vector<Extent> five(5, Extent{60, 60});
  const Case cases[] = {
      {"OnePicture", {{7, 3}}, 4096, 1, {{9, 5}}},
      {"NoPadding", {{7, 3}}, 4096, 0, {{7, 3}}},
      // Sixteen boxes of 12 x 12 make a square of four by four.
      {"Square", sixteen, 4096, 1, {{48, 48}}},
      // Four of 62 x 62 fill a sheet of 128; the fifth starts another.
      {"SecondSheet", five, 128, 1, {{124, 124}, {62, 62}}},
      {"ExactlyTheLargestSide", {{126, 126}}, 128, 1, {{128, 128}}},
      {"TooLargeAndEmpty", {{127, 1}, {0, 5}, {3, 3}}, 128, 1, {{5, 5}}},
  };
  for (const Case& c : cases) {
    const SheetLayout layout = PackPictures(c.sizes, c.maxSide, c.padding);
    EXPECT_EQ(layout.sheets, c.sheets) << c.name;
    CheckLayout(c.sizes, layout, c.maxSide, c.padding);
  }
}

// Sprites of many sizes, as a game's lists hold them.
std::vector<Extent> RandomSizes(unsigned seed, int count, int largest) {
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> side(1, largest);
  std::vector<Extent> sizes;
  for (int i = 0; i < count; ++i) sizes.push_back({side(random), side(random)});
  return sizes;
}

TEST(SheetPackingTest, ManySizesArePackedApartTightlyAndAlike) {
  for (const unsigned seed : {1u, 2u, 3u}) {
    for (const auto& [maxSide, padding] :
         {std::pair{4096, 1}, std::pair{300, 2}, std::pair{512, 0}}) {
      const std::vector<Extent> sizes = RandomSizes(seed, 400, 100);
      const SheetLayout layout = PackPictures(sizes, maxSide, padding);
      const std::vector<Box> boxes = CheckLayout(sizes, layout, maxSide, padding);
      // The boxes cover most of the sheets, and all but the last sheet are mostly full.
      std::int64_t used = 0, total = 0;
      for (const Box& box : boxes)
        used += std::int64_t{box.right - box.left} * (box.bottom - box.top);
      for (const Extent& sheet : layout.sheets) total += std::int64_t{sheet.width} * sheet.height;
      EXPECT_GT(used * 100, total * 75) << seed << " " << maxSide;
      EXPECT_LT(static_cast<std::int64_t>(layout.sheets.size() - 1) * maxSide * maxSide * 75,
                used * 100)
          << seed << " " << maxSide;
      const SheetLayout again = PackPictures(sizes, maxSide, padding);
      EXPECT_EQ(again.sheets, layout.sheets);
      EXPECT_EQ(again.placements, layout.placements);
    }
  }
}

}  // namespace
}  // namespace vestara
