#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/control_ids.h"
#include "app/dialog_host.h"
#include "app/dialog_window.h"
#include "app/win32/copy_keys.h"
#include "app/win32/list_entry_drawing.h"

namespace vestara {

// The viewer's window on Windows: a dialog built from the dialog template, with every
// event handed to its DialogHost. The preview is painted from the host's surface, which
// covers the client area from the picture control's top-left corner to the right and
// bottom edges.
class ViewerWindow final : public DialogWindow {
 public:
  // `messageDetail`, when not empty, is shown under the message about the game folder; with
  // `offersFolderChoice` a missing game folder is met by offering to choose it.
  explicit ViewerWindow(std::wstring messageDetail = {}, bool offersFolderChoice = false);
  ViewerWindow(const ViewerWindow&) = delete;
  ViewerWindow& operator=(const ViewerWindow&) = delete;

  // Shows the dialog modally until it ends; its result (IDOK, IDCANCEL).
  INT_PTR Run(HINSTANCE instance);

  int CurrentSelection(ControlId list) const override;
  void SelectEntry(ControlId list, int position) override;
  int CheckedRadio(ControlId firstRadio) const override;
  void CheckRadio(ControlId firstRadio, int index) override;
  std::string StatusText() const override;
  void SetStatusText(const std::string& text) override;
  void EnableButton(ControlId button, bool enabled) override;
  void InvalidatePreview() override;
  ListPictureSides PictureSides() const override;
  void SetListPictures(ControlId list, std::span<const EntryPictures> pictures) override;
  void ShowWholePreview(Extent picture) override;
  bool PutOnClipboard(const ClipboardPicture& picture) override;
  void RunMessage(const std::string& text) override;
  bool OffersFolderChoice() const override { return offersFolderChoice_; }
  std::optional<std::string> RunFolderMessage(const std::string& text) override;
  void PostTask(std::function<void()> task) override;
  void EndDialog() override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnInitDialog();
  void OnPaint();
  void ResizePreview();
  void RunPostedTasks();
  HWND Control(ControlId id) const { return GetDlgItem(window_, id); }

  const std::wstring messageDetail_;
  const bool offersFolderChoice_;
  HWND window_ = nullptr;
  HBRUSH faceBrush_ = nullptr;
  POINT previewOrigin_{};
  std::vector<std::function<void()>> posted_;
  ListEntryDrawing listEntries_;
  DialogHost host_;
  CopyKeys copyKeys_;
};

}  // namespace vestara
