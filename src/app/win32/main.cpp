#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>
#include <objbase.h>

#include "app/win32/viewer_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Loads the Common Controls the manifest asks for, whose look the controls then take.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The accessibility property service the lists are named through is a COM object.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  vestara::ViewerWindow window;
  window.Run(instance);
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
