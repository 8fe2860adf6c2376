#include "app/win32/window_growth.h"

#include <algorithm>

namespace vestara {

void GrowClientTo(HWND window, LONG width, LONG height) {
  // A maximised or minimised window keeps the size the user gave it.
  if (IsZoomed(window) != FALSE || IsIconic(window) != FALSE) return;
  RECT client{};
  GetClientRect(window, &client);
  if (width <= client.right && height <= client.bottom) return;
  // The frame around the client area: the window's size less the client's.
  RECT outer{};
  GetWindowRect(window, &outer);
  const LONG frameWidth = (outer.right - outer.left) - client.right;
  const LONG frameHeight = (outer.bottom - outer.top) - client.bottom;

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) == FALSE) {
    return;
  }
  const RECT& work = monitor.rcWork;
  const LONG currentWidth = outer.right - outer.left;
  const LONG currentHeight = outer.bottom - outer.top;
  const LONG grownWidth = std::max(
      currentWidth, std::min(std::max(width, client.right) + frameWidth, work.right - work.left));
  const LONG grownHeight =
      std::max(currentHeight,
               std::min(std::max(height, client.bottom) + frameHeight, work.bottom - work.top));
  if (grownWidth == currentWidth && grownHeight == currentHeight) return;
  const LONG left = std::max(work.left, std::min(outer.left, work.right - grownWidth));
  const LONG top = std::max(work.top, std::min(outer.top, work.bottom - grownHeight));
  SetWindowPos(window, nullptr, left, top, grownWidth, grownHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vestara
