#include "app/qt/plain_controls.h"

#include <QLabel>
#include <QLineEdit>

namespace vestara {

QWidget* CreatePlainControl(TemplateControlKind kind, const QString& caption, QWidget* parent) {
  switch (kind) {
    case TemplateControlKind::Label: {
      auto* label = new QLabel(caption, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case TemplateControlKind::VCentredLabel: {
      auto* label = new QLabel(caption, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case TemplateControlKind::StatusEdit: {
      auto* edit = new QLineEdit(parent);
      edit->setReadOnly(true);
      return edit;
    }
    case TemplateControlKind::Picture: {
      // Draws nothing itself: the dialog paints the preview from its corner on.
      auto* picture = new QWidget(parent);
      picture->setAttribute(Qt::WA_TransparentForMouseEvents);
      return picture;
    }
    default:
      return nullptr;
  }
}

}  // namespace vestara
