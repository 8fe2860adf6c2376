#include "app/qt/picture_combo.h"

#include <QAbstractItemView>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

#include "app/qt/picture_image.h"

namespace vestara {
namespace {

// The picture centred in a transparent square of `side` device pixels.
QPixmap SquarePixmap(const ListPicture& picture, int side, qreal devicePixelRatio) {
  QImage square(side, side, QImage::Format_ARGB32_Premultiplied);
  square.fill(Qt::transparent);
  {
    QPainter painter(&square);
    painter.drawImage((side - picture.image.Width()) / 2, (side - picture.image.Height()) / 2,
                      ImageOf(picture.image, picture.opaque));
  }
  QPixmap pixmap = QPixmap::fromImage(square);
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace

PictureCombo::PictureCombo(QWidget* parent) : QComboBox(parent) {}

void PictureCombo::SetRowsHeight(int height, int rowHeight) {
  rowsHeight_ = height;
  FitRows(rowHeight);
}

void PictureCombo::SetPictures(std::span<const EntryPictures> pictures, ListPictureSides sides,
                               qreal devicePixelRatio) {
  const int entries = std::min(count(), static_cast<int>(pictures.size()));
  for (int position = 0; position < entries; ++position) {
    const EntryPictures& entry = pictures[static_cast<std::size_t>(position)];
    QIcon icon;
    if (entry.row) icon.addPixmap(SquarePixmap(*entry.row, sides.row, devicePixelRatio));
    if (entry.field) icon.addPixmap(SquarePixmap(*entry.field, sides.field, devicePixelRatio));
    setItemIcon(position, icon);
  }
  const auto logical = [devicePixelRatio](int side) {
    const int length = qRound(side / devicePixelRatio);
    return QSize(length, length);
  };
  setIconSize(logical(sides.row));
  fieldIconSize_ = logical(sides.field);
  FitRows(view()->sizeHintForRow(0));
}

void PictureCombo::FitRows(int rowHeight) {
  setMaxVisibleItems(std::max(1, rowsHeight_ / std::max(1, rowHeight)));
}

void PictureCombo::paintEvent(QPaintEvent* event) {
  if (!fieldIconSize_.isValid()) {
    QComboBox::paintEvent(event);
    return;
  }
  // As QComboBox paints itself, with the closed field's own picture size.
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  option.iconSize = fieldIconSize_;
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace vestara
