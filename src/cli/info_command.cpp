#include "cli/info_command.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/archive_info.h"
#include "cli/archive_input.h"
#include "cli/command_error.h"

namespace vestara {
namespace {

void RunInfo(const std::string& archivePath, std::ostream& out) {
  const std::vector<std::uint8_t> archive = ReadArchive(archivePath);
  // ReadArchive has refused anything that is not an archive.
  const std::uint32_t damaged = WriteArchiveInfo(archive, out).value_or(0);
  out.flush();
  if (damaged > 0) {
    throw FileError(archivePath, std::to_string(damaged) + " damaged frame" +
                                     (damaged == 1 ? "" : "s") + " (listed with \"-\")");
  }
}

}  // namespace

CliCommand AddInfoCommand(CLI::App& tool, std::ostream& out) {
  auto archive = std::make_shared<std::string>();
  CLI::App* info = tool.add_subcommand("info", "List the frames of a sprite archive.");
  info->add_option("ARCHIVE", *archive, "the archive file (.spr.NCS)")->required();
  return {info, [archive, &out] { RunInfo(*archive, out); }};
}

}  // namespace vestara
