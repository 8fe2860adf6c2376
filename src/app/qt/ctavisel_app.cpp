#include "app/qt/ctavisel_app.h"

#include <QApplication>
#include <utility>

#include "app/qt/lists_below_style.h"
#include "app/qt/viewer_dialog.h"

namespace vestara {

CTaviselApp::CTaviselApp(QString messageDetail, bool offersFolderChoice)
    : messageDetail_(std::move(messageDetail)), offersFolderChoice_(offersFolderChoice) {}

bool CTaviselApp::InitInstance() {
  QApplication::setStyle(new ListsBelowStyle);
  ViewerDialog dialog;
  dialog.SetMessageDetail(messageDetail_);
  dialog.SetOffersFolderChoice(offersFolderChoice_);
  dialog.exec();
  return false;
}

}  // namespace vestara
