#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "app/win32/own_folder.h"
#include "app/win32/viewer_window.h"

namespace {

// The viewer in the working directory; or, started by the Start-menu shortcut, in a folder of
// its own, where the user has not seen filepath.txt: the message then names the file and
// offers to choose the game folder.
int RunViewer(HINSTANCE instance) {
  if (!vestara::CommandLineAsksForOwnFolder()) {
    vestara::ViewerWindow().Run(instance);
    return 0;
  }
  const std::wstring folderLineFile = vestara::EnterOwnFolder();
  if (folderLineFile.empty()) return 1;
  vestara::ViewerWindow(folderLineFile, true).Run(instance);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // Loads the Common Controls the manifest asks for, whose look the controls then take.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // The accessibility property service the lists are named through, and the folder chooser,
  // are COM objects.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const int exitCode = RunViewer(instance);
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
