#pragma once

namespace vestara {

// The application: it runs the viewer dialog and ends when the dialog closes.
class CTaviselApp {
 public:
  // Runs the dialog modally; false, so the application ends with it.
  bool InitInstance();
};

}  // namespace vestara
