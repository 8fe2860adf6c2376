#pragma once

#include <QString>

namespace vestara {

// The application: it runs the viewer dialog and ends when the dialog closes.
class CTaviselApp {
 public:
  // `messageDetail`, when not empty, is shown under the dialog's message.
  explicit CTaviselApp(QString messageDetail = QString());

  // Runs the dialog modally; false, so the application ends with it.
  bool InitInstance();

 private:
  QString messageDetail_;
};

}  // namespace vestara
