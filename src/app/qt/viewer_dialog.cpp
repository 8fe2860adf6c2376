#include "app/qt/viewer_dialog.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStringList>
#include <bit>
#include <utility>
#include <vector>

#include "app/entry_pictures.h"
#include "app/list_labels.h"
#include "app/qt/app_icon.h"
#include "app/qt/clipboard_mime.h"
#include "app/qt/dialog_font.h"
#include "app/qt/dialog_units.h"
#include "app/qt/list_shape.h"
#include "app/qt/picture_combo.h"
#include "app/qt/plain_controls.h"
#include "app/qt/viewer_messages.h"
#include "app/qt/window_growth.h"
#include "render/view_geometry.h"

namespace vestara {
namespace {

// 0x00BBGGRR held in memory on a little-endian machine is the byte sequence R, G, B, X.
static_assert(std::endian::native == std::endian::little);

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ObjectNameOf(ControlId id) { return QString::number(static_cast<int>(id)); }

}  // namespace

ViewerDialog::ViewerDialog() : host_(*this) {
  setWindowTitle(FromUtf8(kDialogCaption));
  setFont(DialogFont());
  QPalette face = palette();
  face.setColor(QPalette::Window, QColor(RedOf(kDefaultFaceColor), GreenOf(kDefaultFaceColor),
                                         BlueOf(kDefaultFaceColor)));
  setPalette(face);

  const DialogBaseUnits units = BaseUnitsOf(font());
  std::vector<std::pair<PictureCombo*, QRect>> lists;
  QButtonGroup* radioGroup = nullptr;
  for (const TemplateControl& control : DialogTemplate()) {
    QWidget* widget = CreateControl(control);
    const QRect rect = MapDialogRect(control.rect, units);
    widget->setGeometry(rect);
    // Opaque controls repaint on their own; behind a transparent one the dialog would
    // paint, and so render, at every hover or text change.
    widget->setAutoFillBackground(control.kind != TemplateControlKind::Picture);
    if (!control.id) continue;
    // The id as the object name lets tests and tools find a control.
    widget->setObjectName(ObjectNameOf(*control.id));
    controls_[*control.id] = widget;
    if (auto* combo = dynamic_cast<PictureCombo*>(widget)) lists.emplace_back(combo, rect);
    if (control.kind == TemplateControlKind::GroupRadio) {
      radioGroup = new QButtonGroup(this);
      radioGroups_[*control.id] = radioGroup;
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
      radioGroup->addButton(radio, static_cast<int>(radioGroup->buttons().size()));
    }
  }

  ListMetrics listMetrics;
  for (const auto& [combo, rect] : lists) ShapeCombo(*combo, rect, listMetrics);

  const QSize clientSize = MapDialogRect(kDialogRect, units).size();
  setMinimumSize(clientSize);
  resize(clientSize);
  previewOrigin_ = Find<QWidget>(kPicture)->pos();
  ResizePreview();
  host_.Open();
  AddCopyKeys();
  FocusFirstTabStop();
}

QWidget* ViewerDialog::CreateControl(const TemplateControl& control) {
  const QString caption = FromUtf8(control.caption);
  switch (control.kind) {
    case TemplateControlKind::Combo:
      return CreateCombo(*control.id);
    case TemplateControlKind::GroupRadio:
    case TemplateControlKind::Radio:
      return RouteClicks(*control.id, new QRadioButton(caption, this));
    case TemplateControlKind::Button:
      return RouteClicks(*control.id, new QPushButton(caption, this));
    case TemplateControlKind::DefaultButton: {
      auto* button = new QPushButton(caption, this);
      button->setDefault(true);
      return RouteClicks(*control.id, button);
    }
    default:
      return CreatePlainControl(control.kind, caption, this);
  }
}

PictureCombo* ViewerDialog::CreateCombo(ControlId id) {
  auto* combo = new PictureCombo(this);
  // A screen reader names the list by its caption, then says the entry.
  combo->setAccessibleName(FromUtf8(ListCaption(id)));
  // Filled before the connection: filling is no choice of the user's.
  QStringList labels;
  for (const std::string& label : ListLabels(id, itemNames_)) labels.append(FromUtf8(label));
  combo->addItems(labels);
  connect(combo, &QComboBox::currentIndexChanged, this,
          [this, id] { host_.Notify(id, kSelectionChanged); });
  combo->installEventFilter(this);
  return combo;
}

QAbstractButton* ViewerDialog::RouteClicks(ControlId id, QAbstractButton* button) {
  connect(button, &QAbstractButton::clicked, this, [this, id] { host_.Notify(id, kClicked); });
  return button;
}

void ViewerDialog::FocusFirstTabStop() {
  for (const TemplateControl& control : DialogTemplate()) {
    if (!control.id) continue;
    QWidget* widget = Find<QWidget>(*control.id);
    if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isEnabled()) {
      widget->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void ViewerDialog::AddCopyKeys() {
  // A focused status line keeps the platform's own Copy of its selected text.
  const auto copyKey = [this](const QKeySequence& keys, CopyKind kind) {
    connect(new QShortcut(keys, this), &QShortcut::activated, this,
            [this, kind] { host_.Copy(kind); });
  };
  copyKey(QKeySequence::Copy, CopyKind::Opaque);
  copyKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), CopyKind::Transparent);
}

template <typename Widget>
Widget* ViewerDialog::Find(ControlId id) const {
  const auto found = controls_.find(id);
  return found != controls_.end() ? qobject_cast<Widget*>(found->second) : nullptr;
}

int ViewerDialog::CurrentSelection(ControlId list) const {
  const QComboBox* combo = Find<QComboBox>(list);
  return combo != nullptr ? combo->currentIndex() : -1;
}

void ViewerDialog::SelectEntry(ControlId list, int position) {
  QComboBox* combo = Find<QComboBox>(list);
  if (combo == nullptr) return;
  const QSignalBlocker silent(combo);
  combo->setCurrentIndex(position);
}

int ViewerDialog::CheckedRadio(ControlId firstRadio) const {
  const auto group = radioGroups_.find(firstRadio);
  return group != radioGroups_.end() ? group->second->checkedId() : -1;
}

void ViewerDialog::CheckRadio(ControlId firstRadio, int index) {
  const auto found = radioGroups_.find(firstRadio);
  if (found == radioGroups_.end()) return;
  QButtonGroup* group = found->second;
  if (QAbstractButton* button = group->button(index)) {
    button->setChecked(true);
    return;
  }
  // No such index: no button of the group stays checked.
  group->setExclusive(false);
  for (QAbstractButton* button : group->buttons()) button->setChecked(false);
  group->setExclusive(true);
}

std::string ViewerDialog::StatusText() const {
  const QLineEdit* edit = Find<QLineEdit>(kStatusEdit);
  return edit != nullptr ? edit->text().toStdString() : std::string();
}

void ViewerDialog::SetStatusText(const std::string& text) {
  QLineEdit* edit = Find<QLineEdit>(kStatusEdit);
  if (edit == nullptr) return;
  edit->setText(QString::fromStdString(text));
  edit->setCursorPosition(0);  // show the start of a long text
}

void ViewerDialog::EnableButton(ControlId button, bool enabled) {
  QPushButton* pushButton = Find<QPushButton>(button);
  if (pushButton == nullptr) return;
  // Qt would pass the focus of a button being disabled on to the next control, and a list
  // that gains the focus switches the preview. Windows leaves the focus on the disabled
  // button instead; with no focused control Enter still captures and Tab starts again at
  // the first list, as there.
  if (!enabled && focusWidget() == pushButton) pushButton->clearFocus();
  pushButton->setEnabled(enabled);
}

void ViewerDialog::InvalidatePreview() {
  const PixelSurface& preview = host_.PreviewSurface();
  update(QRect(previewOrigin_, QSize(preview.Width(), preview.Height())));
}

ListPictureSides ViewerDialog::PictureSides() const {
  return PictureSidesForLine(qRound(fontMetrics().height() * devicePixelRatioF()));
}

void ViewerDialog::SetListPictures(ControlId list, std::span<const EntryPictures> pictures) {
  if (auto* combo = dynamic_cast<PictureCombo*>(Find<QWidget>(list))) {
    combo->SetPictures(pictures, PictureSides(), devicePixelRatioF());
  }
}

void ViewerDialog::ShowWholePreview(Extent picture) {
  GrowClientTo(*this,
               QSize(previewOrigin_.x() + picture.width, previewOrigin_.y() + picture.height));
}

bool ViewerDialog::PutOnClipboard(const ClipboardPicture& picture) {
  QGuiApplication::clipboard()->setMimeData(MakeClipboardMime(picture).release());
  return true;
}

void ViewerDialog::RunMessage(const std::string& text) {
  RunWarning(this, QString::fromStdString(text), messageDetail_);
}

std::optional<std::string> ViewerDialog::RunFolderMessage(const std::string& text) {
  return AskForGameFolder(this, QString::fromStdString(text), messageDetail_);
}

void ViewerDialog::PostTask(std::function<void()> task) {
  QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
}

void ViewerDialog::EndDialog() { accept(); }

bool ViewerDialog::eventFilter(QObject* watched, QEvent* event) {
  // Only a real change of focus counts: not the focus a combo gets back when its own list
  // closes (Windows keeps the focus on the combo while the list is open), nor the focus
  // event that a dialog being shown sends before its window is active.
  if (event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
      static_cast<QWidget*>(watched)->hasFocus()) {
    for (const auto& [id, control] : controls_) {
      if (control == watched) host_.Notify(id, kFocusGained);
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ViewerDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  const PixelSurface& preview = host_.Paint();
  if (preview.Width() == 0 || preview.Height() == 0) return;
  const QImage image(reinterpret_cast<const uchar*>(preview.Pixels().data()), preview.Width(),
                     preview.Height(), preview.Width() * static_cast<int>(sizeof(Color)),
                     QImage::Format_RGBX8888);
  QPainter(this).drawImage(previewOrigin_, image);
  if (!iconSet_) {
    // Decoding the icon's six sizes takes as long as building the window: the first
    // picture comes first.
    iconSet_ = true;
    QMetaObject::invokeMethod(
        this, [this] { setWindowIcon(AppIcon()); }, Qt::QueuedConnection);
  }
}

void ViewerDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ResizePreview();
}

void ViewerDialog::ResizePreview() {
  host_.ResizePreview(width() - previewOrigin_.x(), height() - previewOrigin_.y());
}

}  // namespace vestara
