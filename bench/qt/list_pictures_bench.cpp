// How long the viewer takes, once its first preview is shown, until every list shows its
// entries' pictures, and to remake the armor list's pictures after a colour change; each
// beside its floor, decoding the same frames alone (each archive read once, every frame
// painted, no picture made). In-process, with the real window on Qt's offscreen platform
// and the sample game. Prints one line: the medians in milliseconds.
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/entry_pictures.h"
#include "app/qt/viewer_dialog.h"
#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "game/game_path.h"
#include "sample_game_folder.h"
#include "sprite/sprite_file.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 15;

double Median(std::vector<double> values) {
  std::ranges::sort(values);
  return values[values.size() / 2];
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

QComboBox* ListOf(const vestara::ViewerDialog& dialog, vestara::ControlId id) {
  return dialog.findChild<QComboBox*>(QString::number(int{id}));
}

// Runs events until `done` holds.
template <typename Condition>
void RunUntil(Condition done) {
  while (!done()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The floor: the frames of `category`'s items (or of item 0 in every colour, for a colour
// list) decoded and painted, each archive read once.
void Decode(const std::string& archive, const std::vector<vestara::FrameIndex>& frames) {
  const std::vector<std::uint8_t> bytes = vestara::ReadSpriteArchive(vestara::ArchivePathIn(
      vestara::bench::SampleGameFolder::Get().Game().string() + "/", archive));
  for (const vestara::FrameIndex index : frames) {
    const auto sprite = vestara::SpriteFrame::Find(bytes, index);
    if (!sprite) continue;
    vestara::PixelSurface surface(sprite->Size().width, sprite->Size().height);
    std::vector<std::uint8_t> drawn(surface.Pixels().size());
    sprite->Paint(0, surface, drawn);
  }
}

std::vector<vestara::FrameIndex> ItemFrames(std::int32_t category) {
  std::vector<vestara::FrameIndex> frames;
  const auto count = static_cast<std::uint16_t>(vestara::FrameTableOf(category).size());
  for (std::uint16_t position = 0; position < count; ++position) {
    frames.push_back(vestara::LookupFrame(category, position));
  }
  return frames;
}

void DecodeEveryList() {
  for (std::int32_t category = 0; category < vestara::kItemCategoryCount; ++category) {
    Decode(vestara::ArchiveNameOf(category, 0, 0), ItemFrames(category));
    for (int color = 0; color < vestara::ColorCountOf(category); ++color) {
      Decode(vestara::ArchiveNameOf(category, 0, color), {vestara::LookupFrame(category, 0)});
    }
  }
}

// Counts the window's paints: the first one shows the first preview.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget& window) { window.installEventFilter(this); }
  int Paints() const { return paints_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints_;
    return false;
  }

 private:
  int paints_ = 0;
};

bool EveryListShowsPictures(const vestara::ViewerDialog& dialog) {
  return std::ranges::all_of(vestara::PictureLists(), [&](vestara::ControlId list) {
    return !ListOf(dialog, list)->itemIcon(0).isNull();
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::filesystem::current_path(vestara::bench::SampleGameFolder::Get().Root());

  std::vector<double> ready, readyFloor, remake, remakeFloor;
  for (int run = 0; run < kRuns; ++run) {
    vestara::ViewerDialog dialog;
    const PaintCounter counter(dialog);
    dialog.show();
    // The filter sees the paint before it is done: the next round of events finishes it.
    RunUntil([&] { return counter.Paints() > 0; });
    const Clock::time_point shown = Clock::now();
    RunUntil([&] { return EveryListShowsPictures(dialog); });
    ready.push_back(MillisecondsSince(shown));
    Clock::time_point start = Clock::now();
    DecodeEveryList();
    readyFloor.push_back(MillisecondsSince(start));

    QComboBox* armor = ListOf(dialog, vestara::kArmorCombo);
    QComboBox* colors = ListOf(dialog, vestara::kArmorColorCombo);
    const int color = 1 + run % (vestara::kArmorColorCount - 1);
    const qint64 before = armor->itemIcon(0).cacheKey();
    start = Clock::now();
    colors->setCurrentIndex(color);
    RunUntil([&] { return armor->itemIcon(0).cacheKey() != before; });
    remake.push_back(MillisecondsSince(start));
    start = Clock::now();
    Decode(vestara::ArchiveNameOf(vestara::Armor, 0, color), ItemFrames(vestara::Armor));
    remakeFloor.push_back(MillisecondsSince(start));
  }
  std::printf(
      "list_pictures ready_ms=%.2f ready_floor_ms=%.2f remake_ms=%.2f "
      "remake_floor_ms=%.2f\n",
      Median(ready), Median(readyFloor), Median(remake), Median(remakeFloor));
  return 0;
}
