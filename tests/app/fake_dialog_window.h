#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/ctavisel_dlg.h"
#include "app/dialog_window.h"

namespace vestara::testing {

// A window without a toolkit: it records what the dialog does to it and plays the user.
class FakeDialogWindow : public DialogWindow {
 public:
  static constexpr Color kFaceColor = 0xE1D2C3;
  // Fills the preview before any render, so that an untouched preview can be recognised.
  static constexpr Color kUnpaintedPreview = 0x010203;

  FakeDialogWindow(int previewWidth = 1300, int previewHeight = 1100);

  int CurrentSelection(ControlId list) const override;
  void SelectEntry(ControlId list, int position) override;
  int CheckedRadio(ControlId firstRadio) const override;
  void CheckRadio(ControlId firstRadio, int index) override;
  std::string StatusText() const override { return status; }
  void SetStatusText(const std::string& text) override { status = text; }
  void EnableButton(ControlId button, bool enabled) override { buttonEnabled[button] = enabled; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void EndDialogOk() override { ++endDialogOkCalls; }
  Color FaceColor() const override { return kFaceColor; }
  PixelSurface& PreviewSurface() override { return preview; }
  void PresentPreview() override { ++presentCalls; }

  // The user picks a list entry: the list changes, then notifies the dialog.
  void UserSelects(CTaviselDlg& dialog, ControlId list, int position);
  // The user clicks a radio button of the group that starts at `firstRadio`.
  void UserClicksRadio(CTaviselDlg& dialog, ControlId firstRadio, int index);
  bool IsButtonEnabled(ControlId button) const;

  std::map<ControlId, int> selections;  // lists never selected answer -1
  std::map<ControlId, int> radios;      // groups never checked answer -1
  std::string status;
  std::map<ControlId, bool> buttonEnabled;  // buttons start enabled
  std::vector<std::string> messages;
  int endDialogOkCalls = 0;
  int presentCalls = 0;
  PixelSurface preview;
};

}  // namespace vestara::testing
