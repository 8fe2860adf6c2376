#include "cli/sheet_command.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/archive_input.h"
#include "cli/cli_choices.h"
#include "cli/command_error.h"
#include "cli/export_index.h"
#include "cli/export_names.h"
#include "cli/game_dir.h"
#include "cli/ordered_jobs.h"
#include "cli/output_file.h"
#include "cli/progress_bar.h"
#include "cli/sheet_plan.h"
#include "cli/sheet_writer.h"
#include "platform/console.h"
#include "platform/utf8_path.h"
#include "render/sheet_packing.h"
#include "sprite/archive_index.h"

namespace vestara {
namespace {

// Beyond this a sheet is larger than any texture a graphics card takes.
constexpr int kLargestSheetSide = 65536;
constexpr int kLargestPadding = 256;

struct SheetCommandOptions {
  std::optional<std::string> archive;
  std::optional<std::string> gameDir;
  std::optional<std::string> names;
  std::optional<std::string> background;
  bool transparent = false;
  SheetOptions sheet;
};

// The one list of every frame of the archive, and where its pictures come from.
std::vector<SheetList> PlanArchive(const std::string& path, ArchiveSource& archives) {
  const auto bytes = std::make_shared<const std::vector<std::uint8_t>>(ReadArchive(path));
  const std::uint32_t frameCount = ReadArchiveIndex(*bytes)->frameCount;
  const std::string name = Utf8FromPath(PathFromUtf8(path).filename());
  archives = [bytes](const std::string&) { return bytes; };
  // An archive holds at most kMaxFrameCount frames, each of which a frame number names.
  return {PlanArchiveSheet(name, frameCount)};
}

std::string SheetPictureMarkup(const SheetEntry& entry) {
  const SheetRect& rect = *entry.rect;
  return "<span role=\"img\" aria-label=\"" + HtmlEscape(entry.item->label) +
         "\" style=\"display:inline-block;width:" + std::to_string(rect.width) +
         "px;height:" + std::to_string(rect.height) + "px;background:url('" +
         HtmlEscape(rect.image) + "') -" + std::to_string(rect.x) + "px -" +
         std::to_string(rect.y) + "px no-repeat;image-rendering:pixelated\"></span>";
}

// index.html beside the sheets: every item drawn from its sheet, one request a sheet.
std::string MakeSheetsContactSheet(const std::vector<SheetList>& lists) {
  std::vector<ExportedItem> items;
  std::vector<const SheetEntry*> entries;
  for (const SheetList& list : lists) {
    for (const SheetEntry& entry : list.entries) {
      items.push_back(*entry.item);
      items.back().file = entry.rect ? entry.rect->image : std::string();
      entries.push_back(&entry);
    }
  }
  return MakeContactSheet(items, [&](const ExportedItem& item) {
    return SheetPictureMarkup(*entries[static_cast<std::size_t>(&item - items.data())]);
  });
}

void RunSheet(SheetCommandOptions& options, std::ostream& out, std::ostream& err) {
  SheetOptions& sheet = options.sheet;
  if (options.background) sheet.background = BackgroundColorByName(*options.background);
  std::vector<std::string> problems;
  ArchiveSource archives;
  std::vector<SheetList> lists;
  if (options.archive) {
    lists = PlanArchive(*options.archive, archives);
  } else {
    lists = PlanCatalogueSheets(ReadExportNames(options.names));
    const auto cache =
        std::make_shared<ArchiveCache>(ResolveGameFolder(options.gameDir), sheet.jobs + 1);
    archives = [cache](const std::string& name) { return cache->Get(name); };
  }
  // Refused before anything is written; a further sheet of a list refuses when it comes.
  const std::string indexPath = JoinPath(sheet.folder, "index.html");
  if (!options.archive) RefuseExisting(indexPath, sheet.force);
  for (const SheetList& list : lists) {
    RefuseExisting(JoinPath(sheet.folder, list.name + ".png"), sheet.force);
    RefuseExisting(JoinPath(sheet.folder, list.name + ".json"), sheet.force);
  }
  MakeDirectories(sheet.folder);

  std::size_t pictures = 0, packed = 0, sheets = 0;
  ProgressBar progress(err, lists.size(), StandardErrorIsConsole());
  for (SheetList& list : lists) {
    const WrittenSheets written = WriteListSheets(list, archives, sheet);
    pictures += list.entries.size();
    packed += written.packed;
    sheets += written.sheets;
    problems.insert(problems.end(), written.problems.begin(), written.problems.end());
    progress.Advance();
  }
  progress.Finish();
  if (!options.archive) {
    const std::string html = MakeSheetsContactSheet(lists);
    WriteOutputFile(indexPath,
                    std::span(reinterpret_cast<const unsigned char*>(html.data()), html.size()),
                    sheet.force);
  }
  out << "Packed " << packed << " of " << pictures << " pictures onto " << sheets
      << (sheets == 1 ? " sheet in " : " sheets in ") << sheet.folder << std::endl;
  if (problems.empty()) return;
  for (const std::string& problem : problems) err << problem << '\n';
  throw CommandError(ExitCode::InputOutput,
                     std::to_string(pictures - packed) + " pictures are on no sheet");
}

}  // namespace

CliCommand AddSheetCommand(CLI::App& tool, std::ostream& out, std::ostream& err) {
  auto options = std::make_shared<SheetCommandOptions>();
  SheetOptions& sheet = options->sheet;
  CLI::App* command = tool.add_subcommand(
      "sheet",
      "Pack the pictures of every list (or every frame of ARCHIVE) onto sprite sheets, each a PNG "
      "with its atlas in the JSON Hash layout that PixiJS, Phaser and other engines load.");
  CLI::Option* archive =
      command->add_option("ARCHIVE", options->archive, "an archive file (.spr.NCS) to pack whole");
  command->add_option("-o,--output", sheet.folder, "the folder to write into")->required();
  command
      ->add_option("--game-dir", options->gameDir,
                   "the game folder (default: the one filepath.txt names)")
      ->excludes(archive);
  command
      ->add_option("--names", options->names,
                   "labels from a CSV file starting category,position,label (an edited "
                   "index.csv)")
      ->excludes(archive);
  command->add_option("--zoom", sheet.zoomPercent, "zoom in per cent")
      ->check(CLI::IsMember(ZoomChoices()))
      ->capture_default_str();
  CLI::Option* background =
      command->add_option("--background", options->background, "colour behind the sprites")
          ->check(CLI::IsMember(BackgroundChoices()));
  command
      ->add_flag("--transparent", options->transparent,
                 "undrawn pixels fully transparent (the default)")
      ->excludes(background);
  command->add_option("--max-size", sheet.maxSide, "the largest side of a sheet in pixels")
      ->check(CLI::Range(1, kLargestSheetSide))
      ->capture_default_str();
  command->add_option("--padding", sheet.padding, "transparent pixels round each picture")
      ->check(CLI::Range(0, kLargestPadding))
      ->capture_default_str();
  command->add_flag("--force", sheet.force, "replace existing files");
  command->add_option("--jobs", sheet.jobs, "pictures made at once (default: one per core)")
      ->check(CLI::Range(1u, kMaxJobs));
  return {command, [options, &out, &err] { RunSheet(*options, out, err); }};
}

}  // namespace vestara
