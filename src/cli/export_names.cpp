#include "cli/export_names.h"

#include "cli/command_error.h"
#include "item_names/item_names_file.h"

namespace vestara {

ItemNames ReadExportNames(const std::optional<std::string>& path) {
  if (!path) return {};
  ItemNames names = ReadItemNamesFile(*path);
  if (!names.fileProblem.empty()) throw FileError(*path, names.fileProblem);
  if (!names.badLines.empty()) {
    const BadNameLine& first = names.badLines.front();
    throw FileError(*path + ":" + std::to_string(first.line), first.reason);
  }
  return names;
}

}  // namespace vestara
