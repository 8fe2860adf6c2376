#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

// The controls that show an item, the list that holds the item's position, and the archive
// they choose at the opening colours and genders. Lists answer selection and focus, radios
// clicks.
struct ItemRoute {
  ControlId control;
  ControlId list;
  ItemCategory category;
  const char* archive;
  bool radio = false;
};
constexpr ItemRoute kItemRoutes[] = {
    {kWeaponCombo, kWeaponCombo, Weapon, "Weapon.spr.NCS"},
    {kShieldCombo, kShieldCombo, Shield, "Shields.spr.NCS"},
    {kArmorCombo, kArmorCombo, Armor, "Armor000.spr.NCS"},
    {kArmorColorCombo, kArmorCombo, Armor, "Armor000.spr.NCS"},
    {kArmorMaleRadio, kArmorCombo, Armor, "Armor000.spr.NCS", true},
    {kArmorFemaleRadio, kArmorCombo, Armor, "Armor000.spr.NCS", true},
    {kShoesCombo, kShoesCombo, Shoes, "Shoes000.spr.NCS"},
    {kShoesColorCombo, kShoesCombo, Shoes, "Shoes000.spr.NCS"},
    {kShoesMaleRadio, kShoesCombo, Shoes, "Shoes000.spr.NCS", true},
    {kShoesFemaleRadio, kShoesCombo, Shoes, "Shoes000.spr.NCS", true},
    {kRingCombo, kRingCombo, Ring, "eitem.spr.NCS"},
    {kNecklaceCombo, kNecklaceCombo, Necklace, "eitem.spr.NCS"},
    {kSoulCombo, kSoulCombo, Soul, "eitem.spr.NCS"},
};

std::vector<NotificationCode> CodesOf(const ItemRoute& route) {
  if (route.radio) return {kClicked};
  return {kSelectionChanged, kFocusGained};
}

// Every entry of the game folder with its bytes and modification time.
auto GameFiles(const fs::path& folder) {
  std::map<fs::path, std::pair<std::string, fs::file_time_type>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string bytes = entry.is_regular_file() ? *ReadBinaryFile(entry.path()) : "";
    files[entry.path()] = {bytes, entry.last_write_time()};
  }
  return files;
}

TEST_F(DialogTest, OpensWithoutRenderingAndPaintsTheFirstWeaponOnWhiteAtFullSize) {
  EXPECT_EQ(window_.selections.size(), 10u);
  for (const auto& [list, position] : window_.selections) EXPECT_EQ(position, 0) << list;
  EXPECT_EQ(window_.radios, (std::map<ControlId, int>{{kArmorMaleRadio, 0}, {kShoesMaleRadio, 0}}));
  EXPECT_TRUE(window_.IsEnabled(kZoomInButton) && window_.IsEnabled(kZoomOutButton));
  EXPECT_EQ(window_.status, "");
  EXPECT_EQ(window_.preview, Plain(FakeDialogWindow::kUnpainted));
  dialog_.OnPaint();
  EXPECT_EQ(window_.presentCalls, 1);
  EXPECT_EQ(window_.preview, ItemPreview("Weapon.spr.NCS", Weapon, 0));
}

TEST_F(DialogTest, ItemControlsShowTheItemTheirListHoldsWithOneRenderAndWriteNoGameFile) {
  const auto gameBefore = GameFiles(game_.Root() / "game");
  // Selected without a notification, as when the focus moves away and back.
  const std::map<ControlId, int> positions{
      {kWeaponCombo, 1}, {kShieldCombo, 2},   {kArmorCombo, 3}, {kShoesCombo, 1},
      {kRingCombo, 3},   {kNecklaceCombo, 1}, {kSoulCombo, 2}};
  for (const auto& [list, position] : positions) window_.SelectEntry(list, position);
  for (const ItemRoute& route : kItemRoutes) {
    for (NotificationCode code : CodesOf(route)) {
      SCOPED_TRACE(::testing::Message() << route.control << " code " << code);
      // Start from another category, so that the handler has something to change.
      dialog_.State().category = route.category == Weapon ? Shield : Weapon;
      dialog_.State().archiveName = "Other.spr.NCS";
      const int presentsBefore = window_.presentCalls;
      dialog_.OnCommand(route.control, code);
      EXPECT_EQ(dialog_.State().category, route.category);
      EXPECT_EQ(dialog_.State().archiveName, route.archive);
      EXPECT_EQ(window_.presentCalls, presentsBefore + 1);
      EXPECT_EQ(window_.preview,
                ItemPreview(route.archive, route.category, positions.at(route.list)));
    }
  }
  dialog_.OnCapture();
  EXPECT_EQ(GameFiles(game_.Root() / "game"), gameBefore);
}

TEST_F(DialogTest, NotificationsWithoutARouteChangeNothing) {
  std::set<std::pair<int, int>> routed{{kBackgroundCombo, kSelectionChanged},
                                       {kCaptureButton, kClicked},
                                       {kZoomOutButton, kClicked},
                                       {kZoomInButton, kClicked}};
  for (const ItemRoute& route : kItemRoutes) {
    for (NotificationCode code : CodesOf(route)) routed.emplace(route.control, code);
  }
  window_.SelectEntry(kBackgroundCombo, 3);
  window_.SelectEntry(kShieldCombo, 2);
  const auto observable = [this] {
    const ViewState& s = dialog_.State();
    return std::make_tuple(s.category, s.archiveName, s.zoomPercent, s.backgroundColor,
                           s.armorGender, s.shoesGender, s.statusText, s.frameWidth, s.frameHeight);
  };
  const auto before = observable();
  for (int control = kArmorColorCombo - 1; control <= kZoomInButton + 1; ++control) {
    for (int code = -1; code <= 5; ++code) {
      if (!routed.contains({control, code})) dialog_.OnCommand(control, code);
      ASSERT_EQ(observable(), before) << control << " code " << code;
    }
  }
  EXPECT_EQ(window_.presentCalls, 0);
  EXPECT_FALSE(fs::exists(game_.Root() / "G0000001.bmp"));
}

TEST_F(DialogTest, ColourAndGenderCountAtOnceInTheArchiveName) {
  window_.UserSelects(dialog_, kArmorColorCombo, 2);
  EXPECT_EQ(dialog_.State().archiveName, "Armor002.spr.NCS");
  window_.UserClicksRadio(dialog_, kArmorMaleRadio, 1);
  EXPECT_EQ(dialog_.State().armorGender, 1);
  // Another item keeps colour and gender.
  window_.UserSelects(dialog_, kArmorCombo, 3);
  EXPECT_EQ(dialog_.State().archiveName, "Armor102.spr.NCS");
  EXPECT_EQ(window_.preview, ItemPreview("Armor102.spr.NCS", Armor, 3));

  window_.UserClicksRadio(dialog_, kShoesMaleRadio, 1);
  window_.UserSelects(dialog_, kShoesColorCombo, 6);
  EXPECT_EQ(dialog_.State().archiveName, "Shoes106.spr.NCS");
  EXPECT_EQ(window_.preview, ItemPreview("Shoes106.spr.NCS", Shoes, 0));
  window_.UserClicksRadio(dialog_, kShoesMaleRadio, 0);
  EXPECT_EQ(dialog_.State().archiveName, "Shoes006.spr.NCS");
}

TEST_F(DialogTest, ZoomButtonsStepThroughFourSizesAndReportEachInTheStatusLine) {
  dialog_.OnCommand(kCaptureButton, kClicked);
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  const struct {
    ControlId button;
    int zoom;
    bool zoomInEnabled;
    bool zoomOutEnabled;
  } steps[] = {
      {kZoomOutButton, 50, true, false}, {kZoomOutButton, 50, true, false},
      {kZoomInButton, 100, true, true},  {kZoomInButton, 200, true, true},
      {kZoomInButton, 300, false, true}, {kZoomInButton, 300, false, true},
      {kZoomOutButton, 200, true, true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(::testing::Message() << "to " << step.zoom);
    const int presentsBefore = window_.presentCalls;
    dialog_.OnCommand(step.button, kClicked);
    EXPECT_EQ(dialog_.State().zoomPercent, step.zoom);
    EXPECT_EQ(window_.IsEnabled(kZoomInButton), step.zoomInEnabled);
    EXPECT_EQ(window_.IsEnabled(kZoomOutButton), step.zoomOutEnabled);
    EXPECT_EQ(window_.status, "Zoom :" + std::to_string(step.zoom) + "%");
    EXPECT_EQ(dialog_.State().statusText, window_.status);
    EXPECT_EQ(window_.presentCalls, presentsBefore + 1);
    EXPECT_EQ(window_.preview, ItemPreview("Weapon.spr.NCS", Weapon, 0, 0xFFFFFF, step.zoom));
  }
  // Item and background changes leave the status line alone.
  window_.UserSelects(dialog_, kShieldCombo, 1);
  window_.UserSelects(dialog_, kBackgroundCombo, 2);
  EXPECT_EQ(window_.status, "Zoom :200%");
}

TEST_F(DialogTest, BackgroundListChoosesTheBackgroundColour) {
  const std::pair<int, Color> rows[] = {{1, 0xFF00FF}, {2, 0x00FF00}, {3, 0x000000},
                                        {0, 0xFFFFFF}, {4, 0xFFFFFF}, {-1, 0xFFFFFF}};
  for (auto [selection, color] : rows) {
    window_.UserSelects(dialog_, kBackgroundCombo, selection);
    EXPECT_EQ(dialog_.State().backgroundColor, color) << selection;
    EXPECT_EQ(window_.preview, ItemPreview("Weapon.spr.NCS", Weapon, 0, color)) << selection;
  }
}

}  // namespace
}  // namespace vestara::testing
