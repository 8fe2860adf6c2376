// The pictures beside the list entries: when they are made and what they show.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/entry_pictures.h"
#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

// A grid enlarged by a whole factor, worked out pixel by pixel: each frame pixel a block,
// shown where it is drawn.
ListPicture Enlarged(const SpriteGrid& grid, int factor) {
  ListPicture picture{PixelSurface(grid.width * factor, grid.height * factor), {}};
  picture.opaque.assign(picture.image.Pixels().size(), 0);
  for (int y = 0; y < picture.image.Height(); ++y) {
    for (int x = 0; x < picture.image.Width(); ++x) {
      if (!grid.drawn[static_cast<std::size_t>(y / factor) * grid.width + x / factor]) continue;
      picture.image.SetPixel(x, y, GridColor(grid, x / factor, y / factor, 0));
      picture.opaque[static_cast<std::size_t>(y) * picture.image.Width() + x] = 1;
    }
  }
  return picture;
}

void ExpectShows(const EntryPictures& entry, const SpriteGrid& grid, ListPictureSides sides) {
  const int longer = std::max(grid.width, grid.height);
  ASSERT_TRUE(entry.row && entry.field);
  const ListPicture row = Enlarged(grid, sides.row / longer);
  const ListPicture field = Enlarged(grid, sides.field / longer);
  EXPECT_EQ(entry.row->image, row.image);
  EXPECT_EQ(entry.row->opaque, row.opaque);
  EXPECT_EQ(entry.field->image, field.image);
  EXPECT_EQ(entry.field->opaque, field.opaque);
}

class ListPicturesTest : public DialogTest {
 protected:
  // Test pictures are at most 18 pixels wide and 13 high: both squares enlarge them.
  ListPicturesTest() { window_.sides = {40, 20}; }

  // The first paint shows the first preview, and the posted work makes the pictures.
  void ShowFirstPreview() {
    host_.Notify(kWeaponCombo, kFocusGained);
    host_.Paint();
    window_.RunPosted();
  }
  SpriteGrid Frame(const std::string& archive, ItemCategory category, int position) const {
    return TestPicture(archive, LookupFrame(category, static_cast<std::uint16_t>(position)));
  }
};

TEST_F(ListPicturesTest, EveryListGetsItsPicturesOnlyAfterTheFirstPreview) {
  host_.Notify(kWeaponCombo, kFocusGained);
  window_.UserSelects(host_, kArmorColorCombo, 2);
  window_.RunPosted();
  EXPECT_TRUE(window_.pictureSets.empty());
  host_.Paint();
  EXPECT_TRUE(window_.pictureSets.empty());  // the paint comes first
  window_.RunPosted();
  for (const ControlId list : PictureLists()) EXPECT_EQ(window_.pictureSets[list], 1) << list;
  EXPECT_EQ(window_.pictureSets.count(kBackgroundCombo), 0u);

  const auto& weapons = window_.listPictures[kWeaponCombo];
  ASSERT_EQ(weapons.size(), 96u);
  for (int position = 0; position < 4; ++position) {
    SCOPED_TRACE(position);
    ExpectShows(weapons[position], Frame("Weapon.spr.NCS", Weapon, position), window_.sides);
  }
  EXPECT_EQ(window_.listPictures[kSoulCombo].size(), 23u);
  ExpectShows(window_.listPictures[kSoulCombo][1], Frame("eitem.spr.NCS", Soul, 1), window_.sides);
}

TEST_F(ListPicturesTest, ArmorFollowsItsColourAndGenderAndTheColourListFollowsTheItem) {
  ShowFirstPreview();
  // Male colour 0 has no archive in the test game: labels alone.
  for (const EntryPictures& entry : window_.listPictures[kArmorCombo]) {
    EXPECT_FALSE(entry.row || entry.field);
  }
  window_.SelectEntry(kArmorColorCombo, 2);
  host_.Notify(kArmorColorCombo, kSelectionChanged);
  window_.CheckRadio(kArmorMaleRadio, 1);
  host_.Notify(kArmorFemaleRadio, kClicked);
  window_.UserSelects(host_, kArmorCombo, 3);
  window_.RunPosted();
  // Three changes, each list made once more.
  EXPECT_EQ(window_.pictureSets[kArmorCombo], 2);
  EXPECT_EQ(window_.pictureSets[kArmorColorCombo], 2);
  EXPECT_EQ(window_.pictureSets[kWeaponCombo], 1);
  ExpectShows(window_.listPictures[kArmorCombo][1], Frame("Armor102.spr.NCS", Armor, 1),
              window_.sides);
  // Each colour entry: the selected armor (3) in that colour, female; only colour 2 exists.
  const auto& colors = window_.listPictures[kArmorColorCombo];
  ASSERT_EQ(colors.size(), 5u);
  for (int color = 0; color < 5; ++color) {
    SCOPED_TRACE(color);
    if (color == 2) {
      ExpectShows(colors[color], Frame("Armor102.spr.NCS", Armor, 3), window_.sides);
    } else {
      EXPECT_FALSE(colors[color].row);
    }
  }
  // Shoes: colour 6, female.
  window_.UserSelects(host_, kShoesColorCombo, 6);
  window_.CheckRadio(kShoesMaleRadio, 1);
  host_.Notify(kShoesFemaleRadio, kClicked);
  window_.RunPosted();
  ExpectShows(window_.listPictures[kShoesCombo][2], Frame("Shoes106.spr.NCS", Shoes, 2),
              window_.sides);
  ExpectShows(window_.listPictures[kShoesColorCombo][6], Frame("Shoes106.spr.NCS", Shoes, 0),
              window_.sides);
}

TEST_F(ListPicturesTest, AnEditedArchiveShowsItsNewPicturesWhenTheyAreMadeAgain) {
  ShowFirstPreview();
  const SpriteGrid edited = PatternGrid(12, 9, 77);
  game_.WriteArchive("Armor102.spr.NCS", {{LookupFrame(Armor, 0), edited}});
  window_.UserSelects(host_, kArmorColorCombo, 2);
  window_.CheckRadio(kArmorMaleRadio, 1);
  host_.Notify(kArmorFemaleRadio, kClicked);
  window_.RunPosted();
  ExpectShows(window_.listPictures[kArmorCombo][0], edited, window_.sides);
  // Frames past the archive's end give labels alone.
  EXPECT_FALSE(window_.listPictures[kArmorCombo][60].row);
}

TEST_F(ListPicturesTest, WithoutAGameFolderTheListsKeepTheirLabelsAlone) {
  host_.Notify(kWeaponCombo, kFocusGained);
  host_.Paint();
  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  window_.RunPosted();
  EXPECT_TRUE(window_.pictureSets.empty());
  EXPECT_TRUE(window_.messages.empty());  // the next render says so, not the pictures
}

TEST_F(ListPicturesTest, NotificationsThatAlterNoPictureMakeNone) {
  ShowFirstPreview();
  for (const auto& [control, code] :
       std::vector<std::pair<ControlId, NotificationCode>>{{kArmorCombo, kFocusGained},
                                                           {kWeaponCombo, kSelectionChanged},
                                                           {kBackgroundCombo, kSelectionChanged},
                                                           {kZoomInButton, kClicked},
                                                           {kCaptureButton, kClicked}}) {
    host_.Notify(control, code);
  }
  window_.RunPosted();
  for (const ControlId list : PictureLists()) EXPECT_EQ(window_.pictureSets[list], 1) << list;
}

}  // namespace
}  // namespace vestara::testing
