#pragma once

#include <QSize>
#include <QWidget>

namespace vestara {

// Grows the top-level `window` so that its client area is at least `client`, never past
// its screen's available area (moving it back inside where it would reach past) and never
// shrinking it; a maximised, full-screen or minimised window stays as it is.
void GrowClientTo(QWidget& window, QSize client);

}  // namespace vestara
