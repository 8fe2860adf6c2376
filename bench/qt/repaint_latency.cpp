// How long the viewer takes from a key press that changes the item (Down in the weapon
// list) to the new preview painted, against presenting the unchanged preview again;
// in-process, with the real window on Qt's offscreen platform and the sample game.
// Prints one line per zoom: the medians and 95th percentiles in microseconds.
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/control_ids.h"
#include "app/qt/viewer_dialog.h"
#include "sample_game_folder.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWarmUp = 20;
constexpr int kSamples = 300;

double Percentile(std::vector<double> values, double fraction) {
  std::ranges::sort(values);
  return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5)];
}

// Counts the window's paints: each one shows the preview.
class Probe final : public QObject {
 public:
  explicit Probe(vestara::ViewerDialog& dialog) { dialog.installEventFilter(this); }
  // Runs `action` and the events it causes until the preview has been painted again; the
  // time that took, in microseconds.
  template <typename Action>
  double Time(Action action) {
    const int before = shown_;
    const Clock::time_point start = Clock::now();
    action();
    while (shown_ == before) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  }

 protected:
  // Called before the paint; the paint itself is done within the same processEvents call.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++shown_;
    return false;
  }

 private:
  int shown_ = 0;
};

// Sent to the list itself, so it needs no focus and no active window.
void PressKey(QWidget* target, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QApplication::sendEvent(target, &release);
}

void MeasureAtZoom(int zoom) {
  vestara::ViewerDialog dialog;
  Probe probe(dialog);
  probe.Time([&] { dialog.show(); });
  for (int step = 100; step < zoom; step += 100)
    probe.Time([&] { dialog.Host().Dialog().OnZoomIn(); });
  auto* weapons = dialog.findChild<QComboBox*>(QString::number(int{vestara::kWeaponCombo}));
  if (weapons == nullptr) return;

  int direction = Qt::Key_Down;
  const auto changeItem = [&] {
    if (weapons->currentIndex() == weapons->count() - 1) direction = Qt::Key_Up;
    if (weapons->currentIndex() == 0) direction = Qt::Key_Down;
    PressKey(weapons, direction);
  };
  const auto presentAgain = [&] { dialog.Host().PresentPreview(); };
  for (int i = 0; i < kWarmUp; ++i) {
    probe.Time(changeItem);
    probe.Time(presentAgain);
  }
  std::vector<double> key, floor;
  for (int i = 0; i < kSamples; ++i) {
    key.push_back(probe.Time(changeItem));
    floor.push_back(probe.Time(presentAgain));
  }
  std::printf(
      "repaint zoom=%d key_median_us=%.1f key_p95_us=%.1f floor_median_us=%.1f "
      "floor_p95_us=%.1f\n",
      zoom, Percentile(key, 0.5), Percentile(key, 0.95), Percentile(floor, 0.5),
      Percentile(floor, 0.95));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  std::filesystem::current_path(vestara::bench::SampleGameFolder::Get().Root());
  for (const int zoom : {100, 300}) MeasureAtZoom(zoom);
  return 0;
}
