#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/dialog_window.h"

namespace vestara::bench {

// A window without a toolkit whose lists all stand on their first entry; what the dialog
// asks of it beyond the lists costs nothing.
class BenchDialogWindow : public DialogWindow {
 public:
  int CurrentSelection(ControlId) const override { return 0; }
  void SelectEntry(ControlId, int) override {}
  int CheckedRadio(ControlId) const override { return 0; }
  void CheckRadio(ControlId, int) override {}
  std::string StatusText() const override { return status_; }
  void SetStatusText(const std::string& text) override { status_ = text; }
  void EnableButton(ControlId, bool) override {}
  void InvalidatePreview() override {}
  void ShowWholePreview(Extent) override {}
  ListPictureSides PictureSides() const override { return {}; }
  void SetListPictures(ControlId, std::span<const EntryPictures>) override {}
  bool PutOnClipboard(const ClipboardPicture&) override { return true; }
  void RunMessage(const std::string&) override {}
  bool OffersFolderChoice() const override { return false; }
  std::optional<std::string> RunFolderMessage(const std::string&) override { return {}; }
  void PostTask(std::function<void()>) override {}
  void EndDialog() override {}

 private:
  std::string status_;
};

}  // namespace vestara::bench
