#include "app/qt/app_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QSize>

namespace vestara {

QIcon AppIcon() {
  QIcon icon;
  // Each PNG is named after its size: given the size, the icon decodes only the one it
  // shows, when it shows it.
  for (const QString& file : QDir(QStringLiteral(":/icons/png")).entryList(QDir::Files)) {
    const int side = QFileInfo(file).baseName().toInt();
    icon.addFile(QStringLiteral(":/icons/png/") + file, QSize(side, side));
  }
  return icon;
}

}  // namespace vestara
