#include "render/sheet_packing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <tuple>

namespace vestara {
namespace {

// The free space of a sheet being filled: over [x, x + width) it is free from y down.
struct Segment {
  int x = 0;
  int y = 0;
  int width = 0;
};

class Skyline {
 public:
  explicit Skyline(int width) : segments_{{0, 0, width}}, width_(width) {}

  // The place for a box whose top stays lowest, then the leftmost; nullopt when no place
  // keeps its bottom within `maxHeight`.
  std::optional<SheetPlacement> Find(Extent box, int maxHeight) const {
    std::optional<SheetPlacement> best;
    int bestBottom = 0;
    for (std::size_t i = 0; i < segments_.size(); ++i) {
      const int x = segments_[i].x;
      if (x + box.width > width_) break;
      int y = 0;
      for (std::size_t j = i; j < segments_.size() && segments_[j].x < x + box.width; ++j) {
        y = std::max(y, segments_[j].y);
      }
      const int bottom = y + box.height;
      if (bottom <= maxHeight && (!best || bottom < bestBottom)) {
        best = SheetPlacement{0, x, y};
        bestBottom = bottom;
      }
    }
    return best;
  }

  void Place(SheetPlacement at, Extent box) {
    const int end = at.x + box.width;
    std::vector<Segment> next;
    for (const Segment& segment : segments_) {
      const int segmentEnd = segment.x + segment.width;
      if (segmentEnd <= at.x || segment.x >= end) {
        next.push_back(segment);
        continue;
      }
      // What the box leaves of the segment on either side.
      if (segment.x < at.x) next.push_back({segment.x, segment.y, at.x - segment.x});
      if (segment.x <= at.x) next.push_back({at.x, at.y + box.height, box.width});
      if (segmentEnd > end) next.push_back({end, segment.y, segmentEnd - end});
    }
    // Neighbours at the same height are one segment.
    segments_.clear();
    for (const Segment& segment : next) {
      if (!segments_.empty() && segments_.back().y == segment.y) {
        segments_.back().width += segment.width;
      } else {
        segments_.push_back(segment);
      }
    }
  }

 private:
  std::vector<Segment> segments_;
  int width_;
};

struct SheetFill {
  Extent size;
  std::vector<std::pair<std::size_t, SheetPlacement>> placed;  // box index, place
  std::vector<std::size_t> left;                               // box indices that did not fit
};

// Fills one sheet `width` wide with the boxes in `order`, skipping those that find no place.
SheetFill Fill(std::span<const Extent> boxes, const std::vector<std::size_t>& order, int width,
               int maxSide) {
  Skyline skyline(width);
  SheetFill fill;
  for (const std::size_t box : order) {
    const std::optional<SheetPlacement> at = skyline.Find(boxes[box], maxSide);
    if (!at) {
      fill.left.push_back(box);
      continue;
    }
    skyline.Place(*at, boxes[box]);
    fill.placed.emplace_back(box, *at);
    fill.size.width = std::max(fill.size.width, at->x + boxes[box].width);
    fill.size.height = std::max(fill.size.height, at->y + boxes[box].height);
  }
  return fill;
}

// Exact, so the trial widths are the same on every system.
std::int64_t IntegerSquareRoot(std::int64_t value) {
  auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(value)));
  while (root * root > value) --root;
  while ((root + 1) * (root + 1) <= value) ++root;
  return root;
}

// The smallest sheet for boxes that all fit on one `maxSide` wide: trial widths from the
// square of their area to twice it, and the widest box.
SheetFill SmallestFill(std::span<const Extent> boxes, const std::vector<std::size_t>& order,
                       int maxSide) {
  std::int64_t area = 0;
  int widest = 0;
  for (const std::size_t box : order) {
    area += std::int64_t{boxes[box].width} * boxes[box].height;
    widest = std::max(widest, boxes[box].width);
  }
  const std::int64_t side = IntegerSquareRoot(area);
  std::vector<int> widths{widest, maxSide};
  for (int tenths = 10; tenths <= 20; ++tenths) {
    widths.push_back(
        static_cast<int>(std::clamp<std::int64_t>(side * tenths / 10, widest, maxSide)));
  }
  std::optional<SheetFill> best;
  const auto score = [](const SheetFill& fill) {
    return std::make_tuple(std::int64_t{fill.size.width} * fill.size.height,
                           std::max(fill.size.width, fill.size.height), fill.size.width);
  };
  for (const int width : widths) {
    SheetFill fill = Fill(boxes, order, width, maxSide);
    if (fill.left.empty() && (!best || score(fill) < score(*best))) best = std::move(fill);
  }
  return *best;
}

}  // namespace

bool FitsOnSheet(Extent size, int maxSide, int padding) {
  return padding >= 0 && size.width <= maxSide - 2 * padding &&
         size.height <= maxSide - 2 * padding;
}

SheetLayout PackPictures(std::span<const Extent> sizes, int maxSide, int padding) {
  std::vector<Extent> boxes;
  for (const Extent& size : sizes)
    boxes.push_back({size.width + 2 * padding, size.height + 2 * padding});
  std::vector<std::size_t> order;
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i].width > 0 && sizes[i].height > 0 && FitsOnSheet(sizes[i], maxSide, padding)) {
      order.push_back(i);
    }
  }
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::tie(boxes[b].height, boxes[b].width) < std::tie(boxes[a].height, boxes[a].width);
  });

  SheetLayout layout;
  layout.placements.resize(sizes.size());
  while (!order.empty()) {
    // What one sheet of the largest width holds; of that, the smallest sheet that holds it.
    std::vector<std::size_t> left = Fill(boxes, order, maxSide, maxSide).left;
    std::vector<bool> isLeft(boxes.size(), false);
    for (const std::size_t box : left) isLeft[box] = true;
    std::vector<std::size_t> onSheet;
    std::ranges::copy_if(order, std::back_inserter(onSheet),
                         [&](std::size_t box) { return !isLeft[box]; });
    const SheetFill fill = SmallestFill(boxes, onSheet, maxSide);
    for (const auto& [box, at] : fill.placed) {
      layout.placements[box] = SheetPlacement{layout.sheets.size(), at.x + padding, at.y + padding};
    }
    layout.sheets.push_back(fill.size);
    order = std::move(left);
  }
  return layout;
}

}  // namespace vestara
