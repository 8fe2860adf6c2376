#pragma once

#include <windows.h>

#include <string>

#include "app/control_ids.h"
#include "app/ctavisel_dlg.h"
#include "app/dialog_window.h"
#include "graphics/pixel_surface.h"

namespace vestara {

// The viewer's window on Windows: a dialog built from the dialog template, with every
// control notification handed to CTaviselDlg. The preview is painted from
// PreviewSurface(), which covers the client area from the picture control's top-left
// corner to the right and bottom edges.
class ViewerWindow final : public DialogWindow {
 public:
  ViewerWindow();
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
  void ShowMessage(const std::string& text) override;
  void EndDialogOk() override;
  Color FaceColor() const override;
  PixelSurface& PreviewSurface() override;
  void PresentPreview() override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam);
  void OnInitDialog();
  void OnPaint();
  void ResizePreview();
  void RunMessageBox();
  HWND Control(ControlId id) const { return GetDlgItem(window_, id); }

  HWND window_ = nullptr;
  HBRUSH faceBrush_ = nullptr;
  POINT previewOrigin_{};
  PixelSurface preview_;
  std::wstring pendingMessage_;
  // Set when a handler's render is waiting to be shown: the paint that shows it must not
  // render again.
  bool previewFresh_ = false;
  bool painting_ = false;
  bool messageActive_ = false;
  bool endAfterMessage_ = false;
  CTaviselDlg dialog_;
};

}  // namespace vestara
