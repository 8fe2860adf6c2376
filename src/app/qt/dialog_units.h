#pragma once

#include <QFont>
#include <QRect>

#include "app/dialog_template.h"

namespace vestara {

// The pixels per four horizontal and per eight vertical dialog units.
struct DialogBaseUnits {
  int averageCharWidth = 0;
  int charHeight = 0;
};

// Measured the way Windows measures a dialog font: the average width of the 52 Latin
// letters, rounded, and the full character height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// Each coordinate and size is mapped on its own and rounded to nearest, as Windows lays
// out dialog templates.
QRect MapDialogRect(const DialogUnitRect& rect, const DialogBaseUnits& units);

}  // namespace vestara
