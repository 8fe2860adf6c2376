#include "cli/export_command.h"

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "cli/cli_choices.h"
#include "cli/command_error.h"
#include "cli/export_index.h"
#include "cli/frame_picture.h"
#include "cli/game_dir.h"
#include "cli/output_file.h"
#include "cli/picture_file.h"
#include "cli/picture_options.h"
#include "cli/progress_bar.h"
#include "platform/console.h"
#include "platform/file_io.h"
#include "platform/utf8_path.h"
#include "sprite/archive_index.h"

namespace vestara {
namespace {

struct ExportOptions {
  std::string folder;
  std::optional<std::string> gameDir;
  std::string format = "png";
  PictureOptions picture;
  bool force = false;
};

// Every item to export, in category order; armor and shoes once per gender and colour.
std::vector<ExportedItem> PlanItems(PictureFormat format) {
  std::vector<ExportedItem> items;
  const auto addCategory = [&](ItemCategory category, const std::string& archive,
                               const std::string& gender, const std::string& colour) {
    const std::string name(CategoryName(category));
    const std::string folder = gender.empty() ? name : name + "/" + gender + "-" + colour;
    int position = 0;
    for (const FrameTableEntry& entry : FrameTableOf(category)) {
      items.push_back(
          {name,
           position,
           std::string(entry.label),
           gender,
           colour,
           archive,
           entry.frame,
           std::nullopt,
           folder + "/" + PositionText(position) + "." + std::string(ExtensionOf(format)),
           {}});
      ++position;
    }
  };
  for (int category = 0; category < kItemCategoryCount; ++category) {
    const auto item = static_cast<ItemCategory>(category);
    if (item != Armor && item != Shoes) {
      addCategory(item, std::string(FixedArchiveName(item)), {}, {});
      continue;
    }
    const int colours = item == Armor ? kArmorColourCount : kShoesColourCount;
    for (int gender = 0; gender < 2; ++gender) {
      for (int colour = 0; colour < colours; ++colour) {
        addCategory(
            item,
            item == Armor ? ArmorArchiveName(gender, colour) : ShoesArchiveName(gender, colour),
            std::string(GenderName(gender)), std::to_string(colour));
      }
    }
  }
  return items;
}

// Reads each archive once while the items that use it follow one another.
class ArchiveCache {
 public:
  explicit ArchiveCache(std::string gameFolder) : gameFolder_(std::move(gameFolder)) {}

  // The archive's bytes; nullopt when it is missing or not an archive.
  const std::optional<std::vector<std::uint8_t>>& Get(const std::string& name) {
    if (name != name_) {
      name_ = name;
      bytes_ = ReadFileBytes(ArchivePathIn(gameFolder_, name));
      if (bytes_ && !ReadArchiveIndex(*bytes_)) bytes_.reset();
    }
    return bytes_;
  }

 private:
  std::string gameFolder_;
  std::string name_;
  std::optional<std::vector<std::uint8_t>> bytes_;
};

void WriteTextFile(const std::string& path, const std::string& text, bool force) {
  WriteOutputFile(path, std::span(reinterpret_cast<const unsigned char*>(text.data()), text.size()),
                  force);
}

std::string JoinNames(const std::set<std::string>& names) {
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

void RunExport(const ExportOptions& options, std::ostream& out, std::ostream& err) {
  const PictureFormat format = options.format == "bmp" ? PictureFormat::Bmp : PictureFormat::Png;
  if (options.picture.transparent && format != PictureFormat::Png) {
    throw UsageError("--transparent needs --format png");
  }
  const std::string& folder = options.folder;
  std::vector<ExportedItem> items = PlanItems(format);
  // Refuse before writing anything, so a refused export leaves no partial result.
  const std::string csvPath = JoinPath(folder, "index.csv");
  const std::string htmlPath = JoinPath(folder, "index.html");
  RefuseExisting(csvPath, options.force);
  RefuseExisting(htmlPath, options.force);
  for (const ExportedItem& item : items) RefuseExisting(JoinPath(folder, item.file), options.force);

  ArchiveCache archives(ResolveGameFolder(options.gameDir));
  std::set<std::string> missingArchives;
  std::size_t written = 0;
  std::size_t withoutPicture = 0;
  std::string lastFolder;
  ProgressBar progress(err, items.size(), StandardErrorIsConsole());
  for (ExportedItem& item : items) {
    // The file is listed only once it is written.
    const std::string relative = std::exchange(item.file, std::string());
    const std::string path = JoinPath(folder, relative);
    const auto& archive = archives.Get(item.archive);
    if (!archive) {
      missingArchives.insert(item.archive);
      item.problem = "missing archive " + item.archive;
      progress.Advance();
      continue;
    }
    item.size = MeasureFrame(*archive, static_cast<FrameIndex>(item.frame));
    const auto picture =
        MakeFramePicture(*archive, static_cast<FrameIndex>(item.frame), options.picture.zoomPercent,
                         options.picture.BackgroundColor());
    if (const auto* failure = std::get_if<FrameFailure>(&picture)) {
      item.problem = DescribeFrameFailure(*failure);
      ++withoutPicture;
      progress.Advance();
      continue;
    }
    const std::string pathFolder = ParentOf(path);
    if (pathFolder != lastFolder) {
      MakeDirectories(pathFolder);
      lastFolder = pathFolder;
    }
    const auto& done = std::get<FramePicture>(picture);
    const std::vector<unsigned char> bytes = EncodePicture(done.image, done.opaque, format);
    if (bytes.empty()) throw FileError(path, "the picture cannot be encoded");
    WriteOutputFile(path, bytes, options.force);
    item.file = relative;
    ++written;
    progress.Advance();
  }
  progress.Finish();

  MakeDirectories(folder);
  WriteTextFile(csvPath, MakeIndexCsv(items), options.force);
  WriteTextFile(htmlPath, MakeContactSheet(items), options.force);

  out << "Exported " << written << " of " << items.size() << " pictures to " << options.folder;
  if (!missingArchives.empty()) out << "; missing archives: " << JoinNames(missingArchives);
  if (withoutPicture > 0) out << "; frames without a picture: " << withoutPicture;
  out << std::endl;
}

}  // namespace

CliCommand AddExportCommand(CLI::App& tool, std::ostream& out, std::ostream& err) {
  auto options = std::make_shared<ExportOptions>();
  CLI::App* exporter = tool.add_subcommand(
      "export", "Write every item of every category as pictures with index.csv and index.html.");
  exporter->add_option("-o,--output", options->folder, "the folder to write into")->required();
  exporter->add_option("--game-dir", options->gameDir,
                       "the game folder (default: the one filepath.txt names)");
  exporter->add_option("--format", options->format, "picture format")
      ->check(CLI::IsMember({"png", "bmp"}))
      ->capture_default_str();
  AddPictureOptions(*exporter, options->picture, true);
  exporter->add_flag("--force", options->force, "replace existing files");
  return {exporter, [options, &out, &err] { RunExport(*options, out, err); }};
}

}  // namespace vestara
