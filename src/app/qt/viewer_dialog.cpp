#include "app/qt/viewer_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <bit>
#include <utility>
#include <vector>

#include "app/list_labels.h"
#include "app/qt/app_icon.h"
#include "app/qt/dialog_font.h"
#include "app/qt/dialog_units.h"
#include "render/render_pipeline.h"

namespace vestara {
namespace {

// 0x00BBGGRR held in memory on a little-endian machine is the byte sequence R, G, B, X.
static_assert(std::endian::native == std::endian::little);

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString ObjectNameOf(ControlId id) { return QString::number(static_cast<int>(id)); }

// Every list has the dialog's font and style, so the first one's closed height and row
// height serve all: measured once, not once per list.
struct ListMetrics {
  int closedHeight = 0;
  int rowHeight = 0;
};

// A drop-down list shows as many rows as the template's dropped height leaves room for.
void ShapeCombo(QComboBox& combo, const QRect& droppedRect, ListMetrics& metrics) {
  if (metrics.closedHeight == 0) {
    // Measured without the entries: the template gives the width.
    combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    metrics.closedHeight = combo.sizeHint().height();
    metrics.rowHeight = std::max(1, combo.view()->sizeHintForRow(0));
  }
  combo.setGeometry(droppedRect.x(), droppedRect.y(), droppedRect.width(), metrics.closedHeight);
  combo.setMaxVisibleItems(
      std::max(1, (droppedRect.height() - metrics.closedHeight) / metrics.rowHeight));
}

}  // namespace

ViewerDialog::ViewerDialog() : dialog_(*this) {
  setWindowTitle(FromUtf8(kDialogCaption));
  setFont(DialogFont());
  QPalette face = palette();
  face.setColor(QPalette::Window,
                QColor(RedOf(FaceColor()), GreenOf(FaceColor()), BlueOf(FaceColor())));
  setPalette(face);

  const DialogBaseUnits units = BaseUnitsOf(font());
  std::vector<std::pair<QComboBox*, QRect>> lists;
  QButtonGroup* radioGroup = nullptr;
  for (const TemplateControl& control : DialogTemplate()) {
    QWidget* widget = CreateControl(control);
    const QRect rect = MapDialogRect(control.rect, units);
    widget->setGeometry(rect);
    // Opaque controls repaint on their own; behind a transparent one the dialog would
    // paint, and so render, at every hover or text change.
    widget->setAutoFillBackground(control.kind != TemplateControlKind::Picture);
    if (!control.id) continue;
    widget->setObjectName(ObjectNameOf(*control.id));
    if (auto* combo = qobject_cast<QComboBox*>(widget)) lists.emplace_back(combo, rect);
    if (control.kind == TemplateControlKind::GroupRadio) {
      radioGroup = new QButtonGroup(this);
      radioGroup->setObjectName(ObjectNameOf(*control.id));
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

  dialog_.OnInitDialog();
  FocusFirstTabStop();
}

QWidget* ViewerDialog::CreateControl(const TemplateControl& control) {
  const QString caption = FromUtf8(control.caption);
  switch (control.kind) {
    case TemplateControlKind::Label: {
      auto* label = new QLabel(caption, this);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case TemplateControlKind::VCentredLabel: {
      auto* label = new QLabel(caption, this);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
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
    case TemplateControlKind::StatusEdit: {
      auto* edit = new QLineEdit(this);
      edit->setReadOnly(true);
      return edit;
    }
    case TemplateControlKind::Picture: {
      // Draws nothing itself: the dialog paints the preview from its corner on.
      auto* picture = new QWidget(this);
      picture->setAttribute(Qt::WA_TransparentForMouseEvents);
      return picture;
    }
  }
  return nullptr;
}

QComboBox* ViewerDialog::CreateCombo(ControlId id) {
  auto* combo = new QComboBox(this);
  // Filled before the connection: filling is no choice of the user's.
  QStringList labels;
  for (const std::string_view label : ListLabels(id)) labels.append(FromUtf8(label));
  combo->addItems(labels);
  connect(combo, &QComboBox::currentIndexChanged, this,
          [this, id] { Notify(id, kSelectionChanged); });
  combo->installEventFilter(this);
  return combo;
}

QAbstractButton* ViewerDialog::RouteClicks(ControlId id, QAbstractButton* button) {
  connect(button, &QAbstractButton::clicked, this, [this, id] { Notify(id, kClicked); });
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

template <typename Widget>
Widget* ViewerDialog::Find(ControlId id) const {
  return findChild<Widget*>(ObjectNameOf(id), Qt::FindDirectChildrenOnly);
}

void ViewerDialog::Notify(int controlId, NotificationCode code) {
  if (dialog_.Ended() || messageActive_) return;
  dialog_.OnCommand(controlId, code);
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
  const QButtonGroup* group = Find<QButtonGroup>(firstRadio);
  return group != nullptr ? group->checkedId() : -1;
}

void ViewerDialog::CheckRadio(ControlId firstRadio, int index) {
  QButtonGroup* group = Find<QButtonGroup>(firstRadio);
  if (group == nullptr) return;
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

void ViewerDialog::ShowMessage(const std::string& text) {
  messageActive_ = true;
  const QString message = QString::fromStdString(text);
  if (!painting_) {
    RunMessageBox(message);
    messageActive_ = false;
    return;
  }
  // A modal loop inside a paint would repaint this window recursively: the box comes up
  // as soon as the paint is done, and ends the dialog then if it was asked to meanwhile.
  QMetaObject::invokeMethod(
      this,
      [this, message] {
        RunMessageBox(message);
        messageActive_ = false;
        if (endAfterMessage_) accept();
      },
      Qt::QueuedConnection);
}

void ViewerDialog::RunMessageBox(const QString& text) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
  box.setInformativeText(messageDetail_);
  box.exec();
}

void ViewerDialog::EndDialogOk() {
  if (messageActive_) {
    endAfterMessage_ = true;
    return;
  }
  accept();
}

Color ViewerDialog::FaceColor() const { return kDefaultFaceColor; }

PixelSurface& ViewerDialog::PreviewSurface() { return preview_; }

void ViewerDialog::PresentPreview() {
  if (painting_) return;  // the paint under way shows it
  previewFresh_ = true;
  update(QRect(previewOrigin_, QSize(preview_.Width(), preview_.Height())));
}

bool ViewerDialog::eventFilter(QObject* watched, QEvent* event) {
  // Only a real change of focus counts: not the focus a combo gets back when its own list
  // closes (Windows keeps the focus on the combo while the list is open), nor the focus
  // event that a dialog being shown sends before its window is active.
  if (event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
      static_cast<QWidget*>(watched)->hasFocus()) {
    Notify(watched->objectName().toInt(), kFocusGained);
  }
  return QDialog::eventFilter(watched, event);
}

void ViewerDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  if (!previewFresh_ && !dialog_.Ended() && !messageActive_) {
    painting_ = true;
    dialog_.OnPaint();
    painting_ = false;
  }
  previewFresh_ = false;
  if (preview_.Width() == 0 || preview_.Height() == 0) return;
  const QImage image(reinterpret_cast<const uchar*>(preview_.Pixels().data()), preview_.Width(),
                     preview_.Height(), preview_.Width() * static_cast<int>(sizeof(Color)),
                     QImage::Format_RGBX8888);
  QPainter(this).drawImage(previewOrigin_, image);
  if (!iconSet_) {
    // Decoding the icon's six sizes takes as long as building the window: the first
    // picture comes first.
    iconSet_ = true;
    QMetaObject::invokeMethod(
        this, [this] { setWindowIcon(AppIcon()); }, Qt::QueuedConnection);
  }
  if (previewShown_) previewShown_();
}

void ViewerDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  ResizePreview();
}

void ViewerDialog::ResizePreview() {
  preview_ = PixelSurface(width() - previewOrigin_.x(), height() - previewOrigin_.y(), FaceColor());
  // The new surface holds no picture yet: the next paint renders one.
  previewFresh_ = false;
}

}  // namespace vestara
