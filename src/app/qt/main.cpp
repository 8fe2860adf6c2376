#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "app/qt/ctavisel_app.h"
#include "app/qt/own_folder.h"
#include "app/qt/viewer_command_line.h"

int main(int argc, char* argv[]) {
  vestara::AnswerHelpOrVersion(argc, argv);
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral(VESTARA_APP_ID));
  const vestara::ViewerOptions options = vestara::ParseViewerOptions();

  QString messageDetail;
  if (options.ownFolder) {
    const QString error = vestara::EnterOwnFolder();
    if (!error.isEmpty()) {
      QMessageBox::critical(nullptr, QStringLiteral("VestaraItemViewer"), error);
      return 1;
    }
    // Started from the menu, the user has not seen where filepath.txt is expected, and
    // is offered to choose the game folder instead.
    messageDetail = QDir::toNativeSeparators(QDir::current().absoluteFilePath("filepath.txt"));
  }
  vestara::CTaviselApp app(messageDetail, options.ownFolder);
  app.InitInstance();
  return 0;
}
