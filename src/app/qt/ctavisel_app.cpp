#include "app/qt/ctavisel_app.h"

#include <QApplication>
#include <QCoreApplication>
#include <QtGlobal>
#include <cstdio>
#include <utility>

#include "app/qt/lists_below_style.h"
#include "app/qt/viewer_dialog.h"

namespace vestara {

CTaviselApp::CTaviselApp(QString messageDetail) : messageDetail_(std::move(messageDetail)) {}

bool CTaviselApp::InitInstance() {
  QApplication::setStyle(new ListsBelowStyle);
  ViewerDialog dialog;
  dialog.SetMessageDetail(messageDetail_);
  // A benchmark aid: the time from starting the process to its end is then the time to
  // the first preview on screen.
  if (qEnvironmentVariableIsSet("VESTARA_QUIT_AT_FIRST_PREVIEW")) {
    dialog.SetPreviewShownHandler([&dialog] {
      std::fprintf(stderr, "first preview shown in a %dx%d window\n", dialog.width(),
                   dialog.height());
      QCoreApplication::exit(0);
    });
  }
  dialog.exec();
  return false;
}

}  // namespace vestara
