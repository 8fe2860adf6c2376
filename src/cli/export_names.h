#pragma once

#include <optional>
#include <string>

#include "item_names/item_names.h"

namespace vestara {

// The names of `export --names FILE`; none without the option. A file that cannot be read,
// is no text or has a bad line stops the export before it writes anything: CommandError
// (InputOutput) "FILE: problem" or, for a line, "FILE:LINE: problem".
ItemNames ReadExportNames(const std::optional<std::string>& path);

}  // namespace vestara
