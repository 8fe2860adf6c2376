#pragma once

#include <QString>

namespace vestara {

// The application: it runs the viewer dialog and ends when the dialog closes.
class CTaviselApp {
 public:
  // `messageDetail`, when not empty, is shown under the dialog's message; with
  // `offersFolderChoice` a missing game folder is met by offering to choose it.
  explicit CTaviselApp(QString messageDetail = QString(), bool offersFolderChoice = false);

  // Runs the dialog modally; false, so the application ends with it.
  bool InitInstance();

 private:
  QString messageDetail_;
  bool offersFolderChoice_;
};

}  // namespace vestara
