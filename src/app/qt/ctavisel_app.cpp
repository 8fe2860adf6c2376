#include "app/qt/ctavisel_app.h"

#include <utility>

#include "app/qt/viewer_dialog.h"

namespace vestara {

CTaviselApp::CTaviselApp(QString messageDetail) : messageDetail_(std::move(messageDetail)) {}

bool CTaviselApp::InitInstance() {
  ViewerDialog dialog;
  dialog.SetMessageDetail(messageDetail_);
  dialog.exec();
  return false;
}

}  // namespace vestara
