#pragma once

#include <windows.h>

namespace vestara {

// Grows `window` so that its client area is at least `width` x `height` pixels, never past
// its monitor's work area (moving it back inside where it would reach past) and never
// shrinking it; a maximised or minimised window stays as it is.
void GrowClientTo(HWND window, LONG width, LONG height);

}  // namespace vestara
