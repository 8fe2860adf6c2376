#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "bench_registrations.h"
#include "cli/cli_choices.h"
#include "cli/export_plan.h"
#include "cli/vestara_sprite.h"
#include "game/game_path.h"
#include "platform/file_io.h"
#include "ratio_pairs.h"
#include "render/frame_picture.h"
#include "sample_game_folder.h"
#include "snapshot/picture_format.h"

namespace vestara::bench {
namespace {

namespace fs = std::filesystem;

// The whole export may take at most 1.3 times the PNG encoding of its pictures.
constexpr double kTarget = 1.3;
// The export's defaults.
constexpr int kZoomPercent = 100;
constexpr char kBackground[] = "white";

// Every picture of the export, made in memory as the export makes them, once per process.
const std::vector<FramePicture>& EveryPicture() {
  static const std::vector<FramePicture> pictures = [] {
    const std::string game = SampleGameFolder::Get().Game().string() + "/";
    std::vector<FramePicture> made;
    for (const ExportedItem& item : PlanExport(PictureFormat::Png, {})) {
      const auto archive = ReadFileBytes(ArchivePathIn(game, item.archive));
      if (!archive) continue;
      auto picture = MakeFramePicture(*archive, static_cast<FrameIndex>(item.frame), kZoomPercent,
                                      BackgroundColorByName(kBackground));
      if (auto* done = std::get_if<FramePicture>(&picture)) made.push_back(std::move(*done));
    }
    return made;
  }();
  return pictures;
}

// Runs `vestara-sprite export` in this process on one job, since the figure is CPU time of
// this thread; true when it succeeded.
bool Export(const fs::path& folder) {
  const std::string output = folder.string();
  const std::string game = SampleGameFolder::Get().Game().string();
  const char* const arguments[] = {"vestara-sprite", "export",     "-o",       output.c_str(),
                                   "--game-dir",     game.c_str(), "--format", "png",
                                   "--jobs",         "1"};
  std::ostringstream out;
  std::ostringstream err;
  return RunVestaraSprite(static_cast<int>(std::size(arguments)), arguments, out, err) == 0;
}

std::size_t CountPictures(const fs::path& folder) {
  std::size_t count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    count += entry.path().extension() == ".png";
  return count;
}

// The export writes exactly the pictures of EveryPicture(); checked once per process.
bool ExportWritesEveryPicture(const fs::path& folder) {
  static const bool writes = Export(folder) && CountPictures(folder) == EveryPicture().size();
  fs::remove_all(folder);
  return writes;
}

// Where the export writes: a RAM-backed folder when the system has one, so that the figure
// measures the program, not the disk file system allocating a thousand inodes right after
// the previous iteration deleted as many.
fs::path ExportFolder() {
  const fs::path memory = "/dev/shm";
  std::error_code error;
  const fs::path base = fs::is_directory(memory, error) ? memory : SampleGameFolder::Get().Root();
  return base / ("vestara-bench-export-" + std::to_string(getpid()));
}

void ExportSampleGame(benchmark::State& state) {
  const fs::path folder = ExportFolder();
  if (!ExportWritesEveryPicture(folder)) {
    state.SkipWithError("the export does not write the expected pictures");
    return;
  }
  for (auto _ : state) {
    if (!Export(folder)) state.SkipWithError("the export failed");
    state.PauseTiming();
    fs::remove_all(folder);
    state.ResumeTiming();
  }
  fs::remove_all(folder);
}

// The floor: the same pictures, made beforehand, encoded as PNG with the export's encoder.
void EncodePictures(benchmark::State& state) {
  const std::vector<FramePicture>& pictures = EveryPicture();
  for (auto _ : state) {
    for (const FramePicture& picture : pictures) {
      const auto bytes = EncodePicture(picture.image, picture.opaque, PictureFormat::Png);
      benchmark::DoNotOptimize(bytes.data());
    }
  }
}

}  // namespace

void RegisterExportBenchmarks() {
  RegisterRatioPair("export/sample-game-png", kTarget, ExportSampleGame, EncodePictures,
                    Verdict::Information);
}

}  // namespace vestara::bench
