#pragma once

#include <windows.h>

#include <functional>

#include "render/copy_picture.h"

namespace vestara {

// The copy keys of the dialog. Its modal loop offers no accelerators, so a message filter
// on the thread sees the keys before the dialog manager does: Ctrl+C and Ctrl+Shift+C
// pressed in `dialog` or one of its controls call `copy` and go no further, except Ctrl+C
// in `keepOwnCopy` (the status line, whose own Copy takes its selected text). One at a time
// per thread.
class CopyKeys {
 public:
  CopyKeys(std::function<void(CopyKind)> copy);
  ~CopyKeys();
  CopyKeys(const CopyKeys&) = delete;
  CopyKeys& operator=(const CopyKeys&) = delete;

  // The dialog to watch, once it exists.
  void Watch(HWND dialog, HWND keepOwnCopy);

 private:
  static LRESULT CALLBACK Filter(int code, WPARAM wParam, LPARAM lParam);
  bool Take(const MSG& message) const;

  std::function<void(CopyKind)> copy_;
  HWND dialog_ = nullptr;
  HWND keepOwnCopy_ = nullptr;
  HHOOK hook_ = nullptr;
};

}  // namespace vestara
