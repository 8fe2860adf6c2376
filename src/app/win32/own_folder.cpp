#include "app/win32/own_folder.h"

#include <windows.h>
// shlobj.h and shellapi.h need windows.h first.
#include <shellapi.h>
#include <shlobj.h>

#include <string_view>

#include "app/dialog_template.h"
#include "game/folder_line_file.h"
#include "platform/windows/wide_text.h"

namespace vestara {

namespace {

// The user's Pictures known folder; empty when the system has none for this user.
std::wstring PicturesFolder() {
  PWSTR path = nullptr;
  const HRESULT result = SHGetKnownFolderPath(FOLDERID_Pictures, KF_FLAG_CREATE, nullptr, &path);
  std::wstring folder = SUCCEEDED(result) ? path : L"";
  CoTaskMemFree(path);
  return folder;
}

std::wstring Refuse(std::string_view reason, const std::wstring& folder) {
  const std::wstring text = WideFromUtf8(reason) + folder;
  MessageBoxW(nullptr, text.c_str(), WideFromUtf8(kDialogCaption).c_str(), MB_OK | MB_ICONERROR);
  return {};
}

}  // namespace

bool CommandLineAsksForOwnFolder() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  bool asks = false;
  for (int i = 1; arguments && i < count; ++i)
    asks = asks || std::wstring_view(arguments[i]) == L"--own-folder";
  LocalFree(arguments);
  return asks;
}

std::wstring EnterOwnFolder() {
  const std::wstring pictures = PicturesFolder();
  if (pictures.empty()) return Refuse("ピクチャフォルダが見つかりません。", L"");
  const std::wstring folder = pictures + L"\\Vestara";
  if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
    return Refuse("フォルダを作成できません: ", folder);
  }
  if (!SetCurrentDirectoryW(folder.c_str())) return Refuse("フォルダを開けません: ", folder);
  return folder + L"\\" + WideFromUtf8(kFolderLineFileName);
}

}  // namespace vestara
