#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

constexpr ControlId kAllLists[] = {kArmorColorCombo, kBackgroundCombo, kWeaponCombo,   kShoesCombo,
                                   kShoesColorCombo, kRingCombo,       kNecklaceCombo, kShieldCombo,
                                   kArmorCombo,      kSoulCombo};

constexpr ControlId kAllControls[] = {
    kArmorColorCombo, kPicture,          kCaptureButton, kBackgroundCombo, kWeaponCombo,
    kShoesCombo,      kShoesColorCombo,  kRingCombo,     kNecklaceCombo,   kStatusEdit,
    kShieldCombo,     kArmorCombo,       kSoulCombo,     kArmorMaleRadio,  kArmorFemaleRadio,
    kShoesMaleRadio,  kShoesFemaleRadio, kZoomOutButton, kZoomInButton};

// Everything a command can change, for comparing before and after.
auto Observable(const ViewState& state) {
  return std::make_tuple(state.category, state.archiveName, state.zoomPercent,
                         state.backgroundColor, state.armorGender, state.shoesGender,
                         state.statusText, state.frameWidth, state.frameHeight);
}

TEST_F(DialogTest, OpensOnTheFirstWeaponOnWhiteAtHundredPercentWithoutRendering) {
  for (ControlId list : kAllLists) EXPECT_EQ(window_.CurrentSelection(list), 0) << list;
  EXPECT_EQ(window_.CheckedRadio(kArmorMaleRadio), 0);
  EXPECT_EQ(window_.CheckedRadio(kShoesMaleRadio), 0);
  EXPECT_TRUE(window_.IsButtonEnabled(kZoomInButton));
  EXPECT_TRUE(window_.IsButtonEnabled(kZoomOutButton));
  EXPECT_EQ(window_.status, "");
  EXPECT_EQ(dialog_.State().category, Weapon);
  EXPECT_EQ(dialog_.State().archiveName, "Weapon.spr.NCS");
  EXPECT_EQ(dialog_.State().zoomPercent, 100);
  EXPECT_EQ(dialog_.State().backgroundColor, 0xFFFFFFu);
  EXPECT_EQ(window_.presentCalls, 0);
  EXPECT_EQ(window_.preview, PixelSurface(window_.preview.Width(), window_.preview.Height(),
                                          FakeDialogWindow::kUnpaintedPreview));

  // The initial focus on the weapon list, then the first paint.
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  EXPECT_EQ(window_.presentCalls, 1);
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Weapon.spr.NCS", Weapon, 0));
  dialog_.OnPaint();
  EXPECT_EQ(window_.presentCalls, 2);
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Weapon.spr.NCS", Weapon, 0));
  EXPECT_TRUE(window_.messages.empty());
}

struct CategoryRoute {
  ControlId control;
  NotificationCode code;
  ItemCategory category;
  const char* archive;
};

// The notifications that run a category handler, with the opening colours and genders.
constexpr CategoryRoute kCategoryRoutes[] = {
    {kWeaponCombo, kSelectionChanged, Weapon, "Weapon.spr.NCS"},
    {kWeaponCombo, kFocusGained, Weapon, "Weapon.spr.NCS"},
    {kShieldCombo, kSelectionChanged, Shield, "Shields.spr.NCS"},
    {kShieldCombo, kFocusGained, Shield, "Shields.spr.NCS"},
    {kArmorCombo, kSelectionChanged, Armor, "Armor000.spr.NCS"},
    {kArmorCombo, kFocusGained, Armor, "Armor000.spr.NCS"},
    {kArmorColorCombo, kSelectionChanged, Armor, "Armor000.spr.NCS"},
    {kArmorColorCombo, kFocusGained, Armor, "Armor000.spr.NCS"},
    {kArmorMaleRadio, kClicked, Armor, "Armor000.spr.NCS"},
    {kArmorFemaleRadio, kClicked, Armor, "Armor000.spr.NCS"},
    {kShoesCombo, kSelectionChanged, Shoes, "Shoes000.spr.NCS"},
    {kShoesCombo, kFocusGained, Shoes, "Shoes000.spr.NCS"},
    {kShoesColorCombo, kSelectionChanged, Shoes, "Shoes000.spr.NCS"},
    {kShoesColorCombo, kFocusGained, Shoes, "Shoes000.spr.NCS"},
    {kShoesMaleRadio, kClicked, Shoes, "Shoes000.spr.NCS"},
    {kShoesFemaleRadio, kClicked, Shoes, "Shoes000.spr.NCS"},
    {kRingCombo, kSelectionChanged, Ring, "eitem.spr.NCS"},
    {kRingCombo, kFocusGained, Ring, "eitem.spr.NCS"},
    {kNecklaceCombo, kSelectionChanged, Necklace, "eitem.spr.NCS"},
    {kNecklaceCombo, kFocusGained, Necklace, "eitem.spr.NCS"},
    {kSoulCombo, kSelectionChanged, Soul, "eitem.spr.NCS"},
    {kSoulCombo, kFocusGained, Soul, "eitem.spr.NCS"},
};

// The other routed notifications: the command buttons and the background list.
constexpr std::pair<ControlId, NotificationCode> kCommandRoutes[] = {
    {kBackgroundCombo, kSelectionChanged},
    {kCaptureButton, kClicked},
    {kZoomOutButton, kClicked},
    {kZoomInButton, kClicked}};

TEST_F(DialogTest, ItemControlsRunTheirCategoryHandler) {
  for (const CategoryRoute& route : kCategoryRoutes) {
    SCOPED_TRACE(::testing::Message() << route.control << " code " << route.code);
    // Start from another category, so that the handler has something to change.
    dialog_.State().category = route.category == Weapon ? Shield : Weapon;
    dialog_.State().archiveName = "Other.spr.NCS";
    const int presentsBefore = window_.presentCalls;
    dialog_.OnCommand(route.control, route.code);
    EXPECT_EQ(dialog_.State().category, route.category);
    EXPECT_EQ(dialog_.State().archiveName, route.archive);
    EXPECT_EQ(window_.presentCalls, presentsBefore + 1);
    EXPECT_EQ(window_.preview, ExpectedItemPreview(route.archive, route.category, 0));
  }
}

TEST_F(DialogTest, CommandButtonsAndTheBackgroundListRunTheirHandlers) {
  window_.SelectEntry(kBackgroundCombo, 3);
  dialog_.OnCommand(kBackgroundCombo, kSelectionChanged);
  EXPECT_EQ(dialog_.State().backgroundColor, 0x000000u);
  dialog_.OnCommand(kZoomOutButton, kClicked);
  EXPECT_EQ(dialog_.State().zoomPercent, 50);
  dialog_.OnCommand(kZoomInButton, kClicked);
  EXPECT_EQ(dialog_.State().zoomPercent, 100);
  EXPECT_EQ(window_.presentCalls, 3);
  dialog_.OnCommand(kCaptureButton, kClicked);
  EXPECT_TRUE(std::filesystem::exists(game_.Root() / "G0000001.bmp"));
  EXPECT_EQ(window_.presentCalls, 3);
}

TEST_F(DialogTest, NotificationsWithoutARouteDoNothing) {
  std::set<std::pair<int, int>> routed(std::begin(kCommandRoutes), std::end(kCommandRoutes));
  for (const CategoryRoute& route : kCategoryRoutes) routed.emplace(route.control, route.code);
  window_.SelectEntry(kBackgroundCombo, 3);
  window_.SelectEntry(kShieldCombo, 2);
  const auto before = Observable(dialog_.State());
  for (ControlId control : kAllControls) {
    for (int code = -1; code <= 5; ++code) {
      if (routed.contains({control, code})) continue;
      dialog_.OnCommand(control, code);
      ASSERT_EQ(Observable(dialog_.State()), before) << control << " code " << code;
    }
  }
  dialog_.OnCommand(0, kClicked);
  dialog_.OnCommand(9999, kSelectionChanged);
  EXPECT_EQ(Observable(dialog_.State()), before);
  EXPECT_EQ(window_.presentCalls, 0);
  EXPECT_FALSE(std::filesystem::exists(game_.Root() / "G0000001.bmp"));
}

TEST_F(DialogTest, FocusOnAnItemListShowsTheItemItHolds) {
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  // Selected earlier without a notification, as when the focus moves away and back.
  window_.SelectEntry(kRingCombo, 3);
  window_.SelectEntry(kShieldCombo, 2);
  dialog_.OnCommand(kRingCombo, kFocusGained);
  EXPECT_EQ(dialog_.State().category, Ring);
  EXPECT_EQ(window_.preview, ExpectedItemPreview("eitem.spr.NCS", Ring, 3));
  dialog_.OnCommand(kShieldCombo, kFocusGained);
  EXPECT_EQ(dialog_.State().category, Shield);
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Shields.spr.NCS", Shield, 2));
  EXPECT_EQ(window_.presentCalls, 3);
}

TEST_F(DialogTest, RingNecklaceAndSoulShareOneArchiveWithTheirOwnTables) {
  window_.SelectEntry(kNecklaceCombo, 1);
  window_.SelectEntry(kSoulCombo, 2);
  window_.UserSelects(dialog_, kRingCombo, 1);
  EXPECT_EQ(window_.preview, ExpectedItemPreview("eitem.spr.NCS", Ring, 1));
  dialog_.OnCommand(kNecklaceCombo, kFocusGained);
  EXPECT_EQ(dialog_.State().archiveName, "eitem.spr.NCS");
  EXPECT_EQ(window_.preview, ExpectedItemPreview("eitem.spr.NCS", Necklace, 1));
  dialog_.OnCommand(kSoulCombo, kFocusGained);
  EXPECT_EQ(dialog_.State().archiveName, "eitem.spr.NCS");
  EXPECT_EQ(window_.preview, ExpectedItemPreview("eitem.spr.NCS", Soul, 2));
}

TEST_F(DialogTest, FocusOnTheBackgroundListRendersNothing) {
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  const PixelSurface shown = window_.preview;
  dialog_.OnCommand(kBackgroundCombo, kFocusGained);
  EXPECT_EQ(window_.presentCalls, 1);
  EXPECT_EQ(window_.preview, shown);
}

TEST_F(DialogTest, ColourAndGenderCountAtOnceInTheArchiveName) {
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  window_.UserSelects(dialog_, kArmorColorCombo, 2);
  EXPECT_EQ(dialog_.State().category, Armor);
  EXPECT_EQ(dialog_.State().archiveName, "Armor002.spr.NCS");
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Armor002.spr.NCS", Armor, 0));

  window_.UserClicksRadio(dialog_, kArmorMaleRadio, 1);
  EXPECT_EQ(dialog_.State().armorGender, 1);
  EXPECT_EQ(dialog_.State().archiveName, "Armor102.spr.NCS");
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Armor102.spr.NCS", Armor, 0));
  ASSERT_NE(ExpectedItemPreview("Armor102.spr.NCS", Armor, 0),
            ExpectedItemPreview("Armor002.spr.NCS", Armor, 0));

  // Another item keeps colour and gender.
  window_.UserSelects(dialog_, kArmorCombo, 3);
  EXPECT_EQ(dialog_.State().archiveName, "Armor102.spr.NCS");
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Armor102.spr.NCS", Armor, 3));
  EXPECT_EQ(dialog_.MakeArmorArchiveName(), "Armor102.spr.NCS");

  window_.UserClicksRadio(dialog_, kShoesMaleRadio, 1);
  window_.UserSelects(dialog_, kShoesColorCombo, 6);
  EXPECT_EQ(dialog_.State().category, Shoes);
  EXPECT_EQ(dialog_.State().archiveName, "Shoes106.spr.NCS");
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Shoes106.spr.NCS", Shoes, 0));
  window_.UserClicksRadio(dialog_, kShoesMaleRadio, 0);
  EXPECT_EQ(dialog_.State().archiveName, "Shoes006.spr.NCS");
}

struct ZoomStep {
  void (CTaviselDlg::*command)();
  int zoom;
  bool zoomInEnabled;
  bool zoomOutEnabled;
};

TEST_F(DialogTest, ZoomStepsThroughFourSizesAndUpdatesButtonsAndStatus) {
  const ZoomStep steps[] = {
      {&CTaviselDlg::OnZoomOut, 50, true, false}, {&CTaviselDlg::OnZoomOut, 50, true, false},
      {&CTaviselDlg::OnZoomIn, 100, true, true},  {&CTaviselDlg::OnZoomIn, 200, true, true},
      {&CTaviselDlg::OnZoomIn, 300, false, true}, {&CTaviselDlg::OnZoomIn, 300, false, true},
      {&CTaviselDlg::OnZoomOut, 200, true, true}, {&CTaviselDlg::OnZoomOut, 100, true, true},
  };
  int presents = 0;
  for (const ZoomStep& step : steps) {
    SCOPED_TRACE(::testing::Message() << "to " << step.zoom);
    (dialog_.*step.command)();
    EXPECT_EQ(dialog_.State().zoomPercent, step.zoom);
    EXPECT_EQ(window_.IsButtonEnabled(kZoomInButton), step.zoomInEnabled);
    EXPECT_EQ(window_.IsButtonEnabled(kZoomOutButton), step.zoomOutEnabled);
    EXPECT_EQ(window_.status, "Zoom :" + std::to_string(step.zoom) + "%");
    EXPECT_EQ(dialog_.State().statusText, window_.status);
    EXPECT_EQ(window_.presentCalls, ++presents);
    EXPECT_EQ(window_.preview,
              ExpectedItemPreview("Weapon.spr.NCS", Weapon, 0, 0xFFFFFF, step.zoom));
  }
}

TEST_F(DialogTest, ZoomTextReplacesTheCaptureText) {
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  dialog_.OnZoomIn();
  EXPECT_EQ(window_.status, "Zoom :200%");
  // Item and background changes leave the status line alone.
  window_.UserSelects(dialog_, kShieldCombo, 1);
  window_.UserSelects(dialog_, kBackgroundCombo, 2);
  EXPECT_EQ(window_.status, "Zoom :200%");
}

TEST_F(DialogTest, BackgroundListChoosesTheBackgroundColour) {
  const std::pair<int, Color> rows[] = {{1, 0xFF00FF}, {2, 0x00FF00}, {3, 0x000000}, {0, 0xFFFFFF},
                                        {4, 0xFFFFFF}, {3, 0x000000}, {-1, 0xFFFFFF}};
  for (auto [selection, color] : rows) {
    SCOPED_TRACE(selection);
    window_.UserSelects(dialog_, kBackgroundCombo, selection);
    EXPECT_EQ(dialog_.State().backgroundColor, color);
    EXPECT_EQ(window_.preview, ExpectedItemPreview("Weapon.spr.NCS", Weapon, 0, color));
  }
}

TEST_F(DialogTest, DataExchangeCopiesStatusAndRadiosBothWays) {
  dialog_.State().armorGender = 1;
  dialog_.State().statusText = "text";
  dialog_.UpdateData(false);
  EXPECT_EQ(window_.CheckedRadio(kArmorMaleRadio), 1);
  EXPECT_EQ(window_.CheckedRadio(kShoesMaleRadio), 0);
  EXPECT_EQ(window_.status, "text");

  window_.CheckRadio(kArmorMaleRadio, 0);
  window_.CheckRadio(kShoesMaleRadio, 1);
  window_.status = "typed";
  EXPECT_TRUE(dialog_.UpdateData(true));
  EXPECT_EQ(dialog_.State().armorGender, 0);
  EXPECT_EQ(dialog_.State().shoesGender, 1);
  EXPECT_EQ(dialog_.State().statusText, "typed");
}

}  // namespace
}  // namespace vestara::testing
