#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "item_names/item_names.h"

namespace vestara {

// The names file the viewer reads in its working directory.
inline constexpr char kItemNamesFileName[] = "item-names.csv";

// The text of a names file: without a UTF-8 byte order mark, taken as it is when it is
// UTF-8 and converted from code page 932 (what a spreadsheet on a Japanese system saves)
// otherwise; nullopt when it is neither.
std::optional<std::string> NamesFileText(std::string_view bytes);

// ParseItemNames of the file `path` (UTF-8); when the file cannot be read, is too large
// for a names file or is not text, no names and `fileProblem` says why.
ItemNames ReadItemNamesFile(const std::string& path);

}  // namespace vestara
