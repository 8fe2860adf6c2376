#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "app/control_ids.h"

namespace vestara {

// A position and size in dialog units: a quarter of the dialog font's average character
// width across, an eighth of its character height down.
struct DialogUnitRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

enum class TemplateControlKind {
  Label,
  VCentredLabel,
  Combo,       // drop-down list: no typing, unsorted
  GroupRadio,  // automatic radio button that starts a new group
  Radio,       // automatic radio button in the group of the one before
  StatusEdit,  // read-only, scrolls horizontally
  Button,
  DefaultButton,
  Picture,  // marks the top-left corner of the preview
};

struct TemplateControl {
  std::optional<ControlId> id;  // labels have none
  TemplateControlKind kind;
  std::string_view caption;  // UTF-8
  // Combo heights include the dropped list.
  DialogUnitRect rect;
};

inline constexpr std::string_view kDialogCaption = "VestaraItemViewer";
inline constexpr std::string_view kDialogFontFamily = "ＭＳ Ｐゴシック";
inline constexpr int kDialogFontPointSize = 9;
// The client area.
inline constexpr DialogUnitRect kDialogRect{0, 0, 341, 185};

// The dialog's controls in template order, which is also the tab order.
std::span<const TemplateControl> DialogTemplate();
// The caption of the label that names a list ("武器" for the weapon list), as assistive
// technology reads it; empty for a control that is no list.
std::string_view ListCaption(ControlId list);

}  // namespace vestara
