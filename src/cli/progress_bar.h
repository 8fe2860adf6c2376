#pragma once

#include <cstddef>
#include <ostream>

namespace vestara {

// A one-line progress bar, redrawn in place; silent when disabled (output that is not
// a terminal).
class ProgressBar {
 public:
  ProgressBar(std::ostream& out, std::size_t total, bool enabled);
  void Advance();
  // Ends the bar's line.
  void Finish();

 private:
  void Draw();

  std::ostream& out_;
  std::size_t total_;
  std::size_t done_ = 0;
  std::size_t drawnPercent_ = 101;  // none drawn yet
  bool enabled_;
};

}  // namespace vestara
