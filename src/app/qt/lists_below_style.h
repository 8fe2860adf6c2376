#pragma once

#include <QProxyStyle>

namespace vestara {

// The application's style with drop-down lists that open below their control, as the
// dialog's lists always have, rather than over it. Set for the whole application before
// any window exists: a style given to each list would restyle every one of them while
// the window is built.
class ListsBelowStyle final : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override;
};

}  // namespace vestara
