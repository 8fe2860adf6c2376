#include "fake_dialog_window.h"

namespace vestara::testing {

FakeDialogWindow::FakeDialogWindow(int previewWidth, int previewHeight)
    : preview(previewWidth, previewHeight, kUnpaintedPreview) {}

int FakeDialogWindow::CurrentSelection(ControlId list) const {
  const auto found = selections.find(list);
  return found == selections.end() ? -1 : found->second;
}

void FakeDialogWindow::SelectEntry(ControlId list, int position) { selections[list] = position; }

int FakeDialogWindow::CheckedRadio(ControlId firstRadio) const {
  const auto found = radios.find(firstRadio);
  return found == radios.end() ? -1 : found->second;
}

void FakeDialogWindow::CheckRadio(ControlId firstRadio, int index) { radios[firstRadio] = index; }

void FakeDialogWindow::UserSelects(CTaviselDlg& dialog, ControlId list, int position) {
  SelectEntry(list, position);
  dialog.OnCommand(list, kSelectionChanged);
}

void FakeDialogWindow::UserClicksRadio(CTaviselDlg& dialog, ControlId firstRadio, int index) {
  CheckRadio(firstRadio, index);
  dialog.OnCommand(firstRadio + index, kClicked);
}

bool FakeDialogWindow::IsButtonEnabled(ControlId button) const {
  const auto found = buttonEnabled.find(button);
  return found == buttonEnabled.end() || found->second;
}

}  // namespace vestara::testing
