#pragma once

#include <string>

#include "app/control_ids.h"
#include "graphics/pixel_surface.h"

namespace vestara {

// Everything the dialog logic needs from a window. The Qt window and the tests' fake
// implement it.
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

  // A modal message box with one OK button; returns when the user closed it.
  virtual void ShowMessage(const std::string& text) = 0;
  // Ends the dialog with the OK result.
  virtual void EndDialogOk() = 0;

  // The face colour of dialogs and buttons, 0x00BBGGRR.
  virtual Color FaceColor() const = 0;
  // The preview area: from the picture control's top-left corner to the client edges.
  virtual PixelSurface& PreviewSurface() = 0;
  // Shows what was drawn on PreviewSurface().
  virtual void PresentPreview() = 0;
};

}  // namespace vestara
