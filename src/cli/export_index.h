#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sprite/sprite_decoder.h"

namespace vestara {

// One exported item, a line of index.csv and a picture of index.html.
struct ExportedItem {
  std::string category;  // command-line name
  int position = 0;
  std::string label;
  std::string gender;  // "male" or "female"; empty outside armor and shoes
  std::string color;   // the colour code; empty outside armor and shoes
  std::string archive;
  int frame = 0;
  std::optional<FrameSize> size;  // the frame's own size; none when it could not be read
  std::string file;               // relative to the export folder; empty without a picture
  std::string problem;            // why there is no picture
};

// The position as at least three digits ("007"), as the picture files are named.
std::string PositionText(int position);

// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view text);
// index.csv: a header line, then one line per item.
std::string MakeIndexCsv(const std::vector<ExportedItem>& items);

std::string HtmlEscape(std::string_view text);
// index.html: every picture with its label, grouped by category and variant.
std::string MakeContactSheet(const std::vector<ExportedItem>& items);
// The same with each picture shown by `picture`'s markup (an item with a file only).
std::string MakeContactSheet(const std::vector<ExportedItem>& items,
                             const std::function<std::string(const ExportedItem&)>& picture);

}  // namespace vestara
