#pragma once

#include "app/control_ids.h"
#include "app/ctavisel_dlg.h"

namespace vestara {

using CommandHandler = void (CTaviselDlg::*)();

// The handler of a control notification; nullptr when it has no route, and the dialog
// ignores it.
CommandHandler FindCommandHandler(int controlId, int code);

}  // namespace vestara
