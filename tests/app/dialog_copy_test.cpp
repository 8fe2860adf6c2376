// The copy keys and the window that grows to show the whole picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "dialog_fixture.h"
#include "support/decoded_image.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

bool AnyCaptureIn(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().starts_with("G")) return true;
  }
  return false;
}

// The PNG that went to the clipboard, decoded: its colours and, where it is transparent, a
// byte per pixel as the copy's own mask has it.
void ExpectPngHolds(const FakeDialogWindow::Copied& copied) {
  const std::optional<DecodedImage> png = DecodeImageBytes(copied.png);
  ASSERT_TRUE(png);
  ASSERT_EQ(png->width, copied.image.Width());
  ASSERT_EQ(png->height, copied.image.Height());
  for (int y = 0; y < png->height; ++y) {
    for (int x = 0; x < png->width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * png->width + x;
      const bool shown = copied.opaque.empty() || copied.opaque[at] != 0;
      ASSERT_EQ(png->Alpha(x, y), shown ? 255 : 0) << x << "," << y;
      if (shown) {
        ASSERT_EQ(png->Rgb(x, y), copied.image.GetPixel(x, y)) << x << "," << y;
      }
    }
  }
}

TEST_F(DialogTest, CopyPutsWhatACaptureWouldSaveOnTheClipboardAndWritesNoFile) {
  window_.UserSelects(host_, kWeaponCombo, 1);
  window_.UserSelects(host_, kBackgroundCombo, 2);
  dialog_.OnZoomIn();
  host_.Copy(CopyKind::Opaque);
  ASSERT_TRUE(window_.clipboard);
  const SpriteGrid picture = TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, 1));
  const int width = 2 * picture.width, height = 2 * picture.height;
  EXPECT_EQ(window_.clipboard->image, ScaledPicture(picture, 0x00FF00, 200, width, height));
  EXPECT_TRUE(window_.clipboard->opaque.empty());
  ExpectPngHolds(*window_.clipboard);
  EXPECT_EQ(window_.status, "Copied :" + std::to_string(width) + "x" + std::to_string(height));
  EXPECT_FALSE(AnyCaptureIn(game_.Root()));
  // The capture that follows saves the very same pixels.
  dialog_.OnCapture();
  EXPECT_EQ(ReadCapture(Capture(1)), window_.clipboard->image);
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  host_.Copy(CopyKind::Opaque);
  dialog_.OnZoomOut();
  EXPECT_EQ(window_.status, "Zoom :100%");
}

TEST_F(DialogTest, ATransparentCopyShowsOnlyTheDrawnPixels) {
  const SpriteGrid picture = TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, 0));
  dialog_.OnZoomIn();
  dialog_.OnZoomIn();
  host_.Copy(CopyKind::Transparent);
  ASSERT_TRUE(window_.clipboard);
  const FakeDialogWindow::Copied& copied = *window_.clipboard;
  ASSERT_EQ(copied.opaque.size(), std::size_t{9} * picture.width * picture.height);
  int drawnPixels = 0;
  for (int y = 0; y < 3 * picture.height; ++y) {
    for (int x = 0; x < 3 * picture.width; ++x) {
      const std::size_t frameAt = static_cast<std::size_t>(y / 3) * picture.width + x / 3;
      const bool drawn = picture.drawn[frameAt];
      drawnPixels += drawn ? 1 : 0;
      ASSERT_EQ(copied.opaque[static_cast<std::size_t>(y) * 3 * picture.width + x] != 0, drawn);
      if (drawn) {
        ASSERT_EQ(copied.image.GetPixel(x, y), GridColor(picture, x / 3, y / 3, 0));
      }
    }
  }
  EXPECT_GT(drawnPixels, 0);
  EXPECT_LT(drawnPixels, 9 * picture.width * picture.height);
  ExpectPngHolds(copied);
  EXPECT_EQ(window_.status, "Copied :" + std::to_string(3 * picture.width) + "x" +
                                std::to_string(3 * picture.height));
}

TEST_F(DialogTest, NothingIsCopiedWhileTheMessageIsUpOrWhenTheClipboardRefuses) {
  window_.clipboardTakes = false;
  host_.Copy(CopyKind::Opaque);
  EXPECT_EQ(window_.status, "");  // no "Copied" for a copy that did not happen
  window_.clipboardTakes = true;

  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  host_.Paint();  // the message waits until the paint is done
  host_.Copy(CopyKind::Opaque);
  host_.Copy(CopyKind::Transparent);
  EXPECT_FALSE(window_.clipboard);
  EXPECT_TRUE(window_.messages.empty());
  window_.RunPosted();
  EXPECT_EQ(window_.messages.size(), 1u);
  EXPECT_TRUE(host_.Ended());
  host_.Copy(CopyKind::Opaque);
  EXPECT_FALSE(window_.clipboard);
}

TEST_F(DialogTest, ACopyWithoutAGameFolderShowsTheMessageAndEndsAsACaptureDoes) {
  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  host_.Copy(CopyKind::Transparent);
  EXPECT_EQ(window_.messages.size(), 1u);
  EXPECT_TRUE(host_.Ended());
  EXPECT_FALSE(window_.clipboard);
}

TEST_F(DialogTest, ANewPictureAsksForTheWholeOfItToShowButARepaintDoesNot) {
  const SpriteGrid picture = TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, 0));
  host_.Notify(kWeaponCombo, kFocusGained);
  dialog_.OnZoomIn();
  dialog_.OnZoomIn();
  const std::vector<Extent> asked{{picture.width, picture.height},
                                  {2 * picture.width, 2 * picture.height},
                                  {3 * picture.width, 3 * picture.height}};
  EXPECT_EQ(window_.wholePreviews, asked);
  // Repaints, the same picture again (a zoom at its limit, the focus back in its list) and
  // another background show no new picture: a window made smaller stays so.
  host_.Paint();
  dialog_.OnZoomIn();
  host_.Notify(kWeaponCombo, kFocusGained);
  window_.UserSelects(host_, kBackgroundCombo, 3);
  EXPECT_EQ(window_.wholePreviews, asked);
  // Another item does; a frame larger than the picture area shows no more than its stretch.
  game_.WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 1), PatternGrid(420, 500, 1)}});
  window_.UserSelects(host_, kWeaponCombo, 1);
  EXPECT_EQ(window_.wholePreviews.back(), (Extent{1224, 1080}));
  EXPECT_EQ(window_.wholePreviews.size(), 4u);
}

TEST_F(DialogTest, AWindowThatGrowsAtOnceStillShowsTheNewPicture) {
  // The new size brings a new, empty surface: the paint that follows renders on it.
  window_.grow = [this](Extent) { host_.ResizePreview(kPreviewWidth, kPreviewHeight); };
  dialog_.OnZoomIn();
  EXPECT_EQ(host_.Paint(), ItemPreview("Weapon.spr.NCS", Weapon, 0, 0xFFFFFF, 200));
}

}  // namespace
}  // namespace vestara::testing
