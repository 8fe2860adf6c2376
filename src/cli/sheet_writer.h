#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/archive_cache.h"
#include "cli/ordered_jobs.h"
#include "cli/sheet_plan.h"
#include "graphics/color.h"
#include "render/sheet_packing.h"

namespace vestara {

// How sheets are made and written.
struct SheetOptions {
  std::string folder;
  int zoomPercent = 100;
  std::optional<Color> background;  // none: transparent
  int maxSide = kDefaultSheetSide;
  int padding = 1;  // so that sampling a picture's edge never takes its neighbour's pixels
  bool force = false;
  unsigned jobs = DefaultJobCount();
};

// The archive of a file name; null when it is missing or no archive.
using ArchiveSource = std::function<ArchiveCache::Archive(const std::string& archive)>;

// What became of a list.
struct WrittenSheets {
  std::size_t packed = 0;
  std::size_t sheets = 0;
  // One line for each picture that is on no sheet (for the catalogue, one for a missing
  // archive), naming it and why.
  std::vector<std::string> problems;
};

// The file name, without .png or .json, of a list's sheet `index` (from 0): the list's name
// for the first, then <name>-2, <name>-3, ...
std::string SheetFileStem(const std::string& list, std::size_t index);

// Makes the pictures of `list` (on `options.jobs` threads), packs them and writes each sheet
// and its atlas into the folder, never replacing a file without `force`. Records in each
// entry where its picture lies, and, for an item, why it has none. Throws CommandError when
// a file cannot be written.
WrittenSheets WriteListSheets(SheetList& list, const ArchiveSource& archives,
                              const SheetOptions& options);

}  // namespace vestara
