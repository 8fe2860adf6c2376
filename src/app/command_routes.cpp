#include "app/command_routes.h"

#include <array>

namespace vestara {
namespace {

// One control notification and the dialog handler it runs.
struct CommandRoute {
  ControlId control;
  NotificationCode code;
  CommandHandler handler;
};

// Item lists run their category's handler both when their selection changes and when
// they gain the focus; the background list only on a selection change.
constexpr std::array kCommandRoutes{
    CommandRoute{kBackgroundCombo, kSelectionChanged, &CTaviselDlg::OnBackgroundChanged},
    CommandRoute{kCaptureButton, kClicked, &CTaviselDlg::OnCapture},
    CommandRoute{kZoomOutButton, kClicked, &CTaviselDlg::OnZoomOut},
    CommandRoute{kZoomInButton, kClicked, &CTaviselDlg::OnZoomIn},
    CommandRoute{kWeaponCombo, kSelectionChanged, &CTaviselDlg::OnWeaponChanged},
    CommandRoute{kWeaponCombo, kFocusGained, &CTaviselDlg::OnWeaponChanged},
    CommandRoute{kShieldCombo, kSelectionChanged, &CTaviselDlg::OnShieldChanged},
    CommandRoute{kShieldCombo, kFocusGained, &CTaviselDlg::OnShieldChanged},
    CommandRoute{kArmorCombo, kSelectionChanged, &CTaviselDlg::OnArmorChanged},
    CommandRoute{kArmorCombo, kFocusGained, &CTaviselDlg::OnArmorChanged},
    CommandRoute{kArmorColorCombo, kSelectionChanged, &CTaviselDlg::OnArmorChanged},
    CommandRoute{kArmorColorCombo, kFocusGained, &CTaviselDlg::OnArmorChanged},
    CommandRoute{kArmorMaleRadio, kClicked, &CTaviselDlg::OnArmorChanged},
    CommandRoute{kArmorFemaleRadio, kClicked, &CTaviselDlg::OnArmorChanged},
    CommandRoute{kShoesCombo, kSelectionChanged, &CTaviselDlg::OnShoesChanged},
    CommandRoute{kShoesCombo, kFocusGained, &CTaviselDlg::OnShoesChanged},
    CommandRoute{kShoesColorCombo, kSelectionChanged, &CTaviselDlg::OnShoesChanged},
    CommandRoute{kShoesColorCombo, kFocusGained, &CTaviselDlg::OnShoesChanged},
    CommandRoute{kShoesMaleRadio, kClicked, &CTaviselDlg::OnShoesChanged},
    CommandRoute{kShoesFemaleRadio, kClicked, &CTaviselDlg::OnShoesChanged},
    CommandRoute{kRingCombo, kSelectionChanged, &CTaviselDlg::OnRingChanged},
    CommandRoute{kRingCombo, kFocusGained, &CTaviselDlg::OnRingChanged},
    CommandRoute{kNecklaceCombo, kSelectionChanged, &CTaviselDlg::OnNecklaceChanged},
    CommandRoute{kNecklaceCombo, kFocusGained, &CTaviselDlg::OnNecklaceChanged},
    CommandRoute{kSoulCombo, kSelectionChanged, &CTaviselDlg::OnSoulChanged},
    CommandRoute{kSoulCombo, kFocusGained, &CTaviselDlg::OnSoulChanged},
};

}  // namespace

CommandHandler FindCommandHandler(int controlId, int code) {
  for (const CommandRoute& route : kCommandRoutes) {
    if (route.control == controlId && route.code == code) return route.handler;
  }
  return nullptr;
}

}  // namespace vestara
