#include "app/qt/app_icon.h"

namespace vestara {

QIcon AppIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/icons/png/%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace vestara
