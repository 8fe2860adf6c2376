#pragma once

#include <QString>
#include <QWidget>

#include "app/dialog_template.h"

namespace vestara {

// The template's controls that report nothing to the dialog: labels, the read-only status
// line and the picture control's corner. Nullptr for any other kind.
QWidget* CreatePlainControl(TemplateControlKind kind, const QString& caption, QWidget* parent);

}  // namespace vestara
