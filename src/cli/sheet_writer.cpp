#include "cli/sheet_writer.h"

#include <span>
#include <utility>
#include <variant>

#include "cli/command_error.h"
#include "cli/ordered_jobs.h"
#include "cli/output_file.h"
#include "cli/sheet_atlas.h"
#include "platform/utf8_path.h"
#include "render/frame_picture.h"
#include "render/sheet_packing.h"
#include "render/sprite_sheet.h"
#include "snapshot/picture_format.h"

namespace vestara {
namespace {

// Why a picture is on no sheet.
struct NoPicture {
  std::string reason;
  bool archiveMissing = false;
};
using MadePicture = std::variant<FramePicture, NoPicture>;

MadePicture MakePicture(const ArchiveCache::Archive& archive, const SheetEntry& entry,
                        const SheetOptions& options) {
  if (!archive) return NoPicture{"missing archive " + entry.archive, true};
  auto picture = MakeFramePicture(*archive, entry.frame, options.zoomPercent, options.background);
  if (const auto* failure = std::get_if<FrameFailure>(&picture)) {
    return NoPicture{DescribeFrameFailure(*failure)};
  }
  return std::move(std::get<FramePicture>(picture));
}

void WriteText(const std::string& path, const std::string& text, bool force) {
  WriteOutputFile(path, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()),
                  force);
}

// Composes and writes sheet `index` of `layout` with its atlas.
void WriteSheet(SheetList& list, const std::vector<MadePicture>& made, const SheetLayout& layout,
                std::size_t index, const SheetOptions& options) {
  const std::string stem = SheetFileStem(list.name, index);
  std::vector<PlacedPicture> placed;
  std::vector<AtlasFrame> frames;
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    const std::optional<SheetPlacement>& at = layout.placements[i];
    if (!at || at->sheet != index) continue;
    const FramePicture& picture = std::get<FramePicture>(made[i]);
    const Extent size{picture.image.Width(), picture.image.Height()};
    placed.push_back({&picture, at->x, at->y});
    SheetEntry& entry = list.entries[i];
    frames.push_back({entry.key, at->x, at->y, size, entry.data});
    entry.rect = SheetRect{stem + ".png", at->x, at->y, size.width, size.height};
  }
  const SheetPicture sheet = ComposeSheet(layout.sheets[index], placed);
  const std::string png = JoinPath(options.folder, stem + ".png");
  const std::vector<unsigned char> bytes =
      EncodePicture(sheet.image, sheet.opaque, PictureFormat::Png);
  if (bytes.empty()) throw FileError(png, "the sheet cannot be encoded");
  std::vector<std::string> related;
  for (std::size_t other = 1; index == 0 && other < layout.sheets.size(); ++other) {
    related.push_back(SheetFileStem(list.name, other) + ".json");
  }
  WriteOutputFile(png, bytes, options.force);
  WriteText(JoinPath(options.folder, stem + ".json"),
            MakeAtlasJson(frames, {stem + ".png", layout.sheets[index], related}), options.force);
}

}  // namespace

std::string SheetFileStem(const std::string& list, std::size_t index) {
  return index == 0 ? list : list + "-" + std::to_string(index + 1);
}

WrittenSheets WriteListSheets(SheetList& list, const ArchiveSource& archives,
                              const SheetOptions& options) {
  std::vector<MadePicture> made(list.entries.size());
  RunOrderedJobs(
      list.entries.size(), options.jobs,
      [&](std::size_t i) {
        made[i] = MakePicture(archives(list.entries[i].archive), list.entries[i], options);
      },
      [](std::size_t) {});

  std::vector<Extent> sizes;
  for (MadePicture& picture : made) {
    const auto* done = std::get_if<FramePicture>(&picture);
    sizes.push_back(done ? Extent{done->image.Width(), done->image.Height()} : Extent{});
    if (done && !FitsOnSheet(sizes.back(), options.maxSide, options.padding)) {
      picture = NoPicture{"larger than a sheet of " + std::to_string(options.maxSide) +
                          " pixels a side with its padding"};
    }
  }
  const SheetLayout layout = PackPictures(sizes, options.maxSide, options.padding);

  WrittenSheets written;
  written.sheets = layout.sheets.size();
  bool archiveNamed = false;
  for (std::size_t i = 0; i < list.entries.size(); ++i) {
    SheetEntry& entry = list.entries[i];
    const auto* none = std::get_if<NoPicture>(&made[i]);
    if (!none) {
      ++written.packed;
      continue;
    }
    if (entry.item) entry.item->problem = none->reason;
    // A list's archive is one; when it is missing, the list names it once.
    if (!none->archiveMissing) {
      written.problems.push_back(entry.key + ": " + none->reason);
    } else if (!std::exchange(archiveNamed, true)) {
      written.problems.push_back(list.name + ": " + none->reason);
    }
  }
  for (std::size_t index = 0; index < layout.sheets.size(); ++index) {
    WriteSheet(list, made, layout, index, options);
  }
  return written;
}

}  // namespace vestara
