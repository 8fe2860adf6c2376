#pragma once

#include <QIcon>

namespace vestara {

// The application's icon, a framed preview with a sword on it, in every size the desktop
// entry installs.
QIcon AppIcon();

}  // namespace vestara
