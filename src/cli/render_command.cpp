#include "cli/render_command.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "cli/archive_input.h"
#include "cli/cli_choices.h"
#include "cli/command_error.h"
#include "cli/game_dir.h"
#include "cli/output_file.h"
#include "cli/picture_options.h"
#include "game/game_path.h"
#include "render/offscreen_frame.h"
#include "render/view_pictures.h"
#include "snapshot/picture_format.h"
#include "snapshot/snapshot.h"
#include "sprite/sprite_decoder.h"

namespace vestara {
namespace {

struct RenderOptions {
  std::string category;
  int item = 0;
  int color = 0;
  std::string gender = "male";
  PictureOptions picture;
  std::optional<std::string> gameDir;
  std::optional<std::string> output;
  bool force = false;
  // Whether --colour or --gender was given at all.
  const CLI::Option* colorOption = nullptr;
  const CLI::Option* genderOption = nullptr;
};

std::vector<std::string> CategoryChoices() {
  std::vector<std::string> names;
  for (int category = 0; category < kItemCategoryCount; ++category) {
    names.emplace_back(CategoryName(category));
  }
  return names;
}

// The archive of the selection; refuses colour and gender where they mean nothing.
std::string ArchiveNameFor(const RenderOptions& options, ItemCategory category) {
  const int colors = ColorCountOf(category);
  if (colors == 0 && (options.colorOption->count() > 0 || options.genderOption->count() > 0)) {
    throw UsageError("--colour and --gender apply to armor and shoes only");
  }
  if (colors > 0 && (options.color < 0 || options.color >= colors)) {
    throw UsageError("--colour " + std::to_string(options.color) + ": " +
                     std::string(CategoryName(category)) + " has the colours 0 to " +
                     std::to_string(colors - 1));
  }
  return ArchiveNameOf(category, *GenderByName(options.gender), options.color);
}

// Saves under the next free snapshot name, as the viewer's capture does.
std::string SaveAsSnapshot(const SnapshotImage& image) {
  const SnapshotSaveResult result = SaveNextSnapshot(image);
  if (result.name.empty()) {
    throw FileError("G9999998.bmp", "every snapshot name up to this one is taken");
  }
  if (!result.saved) throw FileError(result.name, "cannot write");
  return result.name;
}

void RunRender(const RenderOptions& options, std::ostream& out) {
  const ItemCategory category = *CategoryFromName(options.category);
  const std::string archiveName = ArchiveNameFor(options, category);
  const std::optional<PictureFormat> format =
      options.output ? PictureFormatOf(*options.output) : PictureFormat::Bmp;
  if (!format) throw UsageError("-o " + *options.output + ": the name must end in .bmp or .png");
  if (options.output) RefuseExisting(*options.output, options.force);

  const std::string gameFolder = ResolveGameFolder(options.gameDir);
  const std::size_t items = ItemCountOf(category);
  if (options.item < 0 || static_cast<std::size_t>(options.item) >= items) {
    throw CommandError(ExitCode::InputOutput,
                       "--item " + std::to_string(options.item) + ": the " + options.category +
                           " list has the positions 0 to " + std::to_string(items - 1));
  }
  const FrameIndex frame = LookupFrame(category, static_cast<std::uint16_t>(options.item));
  const std::string archivePath = ArchivePathIn(gameFolder, archiveName);
  const std::vector<std::uint8_t> archive = ReadArchive(archivePath);
  // The viewer would show a blank picture for these; a script wants to know.
  if (!MeasureFrame(archive, frame)) {
    throw FileError(archivePath, "frame " + std::to_string(frame) + " is missing or damaged");
  }

  const std::optional<SnapshotImage> image =
      MakeCaptureImage(PaintOffscreenFrame(archive, frame, *options.picture.BackgroundColor()),
                       options.picture.zoomPercent);
  if (!image) {
    throw FileError(archivePath, "frame " + std::to_string(frame) +
                                     " gives a picture with no pixels or too many");
  }
  if (!options.output) {
    // Saved before anything is printed: a failed save prints nothing on stdout.
    const std::string name = SaveAsSnapshot(*image);
    out << "Save as :" << name << std::endl;
    return;
  }
  const std::vector<unsigned char> bytes = EncodePicture(*image, {}, *format);
  if (bytes.empty()) throw FileError(*options.output, "cannot encode");
  WriteOutputFile(*options.output, bytes, options.force);
}

}  // namespace

CliCommand AddRenderCommand(CLI::App& tool, std::ostream& out) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* render =
      tool.add_subcommand("render", "Write the viewer's capture picture of one item.");
  render
      ->add_option("--category", options->category,
                   "weapon, shield, armor, shoes, ring, necklace or soul")
      ->required()
      ->check(CLI::IsMember(CategoryChoices()));
  render->add_option("--item", options->item, "the position in the category's list, from 0")
      ->required();
  options->colorOption =
      render->add_option("--colour,--color", options->color, "colour code: armor 0-4, shoes 0-6")
          ->capture_default_str();
  options->genderOption = render->add_option("--gender", options->gender, "armor and shoes")
                              ->check(CLI::IsMember(GenderChoices()))
                              ->capture_default_str();
  AddPictureOptions(*render, options->picture, false);
  render->add_option("--game-dir", options->gameDir,
                     "the game folder (default: the one filepath.txt names)");
  render->add_option("-o,--output", options->output,
                     "the picture file (.bmp or .png; default: the next free G0000001.bmp...)");
  render->add_flag("--force", options->force, "replace an existing output file");
  return {render, [options, &out] { RunRender(*options, out); }};
}

}  // namespace vestara
