#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "app/clipboard_picture.h"
#include "app/control_ids.h"
#include "graphics/stretch.h"
#include "render/list_pictures.h"

namespace vestara {

// What differs between window toolkits, and nothing more: access to the controls, a
// request to repaint the preview, modal messages and the folder chooser, work queued after
// the current event and the end of the dialog, the window's size, the lists' pictures and
// the clipboard. When to render, when to show a message and when to end is decided once, by
// DialogHost. The Qt and Win32 windows and the tests' fake implement it.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // Lists: the current position, or -1 when nothing is selected.
  virtual int CurrentSelection(ControlId list) const = 0;
  // Selects a list position without sending a notification.
  virtual void SelectEntry(ControlId list, int position) = 0;

  // Radio groups, named by their first button: the checked index (0 or 1, -1 when none).
  virtual int CheckedRadio(ControlId firstRadio) const = 0;
  virtual void CheckRadio(ControlId firstRadio, int index) = 0;

  virtual std::string StatusText() const = 0;
  virtual void SetStatusText(const std::string& text) = 0;
  virtual void EnableButton(ControlId button, bool enabled) = 0;

  // Asks for a paint of the preview area; the paint comes later, from the event loop.
  virtual void InvalidatePreview() = 0;
  // Grows the window, where the preview area is smaller than `picture`, just enough to show
  // it whole: never past the screen's available area, never shrinking.
  virtual void ShowWholePreview(Extent picture) = 0;
  // The squares, in device pixels, that the pictures of list entries are fitted into.
  virtual ListPictureSides PictureSides() const = 0;
  // Shows `pictures` beside the entries of `list`, one per position, replacing those shown
  // before; an entry without pictures shows its label alone.
  virtual void SetListPictures(ControlId list, std::span<const EntryPictures> pictures) = 0;
  // Replaces the clipboard's contents with the picture; false when the clipboard refused.
  virtual bool PutOnClipboard(const ClipboardPicture& picture) = 0;
  // A modal message box with one OK button; returns when the user has closed it.
  virtual void RunMessage(const std::string& text) = 0;
  // Whether a missing game folder is met by offering to choose it (a start from the menu,
  // where the user has no filepath.txt of their own at hand) rather than by the message alone.
  virtual bool OffersFolderChoice() const = 0;
  // A modal message with OK and a second button that opens a folder chooser; the folder
  // chosen (UTF-8), or nullopt when the user closed the message or cancelled the chooser.
  virtual std::optional<std::string> RunFolderMessage(const std::string& text) = 0;
  // Runs `task` once the event being handled now (a paint, say) is done.
  virtual void PostTask(std::function<void()> task) = 0;
  // Ends the dialog with the OK result.
  virtual void EndDialog() = 0;
};

}  // namespace vestara
