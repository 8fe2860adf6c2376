#pragma once

#include <QButtonGroup>
#include <QDialog>
#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <string>

#include "app/control_ids.h"
#include "app/dialog_host.h"
#include "app/dialog_template.h"
#include "app/dialog_window.h"
#include "app/list_labels.h"

class QAbstractButton;
class QComboBox;

namespace vestara {

class PictureCombo;

// The viewer's window: the controls of the dialog template, laid out in dialog units of
// the dialog font, with every event handed to its DialogHost. The preview is painted from
// the host's surface, which covers the client area from the picture control's top-left
// corner to the right and bottom edges.
class ViewerDialog final : public QDialog, public DialogWindow {
 public:
  ViewerDialog();

  DialogHost& Host() { return host_; }
  // A line shown under every message, such as where filepath.txt is expected; none when
  // empty.
  void SetMessageDetail(const QString& detail) { messageDetail_ = detail; }
  // Whether a missing game folder is met by offering to choose it.
  void SetOffersFolderChoice(bool offers) { offersFolderChoice_ = offers; }

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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* CreateControl(const TemplateControl& control);
  PictureCombo* CreateCombo(ControlId id);
  // Hands the button's clicks to the host.
  QAbstractButton* RouteClicks(ControlId id, QAbstractButton* button);
  void FocusFirstTabStop();
  void AddCopyKeys();
  template <typename Widget>
  Widget* Find(ControlId id) const;
  void ResizePreview();

  // Read once, before the lists that show them are made.
  const ItemNames itemNames_ = LoadItemNames();
  QString messageDetail_;
  bool offersFolderChoice_ = false;
  QPoint previewOrigin_;
  bool iconSet_ = false;
  // Every control by its id, and each radio group by its first button: filled once, as the
  // controls are made.
  std::map<ControlId, QWidget*> controls_;
  std::map<ControlId, QButtonGroup*> radioGroups_;
  DialogHost host_;
};

}  // namespace vestara
