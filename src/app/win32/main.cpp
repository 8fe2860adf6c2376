#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include "app/win32/viewer_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Loads the Common Controls the manifest asks for, whose look the controls then take.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  vestara::ViewerWindow window;
  window.Run(instance);
  return 0;
}
