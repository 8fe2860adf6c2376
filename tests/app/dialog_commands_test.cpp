#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

const std::vector<NotificationCode> kListCodes{kSelectionChanged, kFocusGained};
// A control, the list that holds the item it shows, its category and the archive it
// chooses at armour colour 2 and shoes colour 6, both for the second gender.
const std::tuple<ControlId, ControlId, ItemCategory, const char*, std::vector<NotificationCode>>
    kItemRoutes[] = {
        {kWeaponCombo, kWeaponCombo, Weapon, "Weapon.spr.NCS", kListCodes},
        {kNecklaceCombo, kNecklaceCombo, Necklace, "eitem.spr.NCS", kListCodes},
        {kArmorColorCombo, kArmorCombo, Armor, "Armor102.spr.NCS", kListCodes},
        {kShoesCombo, kShoesCombo, Shoes, "Shoes106.spr.NCS", kListCodes},
        {kArmorFemaleRadio, kArmorCombo, Armor, "Armor102.spr.NCS", {kClicked}},
        {kShoesMaleRadio, kShoesCombo, Shoes, "Shoes106.spr.NCS", {kClicked}},
};

TEST_F(DialogTest, OpensUnrenderedAndEachRoutedNotificationRendersItsItemOnce) {
  EXPECT_EQ(window_.selections.size(), 10u);
  for (const auto& [list, position] : window_.selections) EXPECT_EQ(position, 0) << list;
  EXPECT_EQ(window_.radios, (std::map<ControlId, int>{{kArmorMaleRadio, 0}, {kShoesMaleRadio, 0}}));
  EXPECT_EQ(Shown(), Plain(kDefaultFaceColor));
  dialog_.OnPaint();
  EXPECT_EQ(Shown(), ItemPreview("Weapon.spr.NCS", Weapon, 0));

  const std::map<ControlId, int> positions{{kWeaponCombo, 1},     {kArmorCombo, 3},
                                           {kShoesCombo, 2},      {kNecklaceCombo, 1},
                                           {kArmorColorCombo, 2}, {kShoesColorCombo, 6}};
  for (const auto& [list, position] : positions) window_.SelectEntry(list, position);
  window_.radios = {{kArmorMaleRadio, 1}, {kShoesMaleRadio, 1}};
  for (const auto& [control, list, category, archive, codes] : kItemRoutes) {
    for (NotificationCode code : codes) {
      SCOPED_TRACE(::testing::Message() << control << " code " << code);
      dialog_.State().category = category == Weapon ? Shield : Weapon;
      dialog_.State().archiveName = "Other.spr.NCS";
      const int presentsBefore = window_.invalidations;
      dialog_.OnCommand(control, code);
      EXPECT_EQ(dialog_.State().archiveName, archive);
      EXPECT_EQ(window_.invalidations, presentsBefore + 1);
      EXPECT_EQ(Shown(), ItemPreview(archive, category, positions.at(list)));
    }
  }
}

TEST_F(DialogTest, NotificationsWithoutARouteAndRendersWithoutAFrameDoNothing) {
  const std::pair<int, int> unrouted[] = {{kBackgroundCombo, kFocusGained},
                                          {kWeaponCombo, kClicked},
                                          {kArmorMaleRadio, kSelectionChanged},
                                          {kCaptureButton, kFocusGained},
                                          {kZoomInButton, kSelectionChanged},
                                          {kStatusEdit, kSelectionChanged},
                                          {kPicture, kClicked},
                                          {kZoomInButton + 1, kClicked}};
  for (const auto& [control, code] : unrouted) dialog_.OnCommand(control, code);
  // No entry at the selection, then no category.
  window_.SelectEntry(kWeaponCombo, 96);
  dialog_.OnPaint();
  dialog_.OnCapture();
  window_.SelectEntry(kWeaponCombo, 0);
  dialog_.State().category = 7;
  dialog_.OnPaint();
  EXPECT_EQ(window_.invalidations, 0);
  EXPECT_EQ(window_.status, "");
  EXPECT_FALSE(std::filesystem::exists(Capture(1)));
}

TEST_F(DialogTest, ZoomButtonsStepThroughFourSizesAndTheBackgroundListColorsThePreview) {
  dialog_.OnCommand(kCaptureButton, kClicked);
  const std::tuple<ControlId, int, bool, bool> steps[] = {
      {kZoomOutButton, 50, true, false}, {kZoomOutButton, 50, true, false},
      {kZoomInButton, 100, true, true},  {kZoomInButton, 200, true, true},
      {kZoomInButton, 300, false, true}, {kZoomInButton, 300, false, true},
  };
  for (const auto& [button, zoom, inEnabled, outEnabled] : steps) {
    SCOPED_TRACE(::testing::Message() << "to " << zoom);
    const int presentsBefore = window_.invalidations;
    dialog_.OnCommand(button, kClicked);
    EXPECT_EQ(window_.enabled, (std::map<ControlId, bool>{{kZoomInButton, inEnabled},
                                                          {kZoomOutButton, outEnabled}}));
    EXPECT_EQ(window_.status, "Zoom :" + std::to_string(zoom) + "%");
    EXPECT_EQ(window_.invalidations, presentsBefore + 1);
    EXPECT_EQ(Shown(), ItemPreview("Weapon.spr.NCS", Weapon, 0, 0xFFFFFF, zoom));
  }
  const std::pair<int, Color> backgrounds[] = {{1, 0xFF00FF}, {2, 0x00FF00}, {-1, 0xFFFFFF}};
  for (auto [selection, color] : backgrounds) {
    window_.UserSelects(host_, kBackgroundCombo, selection);
    EXPECT_EQ(Shown(), ItemPreview("Weapon.spr.NCS", Weapon, 0, color, 300)) << selection;
  }
}

}  // namespace
}  // namespace vestara::testing
