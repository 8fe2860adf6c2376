#include "cli/export_command.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "cli/archive_cache.h"
#include "cli/command_error.h"
#include "cli/export_index.h"
#include "cli/export_names.h"
#include "cli/export_plan.h"
#include "cli/game_dir.h"
#include "cli/ordered_jobs.h"
#include "cli/output_file.h"
#include "cli/picture_options.h"
#include "cli/progress_bar.h"
#include "platform/console.h"
#include "platform/file_io.h"
#include "platform/utf8_path.h"
#include "render/frame_picture.h"
#include "snapshot/picture_format.h"

namespace vestara {
namespace {

struct ExportOptions {
  std::string folder;
  std::optional<std::string> gameDir;
  std::optional<std::string> names;
  std::string format = "png";
  PictureOptions picture;
  bool force = false;
  unsigned jobs = DefaultJobCount();
};

// What a job makes of one item, for the writer to take in order.
struct MadePicture {
  std::optional<FrameSize> size;
  std::string problem;  // why there is no picture
  bool archiveMissing = false;
  std::vector<unsigned char> bytes;  // empty when the picture could not be encoded
};

MadePicture MakePicture(ArchiveCache& archives, const ExportedItem& item,
                        const PictureOptions& options, PictureFormat format) {
  const ArchiveCache::Archive archive = archives.Get(item.archive);
  if (!archive) return {std::nullopt, "missing archive " + item.archive, true, {}};
  MadePicture made;
  const auto picture = MakeFramePicture(*archive, static_cast<FrameIndex>(item.frame),
                                        options.zoomPercent, options.BackgroundColor());
  if (const auto* failure = std::get_if<FrameFailure>(&picture)) {
    // A frame too large or too small to picture still has its size listed.
    if (*failure != FrameFailure::Unreadable) {
      made.size = MeasureFrame(*archive, static_cast<FrameIndex>(item.frame));
    }
    made.problem = DescribeFrameFailure(*failure);
    return made;
  }
  const auto& done = std::get<FramePicture>(picture);
  made.size = done.frameSize;
  made.bytes = EncodePicture(done.image, done.opaque, format);
  return made;
}

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
  std::vector<ExportedItem> items = PlanExport(format, ReadExportNames(options.names));
  // Refuse before writing anything, so a refused export leaves no partial result.
  const std::string csvPath = JoinPath(folder, "index.csv");
  const std::string htmlPath = JoinPath(folder, "index.html");
  RefuseExisting(csvPath, options.force);
  RefuseExisting(htmlPath, options.force);
  for (const ExportedItem& item : items) RefuseExisting(JoinPath(folder, item.file), options.force);

  const unsigned jobs = options.jobs;
  ArchiveCache archives(ResolveGameFolder(options.gameDir), jobs + 1);
  std::vector<MadePicture> made(items.size());
  const auto produce = [&](std::size_t i) {
    made[i] = MakePicture(archives, items[i], options.picture, format);
  };

  std::set<std::string> missingArchives;
  std::size_t written = 0;
  std::size_t withoutPicture = 0;
  std::string lastFolder;
  ProgressBar progress(err, items.size(), StandardErrorIsConsole());
  const auto consume = [&](std::size_t i) {
    ExportedItem& item = items[i];
    const MadePicture picture = std::exchange(made[i], {});
    // The file is listed only once it is written.
    const std::string relative = std::exchange(item.file, std::string());
    item.size = picture.size;
    item.problem = picture.problem;
    if (!picture.problem.empty()) {
      if (picture.archiveMissing) {
        missingArchives.insert(item.archive);
      } else {
        ++withoutPicture;
      }
      progress.Advance();
      return;
    }
    const std::string path = JoinPath(folder, relative);
    if (picture.bytes.empty()) throw FileError(path, "the picture cannot be encoded");
    const std::string pathFolder = ParentOf(path);
    if (pathFolder != lastFolder) {
      MakeDirectories(pathFolder);
      lastFolder = pathFolder;
    }
    WriteOutputFile(path, picture.bytes, options.force);
    item.file = relative;
    ++written;
    progress.Advance();
  };
  RunOrderedJobs(items.size(), jobs, produce, consume);
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
  exporter->add_option("--names", options->names,
                       "labels from a CSV file starting category,position,label (an edited "
                       "index.csv)");
  exporter->add_option("--format", options->format, "picture format")
      ->check(CLI::IsMember({"png", "bmp"}))
      ->capture_default_str();
  AddPictureOptions(*exporter, options->picture, true);
  exporter->add_flag("--force", options->force, "replace existing files");
  exporter->add_option("--jobs", options->jobs, "pictures made at once (default: one per core)")
      ->check(CLI::Range(1u, kMaxJobs));
  return {exporter, [options, &out, &err] { RunExport(*options, out, err); }};
}

}  // namespace vestara
