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
#include "render/view_geometry.h"

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

ViewerDialog::ViewerDialog() : host_(*this) {
  setWindowTitle(FromUtf8(kDialogCaption));
  setFont(DialogFont());
  QPalette face = palette();
  face.setColor(QPalette::Window, QColor(RedOf(kDefaultFaceColor), GreenOf(kDefaultFaceColor),
                                         BlueOf(kDefaultFaceColor)));
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
    // The id as the object name lets tests and tools find a control.
    widget->setObjectName(ObjectNameOf(*control.id));
    controls_[*control.id] = widget;
    if (auto* combo = qobject_cast<QComboBox*>(widget)) lists.emplace_back(combo, rect);
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

void ViewerDialog::RunMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Warning, windowTitle(), QString::fromStdString(text),
                  QMessageBox::Ok, this);
  box.setInformativeText(messageDetail_);
  box.exec();
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
