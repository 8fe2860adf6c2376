#include "sprite/sprite_decoder.h"

#include <algorithm>
#include <cstddef>

#include "graphics/cpu_features.h"
#include "sprite/archive_index.h"
#include "sprite/byte_reader.h"
#include "sprite/palette_colors.h"

namespace vestara {
namespace {

// The reader keeps the row mask in a table of 256 bytes.
constexpr std::uint16_t kMaxFrameHeight = 2048;

bool RowHasRecord(std::span<const std::uint8_t> rowMask, std::uint16_t y) {
  return (rowMask[y / 8] >> (y % 8)) & 1;
}

// Whole mask bytes at once; bits of the last byte beyond the height belong to no row.
bool AnyRowHasRecord(std::span<const std::uint8_t> rowMask, std::uint16_t height) {
  const std::size_t wholeBytes = height / 8u;
  if (std::ranges::any_of(rowMask.first(wholeBytes), [](std::uint8_t bits) { return bits != 0; }))
    return true;
  const unsigned lastRows = height % 8u;
  return lastRows != 0 && (rowMask[wholeBytes] & ((1u << lastRows) - 1u)) != 0;
}

// The frame width: skip + literalCount summed in 16 bits over the runs of the first
// row record. The count is tested after each run, so a runCount of 0 still reads one.
std::optional<std::uint16_t> FirstRecordWidth(ByteReader reader) {
  const auto runCount = reader.U8();
  if (!runCount) return std::nullopt;
  std::uint16_t width = 0;
  unsigned run = 0;
  do {
    const auto skip = reader.U16();
    const auto literalCount = reader.U16();
    if (!skip || !literalCount || !reader.Take(*literalCount)) return std::nullopt;
    width = static_cast<std::uint16_t>(width + *skip + *literalCount);
  } while (++run < *runCount);
  return width;
}

std::size_t LittleU16(const std::uint8_t* bytes) {
  return static_cast<std::size_t>(bytes[0] | (bytes[1] << 8));
}

// Reads one row record and paints it into `row`, the frame row's part on the surface,
// marking the drawn pixels in `drawnRow` when it is not empty (it is as long as `row`).
// The width ends the row, not the record's runCount; pixels of a run that passes the
// width are consumed but not drawn. False on a short read, after painting what was read.
// This runs for every run of every row, so it works on the bytes directly.
bool PaintRowRecord(ByteReader& reader, std::size_t width, Color background, std::span<Color> row,
                    std::span<std::uint8_t> drawnRow, VectorLevel level) {
  const std::span<const std::uint8_t> bytes = *ByteReader(reader).Take(reader.Remaining());
  const std::uint8_t* next = bytes.data();
  const std::uint8_t* const end = next + bytes.size();
  if (next == end) return false;
  ++next;  // runCount
  Color* const out = row.data();
  const std::size_t visible = row.size();
  std::size_t x = 0;
  while (x < width) {
    if (end - next < 2) return false;
    const std::size_t skip = LittleU16(next);
    next += 2;
    if (x < visible) std::fill_n(out + x, std::min(skip, visible - x), background);
    x += skip;

    if (end - next < 2) return false;
    const std::size_t literalCount = LittleU16(next);
    next += 2;
    const std::size_t available = std::min(literalCount, static_cast<std::size_t>(end - next));
    if (x < visible) {
      const std::size_t drawn = std::min(available, visible - x);
      LookUpPaletteColors({next, drawn}, out + x, level);
      if (!drawnRow.empty())
        std::fill_n(drawnRow.begin() + static_cast<std::ptrdiff_t>(x), drawn, 1);
    }
    x += available;
    next += available;
    if (available < literalCount) return false;
  }
  reader.Take(static_cast<std::size_t>(next - bytes.data()));
  return true;
}

}  // namespace

std::optional<SpriteFrame> SpriteFrame::Find(std::span<const std::uint8_t> archive,
                                             FrameIndex index) {
  const auto header = ReadArchiveHeader(archive);
  if (!header || index >= header->frameCount) return std::nullopt;
  const std::uint32_t begin = FrameOffset(archive, index);
  const std::uint32_t end = FrameOffset(archive, index + 1u);
  if (end < begin || std::uint64_t{header->dataStart} + end > archive.size()) {
    return std::nullopt;
  }

  ByteReader reader(archive.subspan(header->dataStart + begin));
  const auto reserved = reader.Take(4);
  const auto height = reader.U16();
  if (!reserved || !height || *height > kMaxFrameHeight) return std::nullopt;
  const auto rowMask = reader.Take((*height + 7u) / 8u);
  if (!rowMask) return std::nullopt;

  // Without any row record there is nothing to take a width from.
  std::uint16_t width = 0;
  if (AnyRowHasRecord(*rowMask, *height)) {
    const auto firstWidth = FirstRecordWidth(reader);
    if (!firstWidth) return std::nullopt;
    width = *firstWidth;
  }
  return SpriteFrame({width, *height}, *rowMask, end - begin, reader);
}

void SpriteFrame::Paint(Color background, PixelSurface& surface,
                        std::span<std::uint8_t> drawn) const {
  const std::size_t visibleWidth = std::min<std::size_t>(size_.width, surface.Width());
  const auto surfaceWidth = static_cast<std::size_t>(surface.Width());
  const VectorLevel level = UsableVectorLevel();
  ByteReader records = records_;
  // With width 0 there is no pixel to paint.
  for (std::uint16_t y = 0; y < size_.height && size_.width > 0; ++y) {
    const bool onSurface = y < surface.Height();
    const auto row = onSurface ? surface.Row(y).first(visibleWidth) : std::span<Color>();
    const auto drawnRow = onSurface && !drawn.empty()
                              ? drawn.subspan(y * surfaceWidth, visibleWidth)
                              : std::span<std::uint8_t>();
    if (!RowHasRecord(rowMask_, y)) {
      std::ranges::fill(row, background);
      continue;
    }
    // Records that would begin at or past the frame's byte size belong to no row of this
    // frame: those rows keep what the caller put there.
    if (records.Position() >= byteSize_) continue;
    // The archive ends inside the record: the rows painted so far stay.
    if (!PaintRowRecord(records, size_.width, background, row, drawnRow, level)) break;
  }
}

std::optional<FrameSize> MeasureFrame(std::span<const std::uint8_t> archive, FrameIndex index) {
  const auto frame = SpriteFrame::Find(archive, index);
  if (!frame) return std::nullopt;
  return frame->Size();
}

std::optional<FrameSize> PaintFrame(std::span<const std::uint8_t> archive, FrameIndex index,
                                    Color background, PixelSurface& surface) {
  const auto frame = SpriteFrame::Find(archive, index);
  if (!frame) return std::nullopt;
  frame->Paint(background, surface);
  return frame->Size();
}

}  // namespace vestara
