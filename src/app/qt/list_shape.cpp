#include "app/qt/list_shape.h"

#include <QAbstractItemView>
#include <algorithm>

namespace vestara {

void ShapeCombo(PictureCombo& combo, const QRect& droppedRect, ListMetrics& metrics) {
  if (metrics.closedHeight == 0) {
    // Measured without the entries: the template gives the width.
    combo.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    metrics.closedHeight = combo.sizeHint().height();
    metrics.rowHeight = std::max(1, combo.view()->sizeHintForRow(0));
  }
  combo.setGeometry(droppedRect.x(), droppedRect.y(), droppedRect.width(), metrics.closedHeight);
  combo.SetRowsHeight(droppedRect.height() - metrics.closedHeight, metrics.rowHeight);
}

}  // namespace vestara
