#pragma once

#include <QIcon>

namespace vestara {

// The application's 32 x 32 icon: a framed preview with a sword on it.
QIcon AppIcon();

}  // namespace vestara
