#include "app/win32/folder_message.h"

// commctrl.h and shobjidl.h need windows.h first.
#include <commctrl.h>
#include <shobjidl.h>

#include "app/dialog_template.h"
#include "platform/windows/wide_text.h"

namespace vestara {

namespace {

constexpr int kChooseButton = 100;

// The warning: true when the user pressed the choose button.
bool WarningAsksToChoose(HWND owner, const std::wstring& text, const std::wstring& detail) {
  const std::wstring title = WideFromUtf8(kDialogCaption);
  const TASKDIALOG_BUTTON choose{kChooseButton, L"フォルダを選択..."};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof config;
  config.hwndParent = owner;
  // Escape and the close box answer as OK does.
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION;
  config.dwCommonButtons = TDCBF_OK_BUTTON;
  config.pszWindowTitle = title.c_str();
  config.pszMainIcon = TD_WARNING_ICON;
  config.pszMainInstruction = text.c_str();
  config.pszContent = detail.empty() ? nullptr : detail.c_str();
  config.cButtons = 1;
  config.pButtons = &choose;
  config.nDefaultButton = kChooseButton;
  int pressed = 0;
  return SUCCEEDED(TaskDialogIndirect(&config, &pressed, nullptr, nullptr)) &&
         pressed == kChooseButton;
}

std::optional<std::wstring> ChooseFolder(HWND owner) {
  IFileOpenDialog* chooser = nullptr;
  if (FAILED(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&chooser)))) {
    return std::nullopt;
  }
  std::optional<std::wstring> folder;
  FILEOPENDIALOGOPTIONS options = 0;
  chooser->GetOptions(&options);
  chooser->SetOptions(options | FOS_PICKFOLDERS | FOS_FORCEFILESYSTEM | FOS_PATHMUSTEXIST);
  chooser->SetTitle(L"ヴェスタラフォルダを選択");
  IShellItem* chosen = nullptr;
  if (SUCCEEDED(chooser->Show(owner)) && SUCCEEDED(chooser->GetResult(&chosen))) {
    PWSTR path = nullptr;
    if (SUCCEEDED(chosen->GetDisplayName(SIGDN_FILESYSPATH, &path))) folder = path;
    CoTaskMemFree(path);
    chosen->Release();
  }
  chooser->Release();
  return folder;
}

}  // namespace

std::optional<std::wstring> AskForGameFolder(HWND owner, const std::wstring& text,
                                             const std::wstring& detail) {
  if (!WarningAsksToChoose(owner, text, detail)) return std::nullopt;
  return ChooseFolder(owner);
}

}  // namespace vestara
