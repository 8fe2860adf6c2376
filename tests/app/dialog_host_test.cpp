// When a window paints, shows a message and ends: decided once for every window.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

const std::vector<std::string> kNoFolderMessage{"ヴェスタラフォルダのパスを設定してください。"};

TEST_F(DialogTest, APaintShowsTheHandlersRenderWithoutRenderingAgain) {
  window_.UserSelects(host_, kWeaponCombo, 1);
  EXPECT_EQ(window_.invalidations, 1);
  const PixelSurface second = ItemPreview("Weapon.spr.NCS", Weapon, 1);
  EXPECT_EQ(Shown(), second);
  // Whatever the archive holds now, the paint the handler asked for shows its render.
  std::filesystem::remove(game_.DataFolder() / "Weapon.spr.NCS");
  EXPECT_EQ(host_.Paint(), second);
  // A paint of its own renders anew, and a render inside a paint asks for no other paint.
  EXPECT_EQ(host_.Paint(), Plain(kDefaultFaceColor));
  EXPECT_EQ(window_.invalidations, 1);
  // A new size holds no picture: its first paint renders.
  game_.WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 1), TestPicture("x", 1)}});
  window_.UserSelects(host_, kWeaponCombo, 1);
  host_.ResizePreview(kPreviewWidth, kPreviewHeight);
  EXPECT_EQ(host_.Paint(), Preview(TestPicture("x", 1)));
}

TEST_F(DialogTest, WithoutAGameFolderAHandlerShowsTheMessageThenEnds) {
  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  host_.Notify(kWeaponCombo, kFocusGained);
  EXPECT_EQ(window_.messages, kNoFolderMessage);
  EXPECT_EQ(window_.endedAtEvent, 2);
  EXPECT_TRUE(host_.Ended());
  // Once ended, nothing renders, shows or ends again.
  host_.Paint();
  host_.Notify(kCaptureButton, kClicked);
  window_.UserSelects(host_, kShieldCombo, 1);
  EXPECT_EQ(window_.messages, kNoFolderMessage);
  EXPECT_EQ(window_.endedAtEvent, 2);
  EXPECT_EQ(Shown(), Plain(kDefaultFaceColor));
  EXPECT_FALSE(std::filesystem::exists(Capture(1)));
}

TEST_F(DialogTest, AMessageRaisedInAPaintComesAfterItAndTheEndAfterTheMessage) {
  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  host_.Paint();
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_EQ(window_.endedAtEvent, 0);
  // Until the message is up and closed, notifications and paints do nothing.
  host_.Notify(kCaptureButton, kClicked);
  host_.Paint();
  EXPECT_EQ(window_.posted.size(), 1u);
  window_.RunPosted();
  EXPECT_EQ(window_.messages, kNoFolderMessage);
  EXPECT_EQ(window_.endedAtEvent, 2);
  EXPECT_TRUE(window_.posted.empty());
  EXPECT_FALSE(std::filesystem::exists(Capture(1)));
}

}  // namespace
}  // namespace vestara::testing
