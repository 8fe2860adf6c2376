// The floor of the viewer's start: a Qt Widgets program that shows an empty dialog of
// the given size and ends at its first paint. Usage: minimal-qt-dialog WIDTH HEIGHT
#include <QApplication>
#include <QDialog>
#include <QString>

namespace {

class FirstPaintDialog final : public QDialog {
 protected:
  void paintEvent(QPaintEvent* event) override {
    QDialog::paintEvent(event);
    QCoreApplication::exit(0);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() != 3) return 1;
  FirstPaintDialog dialog;
  dialog.resize(arguments[1].toInt(), arguments[2].toInt());
  dialog.show();
  return QApplication::exec();
}
