#include <QApplication>

#include "app/qt/ctavisel_app.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  vestara::CTaviselApp app;
  app.InitInstance();
  return 0;
}
