#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <functional>
#include <string>
#include <utility>

#include "app/control_ids.h"
#include "app/ctavisel_dlg.h"
#include "app/dialog_template.h"
#include "app/dialog_window.h"
#include "graphics/pixel_surface.h"

class QAbstractButton;
class QComboBox;

namespace vestara {

// The viewer's window: the controls of the dialog template, laid out in dialog units of
// the dialog font, with every control notification handed to CTaviselDlg. The preview is
// painted from PreviewSurface(), which covers the client area from the picture control's
// top-left corner to the right and bottom edges.
class ViewerDialog final : public QDialog, public DialogWindow {
 public:
  ViewerDialog();

  CTaviselDlg& Dialog() { return dialog_; }
  // A line shown under every message, such as where filepath.txt is expected; none when
  // empty.
  void SetMessageDetail(const QString& detail) { messageDetail_ = detail; }
  // Called after every paint that has drawn the preview.
  void SetPreviewShownHandler(std::function<void()> handler) { previewShown_ = std::move(handler); }

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* CreateControl(const TemplateControl& control);
  QComboBox* CreateCombo(ControlId id);
  // Hands the button's clicks to the dialog logic.
  QAbstractButton* RouteClicks(ControlId id, QAbstractButton* button);
  void FocusFirstTabStop();
  template <typename Widget>
  Widget* Find(ControlId id) const;
  // Notifications stop once the dialog has ended and while its message is up.
  void Notify(int controlId, NotificationCode code);
  void ResizePreview();
  void RunMessageBox(const QString& text);

  QString messageDetail_;
  std::function<void()> previewShown_;
  QPoint previewOrigin_;
  PixelSurface preview_;
  // Set when a handler's render is waiting to be shown: the paint that shows it must not
  // render again.
  bool previewFresh_ = false;
  bool painting_ = false;
  bool iconSet_ = false;
  bool messageActive_ = false;
  bool endAfterMessage_ = false;
  CTaviselDlg dialog_;
};

}  // namespace vestara
