#pragma once

namespace vestara {

// Control ids of the viewer dialog.
enum ControlId : int {
  kArmorColorCombo = 1012,
  kPicture = 1015,
  kCaptureButton = 1016,
  kBackgroundCombo = 1019,
  kWeaponCombo = 1020,
  kShoesCombo = 1021,
  kShoesColorCombo = 1022,
  kRingCombo = 1023,
  kNecklaceCombo = 1024,
  kStatusEdit = 1025,
  kShieldCombo = 1026,
  kArmorCombo = 1027,
  kSoulCombo = 1028,
  kArmorMaleRadio = 1029,
  kArmorFemaleRadio = 1030,
  kShoesMaleRadio = 1031,
  kShoesFemaleRadio = 1032,
  kZoomOutButton = 1035,
  kZoomInButton = 1036,
};

// Notification codes a control sends to the dialog.
enum NotificationCode : int {
  kClicked = 0,           // button or radio clicked
  kSelectionChanged = 1,  // combo selection changed by the user
  kFocusGained = 3,       // combo gained the focus
};

}  // namespace vestara
