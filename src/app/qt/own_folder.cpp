#include "app/qt/own_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace vestara {

QString OwnFolderPath() {
  return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) +
         QStringLiteral("/Vestara");
}

QString EnterOwnFolder() {
  const QString folder = OwnFolderPath();
  if (!QDir().mkpath(folder)) {
    return QStringLiteral("フォルダを作成できません: %1").arg(QDir::toNativeSeparators(folder));
  }
  if (!QDir::setCurrent(folder)) {
    return QStringLiteral("フォルダを開けません: %1").arg(QDir::toNativeSeparators(folder));
  }
  return QString();
}

}  // namespace vestara
