#include "app/qt/app_icon.h"

#include <QDir>

namespace vestara {

QIcon AppIcon() {
  QIcon icon;
  // Each PNG's size is read from the file when the icon needs it.
  for (const QString& file : QDir(QStringLiteral(":/icons/png")).entryList(QDir::Files)) {
    icon.addFile(QStringLiteral(":/icons/png/") + file);
  }
  return icon;
}

}  // namespace vestara
