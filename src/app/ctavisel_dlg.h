#pragma once

#include <optional>
#include <string>

#include "app/view_state.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "render/copy_picture.h"
#include "snapshot/snapshot.h"

namespace vestara {

class DialogHost;
class DialogWindow;

enum class RenderMode : int { Screen = 0, Capture = 1 };

// The viewer dialog's logic, free of any toolkit: it owns ViewState and talks to the
// window only through its DialogHost. Every command and every repaint ends in exactly one
// RenderView.
class CTaviselDlg {
 public:
  explicit CTaviselDlg(DialogHost& host);

  // Selects entry 0 of every list, sets the white background and the weapon category and
  // checks both "男" radios; renders nothing (the first renders come from the weapon
  // list's initial focus and the first paint).
  void OnInitDialog();
  // Routes a control notification (control id, NotificationCode) to its handler;
  // notifications without a route are ignored.
  void OnCommand(int controlId, int code);
  // A repaint of the (not minimised) window: renders the preview anew.
  void OnPaint();

  // Category handlers: set the category and its archive name, then render the screen.
  void OnWeaponChanged();
  void OnShieldChanged();
  void OnArmorChanged();
  void OnShoesChanged();
  void OnRingChanged();
  void OnNecklaceChanged();
  void OnSoulChanged();
  // Background colour of the background list's selection (white for none), then render.
  void OnBackgroundChanged();
  // Step the zoom through 50, 100, 200, 300 (staying at the ends), update the zoom
  // controls, then render.
  void OnZoomIn();
  void OnZoomOut();
  // Renders in capture mode.
  void OnCapture();
  // Puts the picture that a capture would save now on the clipboard, as it is or with the
  // background transparent, and reports "Copied :<width>x<height>"; writes no file. Finds
  // the current frame as a render does (a missing game folder ends the dialog with its
  // message).
  void OnCopy(CopyKind kind);

  // Enables zoom in below 300 % and zoom out above 50 %, sets the status text to
  // "Zoom :<zoomPercent>%" and shows it.
  void UpdateZoomControls();
  // The archive name of the armor and shoes colour list's selection and the gender radio
  // checked right now (the controls are read first).
  std::string MakeArmorArchiveName();
  std::string MakeShoesArchiveName();
  // true: status edit text and checked radios into the members; false: the reverse.
  // Always succeeds.
  bool UpdateData(bool saveAndValidate);

  // Finds the game folder (ending the dialog with a message when there is none), looks up
  // the current item's frame, reads the archive twice (measure, paint) and draws: on the
  // preview in screen mode, or into a snapshot file in capture mode, reporting
  // "Save as :<name>" or "Save failed :<name>" in the status line. A render that finds no
  // frame (category outside the seven, lookup giving no frame) draws nothing. After the
  // dialog has ended, renders nothing.
  void RenderView(RenderMode mode);

  // Ends the dialog as its OK button would: the controls are copied into the members first.
  void EndDialogOk();

  const ViewState& State() const { return state_; }
  ViewState& State() { return state_; }

 private:
  // The current item's frame and the path of its archive.
  struct CurrentFrame {
    std::string archivePath;
    FrameIndex index = kNoFrame;
  };
  // Nullopt when there is nothing to draw: no game folder (the dialog then ends with the
  // message), a category outside the seven, or no frame for the list's selection.
  std::optional<CurrentFrame> FindCurrentFrame();
  void DoDataExchange(bool saveAndValidate);
  void ShowCategory(ItemCategory category, std::string archiveName);
  void SaveCapture(const std::optional<SnapshotImage>& image);

  DialogHost& host_;
  DialogWindow& window_;  // the controls
  ViewState state_;
  // What the preview showed last: a render of another frame or zoom shows a new picture.
  struct ShownPicture {
    std::string archivePath;
    FrameIndex index = kNoFrame;
    int zoomPercent = 0;
    friend bool operator==(const ShownPicture&, const ShownPicture&) = default;
  };
  ShownPicture shown_;
};

}  // namespace vestara
