#pragma once

#include <string>

#include "app/control_ids.h"
#include "app/dialog_window.h"
#include "app/view_state.h"

namespace vestara {

enum class RenderMode : int { Screen = 0, Capture = 1 };

// The viewer dialog's logic, free of any toolkit: it owns ViewState and talks to the
// window only through DialogWindow.
class CTaviselDlg {
 public:
  explicit CTaviselDlg(DialogWindow& window);

  void OnInitDialog();
  // Routes a control notification (control id, notification code) to its handler;
  // notifications without a route are ignored.
  void OnCommand(int controlId, int code);
  void OnPaint();

  void OnWeaponChanged();
  void OnShieldChanged();
  void OnArmorChanged();
  void OnShoesChanged();
  void OnRingChanged();
  void OnNecklaceChanged();
  void OnSoulChanged();
  void OnBackgroundChanged();
  void OnZoomIn();
  void OnZoomOut();
  void OnCapture();

  void UpdateZoomControls();
  std::string MakeArmorArchiveName();
  std::string MakeShoesArchiveName();
  // true: controls to members; false: members to controls.
  bool UpdateData(bool saveAndValidate);
  void RenderView(RenderMode mode);

  const ViewState& State() const { return state_; }
  ViewState& State() { return state_; }
  // True once the dialog has ended (no further render runs).
  bool Ended() const { return ended_; }

 private:
  void DoDataExchange(bool saveAndValidate);

  DialogWindow& window_;
  ViewState state_;
  bool ended_ = false;
};

}  // namespace vestara
