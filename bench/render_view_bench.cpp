#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/ctavisel_dlg.h"
#include "app/dialog_host.h"
#include "bench_dialog_window.h"
#include "bench_registrations.h"
#include "catalogue/frame_tables.h"
#include "ratio_pairs.h"
#include "render/view_geometry.h"
#include "sample_game_folder.h"
#include "sprite/sprite_file.h"
#include "support/scoped_test_directory.h"

namespace vestara::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kZoomPercent = 300;
// A whole render may take at most one and a half times its file reads and the fill of
// the picture.
constexpr double kTarget = 1.5;

// The bench window's lists stand on their first entry: the weapon the viewer opens with.
constexpr std::uint16_t kWeaponPosition = 0;

fs::path WeaponArchive() { return SampleGameFolder::Get().Game() / "Data" / "Weapon.spr.NCS"; }

void RenderScreen(benchmark::State& state) {
  FrameSize weapon;
  if (!MeasureSpriteFrame(WeaponArchive().string(), LookupFrame(Weapon, kWeaponPosition), weapon)) {
    state.SkipWithError("the sample game has no weapon to show");
    return;
  }
  const testing::ScopedWorkingDirectory inGame(SampleGameFolder::Get().Root());
  BenchDialogWindow window;
  DialogHost host(window);
  // The preview is exactly the picture at 300 %, so that nothing of the render is clipped.
  const Extent previewSize = StretchDestinationSize(kZoomPercent);
  host.ResizePreview(previewSize.width, previewSize.height);
  host.Open();
  CTaviselDlg& dialog = host.Dialog();
  dialog.State().zoomPercent = kZoomPercent;
  dialog.RenderView(RenderMode::Screen);
  if (dialog.State().frameWidth != weapon.width || dialog.State().frameHeight != weapon.height) {
    state.SkipWithError("the render did not show the weapon");
    return;
  }
  for (auto _ : state) {
    dialog.RenderView(RenderMode::Screen);
    benchmark::DoNotOptimize(host.PreviewSurface().Pixels().data());
    benchmark::ClobberMemory();
  }
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

// Opens the file, reads all of it into `buffer` (large enough) and closes it.
std::size_t ReadWholeFile(const fs::path& path, std::vector<char>& buffer) {
  const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  return file ? std::fread(buffer.data(), 1, buffer.size(), file.get()) : 0;
}

bool OpenAndClose(const fs::path& path) {
  return std::unique_ptr<std::FILE, FileCloser>(std::fopen(path.c_str(), "rb")) != nullptr;
}

// The floor: the render's opens and reads of the same files (filepath.txt, the probe
// file, the archive twice), then the fill of the picture at 300 %.
void ReadFilesAndFill(benchmark::State& state) {
  const fs::path folderFile = SampleGameFolder::Get().Root() / "filepath.txt";
  const fs::path probe = SampleGameFolder::Get().Game() / "Char" / "B0000000.spr.NCS";
  const fs::path archive = WeaponArchive();
  std::vector<char> buffer(fs::file_size(archive) + fs::file_size(folderFile));
  const Extent size = StretchDestinationSize(kZoomPercent);
  PixelSurface picture(size.width, size.height);
  Color color = 0;
  for (auto _ : state) {
    std::size_t read = ReadWholeFile(folderFile, buffer);
    read += OpenAndClose(probe);
    read += ReadWholeFile(archive, buffer);
    read += ReadWholeFile(archive, buffer);
    picture.FillRect(0, 0, size.width, size.height, color++);
    benchmark::DoNotOptimize(read);
    benchmark::DoNotOptimize(picture.Pixels().data());
    benchmark::ClobberMemory();
  }
}

}  // namespace

void RegisterRenderViewBenchmarks() {
  RegisterRatioPair("renderview/screen-300%", kTarget, RenderScreen, ReadFilesAndFill);
}

}  // namespace vestara::bench
