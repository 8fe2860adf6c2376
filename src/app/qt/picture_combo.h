#pragma once

#include <QComboBox>
#include <QSize>
#include <span>

#include "render/list_pictures.h"

namespace vestara {

// A drop-down list whose entries may show pictures left of their labels: the rows of the
// opened list at the row size, the closed field at the field size. Each picture is a pixmap
// of exactly the size it is shown at, centred in its square, so none is ever rescaled.
class PictureCombo final : public QComboBox {
 public:
  explicit PictureCombo(QWidget* parent);

  // The height the opened list may take below the closed field: it shows as many rows of
  // `rowHeight` as fit (and as many of the taller rows as fit once pictures are set).
  void SetRowsHeight(int height, int rowHeight);
  // One entry per position; `sides` in device pixels, shown at `devicePixelRatio`.
  void SetPictures(std::span<const EntryPictures> pictures, ListPictureSides sides,
                   qreal devicePixelRatio);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void FitRows(int rowHeight);

  QSize fieldIconSize_;
  int rowsHeight_ = 0;
};

}  // namespace vestara
