#include "cli/progress_bar.h"

#include <string>

namespace vestara {
namespace {

constexpr std::size_t kBarWidth = 40;

}  // namespace

ProgressBar::ProgressBar(std::ostream& out, std::size_t total, bool enabled)
    : out_(out), total_(total), enabled_(enabled) {
  Draw();
}

void ProgressBar::Advance() {
  ++done_;
  Draw();
}

void ProgressBar::Finish() {
  if (enabled_) out_ << '\n' << std::flush;
  enabled_ = false;
}

void ProgressBar::Draw() {
  if (!enabled_) return;
  const std::size_t percent = total_ == 0 ? 100 : done_ * 100 / total_;
  // Redrawing only when the percentage moves keeps a slow terminal from slowing the work.
  if (percent == drawnPercent_ && done_ != total_) return;
  drawnPercent_ = percent;
  const std::size_t filled = percent * kBarWidth / 100;
  out_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, ' ') << "] " << done_
       << '/' << total_ << std::flush;
}

}  // namespace vestara
