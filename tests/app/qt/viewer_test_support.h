#pragma once

#include <QApplication>
#include <QtTest>

#include "app/control_ids.h"
#include "app/qt/viewer_dialog.h"

namespace vestara::testing {

// A control of the window, found by its id as tools find it.
template <typename Widget = QWidget>
Widget* ControlOf(const ViewerDialog& dialog, ControlId id) {
  return dialog.findChild<Widget*>(QString::number(int{id}), Qt::FindDirectChildrenOnly);
}

// Shows the dialog and waits until it is active, so its first list has the focus.
inline void ShowActive(ViewerDialog& dialog) {
  dialog.show();
  dialog.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
}

// Closes every window a test left open.
inline void CloseEveryWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->close();
}

}  // namespace vestara::testing
