#pragma once

#include <cstdint>
#include <string>

namespace vestara {

// The dialog members that drive rendering. The dialog sets the opening values
// (white background, "Weapon.spr.NCS") when it initialises.
struct ViewState {
  std::int32_t category = 0;  // an ItemCategory
  std::string archiveName;    // file name inside the game's Data folder
  std::int16_t zoomPercent = 100;
  std::uint32_t backgroundColor = 0;  // 0x00BBGGRR
  std::int32_t armorGender = 0;       // 0 male, 1 female
  std::int32_t shoesGender = 0;       // 0 male, 1 female
  std::string statusText;
  std::uint16_t frameWidth = 0;
  std::uint16_t frameHeight = 0;
};

}  // namespace vestara
