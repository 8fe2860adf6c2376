#include "cli/info_command.h"

#include <memory>
#include <string>
#include <vector>

#include "cli/archive_input.h"
#include "cli/command_error.h"
#include "sprite/archive_index.h"
#include "sprite/sprite_decoder.h"

namespace vestara {
namespace {

void RunInfo(const std::string& archivePath, std::ostream& out) {
  const std::vector<std::uint8_t> archive = ReadArchive(archivePath);
  const ArchiveIndex index = *ReadArchiveIndex(archive);
  out << "frames " << index.frameCount << '\n';
  std::uint32_t damaged = 0;
  for (std::uint32_t frame = 0; frame < index.frameCount; ++frame) {
    out << frame << ' ';
    // A frame the decoder refuses has no size; "-" stands in its place.
    if (const auto size = MeasureFrame(archive, static_cast<FrameIndex>(frame))) {
      out << size->width << 'x' << size->height;
    } else {
      out << '-';
      ++damaged;
    }
    out << ' ' << index.FrameByteSize(frame) << '\n';
  }
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
