#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "app/ctavisel_dlg.h"
#include "app/dialog_window.h"
#include "graphics/pixel_surface.h"
#include "render/copy_picture.h"

namespace vestara {

// What every window does the same way around CTaviselDlg, written once: it owns the
// preview surface and decides when a paint renders, when a message comes up and when the
// dialog ends. A window hands it its events (Open, Notify, Paint, ResizePreview) and shows
// what it returns; the dialog logic reaches the window's controls through it.
//
// A handler's render is shown by the paint it asks for, which must not render again. A
// message raised inside a paint waits until the paint is done (a modal loop there would
// paint the window again within its own paint). While a message is up, and once the dialog
// has ended, notifications and paints render nothing; an end asked for while the message is
// up comes when it is closed.
class DialogHost {
 public:
  explicit DialogHost(DialogWindow& window);
  DialogHost(const DialogHost&) = delete;
  DialogHost& operator=(const DialogHost&) = delete;

  // Window side. Open: the controls exist; the dialog initialises (rendering nothing).
  void Open();
  void Notify(int controlId, int code);
  // The copy keys: the picture a capture would save goes to the clipboard.
  void Copy(CopyKind kind);
  // A paint of the (not minimised) window: renders unless a handler's render waits to be
  // shown, and returns the preview to show at the picture control's corner.
  const PixelSurface& Paint();
  // The preview area's new size, from the picture control's corner to the client edges.
  void ResizePreview(int width, int height);
  bool Ended() const { return ended_; }
  CTaviselDlg& Dialog() { return dialog_; }

  // Dialog side.
  DialogWindow& Window() { return window_; }
  PixelSurface& PreviewSurface() { return preview_; }
  // Shows what was drawn on PreviewSurface(). `newPicture`, the part that shows the frame
  // when it is another frame or zoom than shown before, makes the window grow to show it
  // whole after a handler's render (not a repaint).
  void PresentPreview(std::optional<Extent> newPicture = std::nullopt);
  void ShowMessage(const std::string& text);
  void EndDialogOk();
  // Without a game folder, where the window offers to choose one: a folder the user chooses
  // shows in the next paint; giving up ends the dialog as the message alone would.
  void OfferGameFolderChoice();

 private:
  void MessageClosed();
  // Runs `message` (which brings up a modal loop) now, or after the paint under way.
  void RunModal(std::function<void()> message);
  // Makes the pictures of `list`'s entries after the event being handled, once however
  // often asked before then.
  void RemakeListPictures(ControlId list);

  DialogWindow& window_;
  PixelSurface preview_;
  // Counts the surfaces ResizePreview made, to tell whether one came during a call.
  unsigned surfacesMade_ = 0;
  // Set when a handler's render is waiting to be shown by the paint it asked for.
  bool previewFresh_ = false;
  bool painting_ = false;
  bool messageActive_ = false;
  bool endAfterMessage_ = false;
  bool ended_ = false;
  // Set once a preview has been shown: the lists' pictures come after it, never before.
  bool picturesStarted_ = false;
  std::set<ControlId> picturesPending_;
  CTaviselDlg dialog_;
};

}  // namespace vestara
