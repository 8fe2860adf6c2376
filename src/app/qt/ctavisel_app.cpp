#include "app/qt/ctavisel_app.h"

#include "app/qt/viewer_dialog.h"

namespace vestara {

bool CTaviselApp::InitInstance() {
  ViewerDialog dialog;
  dialog.exec();
  return false;
}

}  // namespace vestara
