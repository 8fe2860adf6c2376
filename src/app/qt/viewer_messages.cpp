#include "app/qt/viewer_messages.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vestara {

namespace {

void SetUpWarning(QMessageBox& box, QWidget* parent, const QString& text, const QString& detail) {
  box.setIcon(QMessageBox::Warning);
  box.setWindowTitle(parent->windowTitle());
  box.setText(text);
  box.setInformativeText(detail);
  box.setStandardButtons(QMessageBox::Ok);
}

}  // namespace

void RunWarning(QWidget* parent, const QString& text, const QString& detail) {
  QMessageBox box(parent);
  SetUpWarning(box, parent, text, detail);
  box.exec();
}

std::optional<std::string> AskForGameFolder(QWidget* parent, const QString& text,
                                            const QString& detail) {
  QMessageBox box(parent);
  SetUpWarning(box, parent, text, detail);
  QPushButton* choose = box.addButton(QStringLiteral("フォルダを選択..."), QMessageBox::AcceptRole);
  // Choosing is what the user came for; Escape still closes the warning as OK does.
  box.setDefaultButton(choose);
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  if (box.clickedButton() != choose) return std::nullopt;
  const QString folder = QFileDialog::getExistingDirectory(
      parent, QStringLiteral("ヴェスタラフォルダを選択"), QDir::homePath());
  if (folder.isEmpty()) return std::nullopt;
  return QDir::toNativeSeparators(folder).toStdString();
}

}  // namespace vestara
