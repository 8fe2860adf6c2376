#include "app/win32/copy_keys.h"

#include <utility>

namespace vestara {
namespace {

thread_local CopyKeys* watching = nullptr;

bool Pressed(int key) { return GetKeyState(key) < 0; }

}  // namespace

CopyKeys::CopyKeys(std::function<void(CopyKind)> copy) : copy_(std::move(copy)) {
  watching = this;
  hook_ = SetWindowsHookExW(WH_MSGFILTER, Filter, nullptr, GetCurrentThreadId());
}

CopyKeys::~CopyKeys() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  watching = nullptr;
}

void CopyKeys::Watch(HWND dialog, HWND keepOwnCopy) {
  dialog_ = dialog;
  keepOwnCopy_ = keepOwnCopy;
}

LRESULT CALLBACK CopyKeys::Filter(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_DIALOGBOX && watching != nullptr && watching->Take(*message)) return TRUE;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CopyKeys::Take(const MSG& message) const {
  if (message.message != WM_KEYDOWN || message.wParam != 'C' || dialog_ == nullptr) return false;
  if (!Pressed(VK_CONTROL) || Pressed(VK_MENU)) return false;
  // A message box's own loop, or Ctrl+C in the status line: the key keeps its usual meaning.
  if (message.hwnd != dialog_ && IsChild(dialog_, message.hwnd) == FALSE) return false;
  const bool transparent = Pressed(VK_SHIFT);
  if (message.hwnd == keepOwnCopy_ && !transparent) return false;
  copy_(transparent ? CopyKind::Transparent : CopyKind::Opaque);
  return true;
}

}  // namespace vestara
