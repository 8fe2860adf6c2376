#pragma once

#include "app/dialog_window.h"

namespace vestara::bench {

// A window without a toolkit whose lists all stand on their first entry and whose
// preview is exactly the picture at 300 %, so that nothing of the render is clipped.
class BenchDialogWindow : public DialogWindow {
 public:
  static constexpr Color kFaceColor = 0xF0F0F0;

  BenchDialogWindow();

  int CurrentSelection(ControlId) const override { return 0; }
  void SelectEntry(ControlId, int) override {}
  int CheckedRadio(ControlId) const override { return 0; }
  void CheckRadio(ControlId, int) override {}
  std::string StatusText() const override { return status_; }
  void SetStatusText(const std::string& text) override { status_ = text; }
  void EnableButton(ControlId, bool) override {}
  void ShowMessage(const std::string&) override {}
  void EndDialogOk() override {}
  Color FaceColor() const override { return kFaceColor; }
  PixelSurface& PreviewSurface() override { return preview_; }
  void PresentPreview() override {}

 private:
  std::string status_;
  PixelSurface preview_;
};

}  // namespace vestara::bench
