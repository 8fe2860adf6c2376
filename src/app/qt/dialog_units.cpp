#include "app/qt/dialog_units.h"

#include <QFontMetrics>

namespace vestara {
namespace {

// a * b / c rounded to nearest, halves away from zero.
int MulDiv(int a, int b, int c) {
  const long long product = static_cast<long long>(a) * b;
  const long long half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int alphabetWidth = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(alphabetWidth + 26) / 52, metrics.height()};
}

QRect MapDialogRect(const DialogUnitRect& rect, const DialogBaseUnits& units) {
  return {MulDiv(rect.x, units.averageCharWidth, 4), MulDiv(rect.y, units.charHeight, 8),
          MulDiv(rect.width, units.averageCharWidth, 4), MulDiv(rect.height, units.charHeight, 8)};
}

}  // namespace vestara
