#pragma once

#include <windows.h>

namespace vestara {

// Gives each list of `dialog` its caption ("武器") as the name that screen readers say before
// the entry. The template keeps its order, in which the captions precede all lists rather
// than each its own; the name is set through Windows' property service for accessibility
// instead. Without that service (older systems, Wine) the lists keep the names Windows
// guesses. The calling thread must have initialised COM.
void NameListsByTheirCaptions(HWND dialog);

}  // namespace vestara
