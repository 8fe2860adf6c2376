#include "app/qt/window_growth.h"

#include <QRect>
#include <QScreen>
#include <algorithm>

namespace vestara {

void GrowClientTo(QWidget& window, QSize client) {
  // A maximised, full-screen or minimised window keeps the size the user gave it.
  if (window.isMaximized() || window.isFullScreen() || window.isMinimized()) return;
  QSize grown = window.size().expandedTo(client);
  if (grown == window.size()) return;
  const QScreen* screen = window.screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  // The frame (title bar and borders) around the client area, as the window manager draws
  // it; none before the window is shown.
  const QSize frame = window.frameGeometry().size() - window.size();
  grown = grown.boundedTo(available.size() - frame).expandedTo(window.size());
  if (grown == window.size()) return;
  window.resize(grown);
  const QRect outer(window.frameGeometry().topLeft(), grown + frame);
  const QPoint back(std::min(0, available.right() - outer.right()),
                    std::min(0, available.bottom() - outer.bottom()));
  if (!back.isNull()) window.move(window.pos() + back);
}

}  // namespace vestara
