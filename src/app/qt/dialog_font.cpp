#include "app/qt/dialog_font.h"

#include <QFontDatabase>
#include <QStringList>

#include "app/dialog_template.h"

namespace vestara {
namespace {

constexpr char kFallbackFamily[] = "IPAPGothic";

bool LooksSansSerif(const QString& family) {
  return family.contains(QLatin1String("Gothic"), Qt::CaseInsensitive) ||
         family.contains(QLatin1String("Sans"), Qt::CaseInsensitive) ||
         family.contains(QStringLiteral("ゴシック"));
}

QString ChooseFamily() {
  const QString preferred[] = {
      QString::fromUtf8(kDialogFontFamily.data(), static_cast<qsizetype>(kDialogFontFamily.size())),
      QString::fromLatin1(kFallbackFamily)};
  for (const QString& family : preferred) {
    if (QFontDatabase::hasFamily(family)) return family;
  }
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  for (const QString& family : japanese) {
    if (LooksSansSerif(family)) return family;
  }
  return japanese.isEmpty() ? QString() : japanese.front();
}

}  // namespace

QFont DialogFont() {
  QFont font;
  const QString family = ChooseFamily();
  if (!family.isEmpty()) font.setFamilies({family});
  font.setPointSize(kDialogFontPointSize);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace vestara
