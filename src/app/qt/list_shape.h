#pragma once

#include <QRect>

#include "app/qt/picture_combo.h"

namespace vestara {

// Every list has the dialog's font and style, so the first one's closed height and row
// height serve all: measured once, not once per list.
struct ListMetrics {
  int closedHeight = 0;
  int rowHeight = 0;
};

// Places a drop-down list at the template's rectangle (whose height includes the dropped
// list) and lets it show as many rows as that height leaves room for.
void ShapeCombo(PictureCombo& combo, const QRect& droppedRect, ListMetrics& metrics);

}  // namespace vestara
