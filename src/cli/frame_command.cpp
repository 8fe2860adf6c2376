#include "cli/frame_command.h"

#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "cli/archive_input.h"
#include "cli/command_error.h"
#include "cli/output_file.h"
#include "cli/picture_options.h"
#include "render/frame_picture.h"
#include "snapshot/picture_format.h"
#include "sprite/archive_index.h"

namespace vestara {
namespace {

struct FrameOptions {
  std::string archive;
  int index = 0;
  std::string output;
  PictureOptions picture;
  bool force = false;
};

void RunFrame(const FrameOptions& options) {
  const std::optional<PictureFormat> format = PictureFormatOf(options.output);
  if (!format) throw UsageError("-o " + options.output + ": the name must end in .bmp or .png");
  if (options.picture.transparent && *format != PictureFormat::Png) {
    throw UsageError("--transparent needs a .png output file");
  }
  RefuseExisting(options.output, options.force);

  const std::vector<std::uint8_t> archive = ReadArchive(options.archive);
  const ArchiveIndex index = *ReadArchiveIndex(archive);
  if (static_cast<std::uint32_t>(options.index) >= index.frameCount) {
    throw FileError(options.archive, "has no frame " + std::to_string(options.index) + " (it has " +
                                         std::to_string(index.frameCount) + " frames)");
  }
  const auto picture =
      MakeFramePicture(archive, static_cast<FrameIndex>(options.index), options.picture.zoomPercent,
                       options.picture.BackgroundColor());
  if (const auto* failure = std::get_if<FrameFailure>(&picture)) {
    throw FileError(options.archive, "frame " + std::to_string(options.index) + ": " +
                                         DescribeFrameFailure(*failure));
  }
  const auto& done = std::get<FramePicture>(picture);
  const std::vector<unsigned char> bytes = EncodePicture(done.image, done.opaque, *format);
  if (bytes.empty()) throw FileError(options.output, "the picture cannot be encoded");
  WriteOutputFile(options.output, bytes, options.force);
}

}  // namespace

CliCommand AddFrameCommand(CLI::App& tool) {
  auto options = std::make_shared<FrameOptions>();
  CLI::App* frame = tool.add_subcommand(
      "frame", "Write one frame of an archive, whole and scaled, as a picture.");
  frame->add_option("ARCHIVE", options->archive, "the archive file (.spr.NCS)")->required();
  frame->add_option("INDEX", options->index, "the frame number, from 0")
      ->required()
      ->check(CLI::NonNegativeNumber);
  frame->add_option("-o,--output", options->output, "the picture file (.bmp or .png)")->required();
  AddPictureOptions(*frame, options->picture, true);
  frame->add_flag("--force", options->force, "replace an existing output file");
  return {frame, [options] { RunFrame(*options); }};
}

}  // namespace vestara
