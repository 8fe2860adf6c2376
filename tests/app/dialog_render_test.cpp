#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "dialog_fixture.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

// Counts the opens of files in the watched directories, by file name, as the kernel
// reports them. Closes are watched too: the kernel merges identical events that follow
// each other unread, and a close between two opens keeps them apart.
class FileOpenCounter {
 public:
  explicit FileOpenCounter(std::initializer_list<fs::path> directories)
      : descriptor_(inotify_init1(IN_NONBLOCK)) {
    for (const fs::path& directory : directories) {
      EXPECT_GE(inotify_add_watch(descriptor_, directory.c_str(), IN_OPEN | IN_CLOSE), 0)
          << directory;
    }
  }
  ~FileOpenCounter() { close(descriptor_); }
  FileOpenCounter(const FileOpenCounter&) = delete;
  FileOpenCounter& operator=(const FileOpenCounter&) = delete;

  // The opens since the last call.
  std::map<std::string, int> TakeOpens() {
    std::map<std::string, int> opens;
    alignas(inotify_event) char buffer[64 * 1024];
    ssize_t length;
    while ((length = read(descriptor_, buffer, sizeof buffer)) > 0) {
      for (char* at = buffer; at < buffer + length;) {
        const auto* event = reinterpret_cast<const inotify_event*>(at);
        if (event->len > 0 && (event->mask & IN_OPEN) != 0 && (event->mask & IN_ISDIR) == 0) {
          ++opens[event->name];
        }
        at += sizeof(inotify_event) + event->len;
      }
    }
    return opens;
  }

 private:
  int descriptor_;
};

SpriteGrid FirstWeaponPicture() { return TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, 0)); }

void ReplaceFirstWeapon(const TestGame& game, const SpriteGrid& picture) {
  fs::remove(game.DataFolder() / "Weapon.spr.NCS");
  game.WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 0), picture}});
}

TEST_F(DialogTest, CaptureSavesToTheFirstFreeNameAndReportsIt) {
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  EXPECT_EQ(dialog_.State().statusText, window_.status);
  const auto first = ReadBmp24(game_.Root() / "G0000001.bmp");
  ASSERT_TRUE(first.has_value());
  // At 100 % the picture is the frame on its background, without the face-coloured margin.
  const SpriteGrid picture = FirstWeaponPicture();
  ASSERT_EQ(first->Width(), picture.width);
  ASSERT_EQ(first->Height(), picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      EXPECT_EQ(first->GetPixel(x, y), GridColor(picture, x, y, 0xFFFFFF)) << x << "," << y;
    }
  }
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000002.bmp");
  EXPECT_TRUE(fs::exists(game_.Root() / "G0000002.bmp"));
  // A capture draws nothing on the screen.
  EXPECT_EQ(window_.presentCalls, 0);
}

TEST_F(DialogTest, CaptureFillsTheFirstGap) {
  WriteBinaryFile(game_.Root() / "G0000001.bmp", "taken");
  WriteBinaryFile(game_.Root() / "G0000003.bmp", "taken");
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000002.bmp");
  EXPECT_TRUE(ReadBmp24(game_.Root() / "G0000002.bmp").has_value());
  EXPECT_EQ(ReadBinaryFile(game_.Root() / "G0000001.bmp"), "taken");
  EXPECT_EQ(ReadBinaryFile(game_.Root() / "G0000003.bmp"), "taken");
}

TEST_F(DialogTest, CaptureWithoutPixelsReportsTheFailedSave) {
  ReplaceFirstWeapon(game_, PatternGrid(1, 30, 1));
  dialog_.OnZoomOut();
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save failed :G0000001.bmp");
  EXPECT_EQ(dialog_.State().statusText, window_.status);
  EXPECT_FALSE(fs::exists(game_.Root() / "G0000001.bmp"));
  // The name stays free for the next capture.
  dialog_.OnZoomIn();
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  const auto image = ReadBmp24(game_.Root() / "G0000001.bmp");
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->Width(), 1);
  EXPECT_EQ(image->Height(), 30);
}

TEST_F(DialogTest, AtHalfTheCaptureAveragesWhileTheScreenDropsRowsAndColumns) {
  const SpriteGrid picture = PatternGrid(40, 30, 2);
  ReplaceFirstWeapon(game_, picture);
  window_.UserSelects(dialog_, kBackgroundCombo, 1);
  dialog_.OnZoomOut();
  EXPECT_EQ(window_.preview, ExpectedPreview(picture, 0xFF00FF, 50));

  dialog_.OnCapture();
  const auto image = ReadBmp24(game_.Root() / "G0000001.bmp");
  ASSERT_TRUE(image.has_value());
  ASSERT_EQ(image->Width(), 20);
  ASSERT_EQ(image->Height(), 15);
  int differFromScreen = 0;
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 20; ++x) {
      EXPECT_EQ(image->GetPixel(x, y), BlockAverage(picture, x, y, 0xFF00FF)) << x << "," << y;
      differFromScreen += image->GetPixel(x, y) != window_.preview.GetPixel(x, y);
    }
  }
  EXPECT_GT(differFromScreen, 0);
}

TEST_F(DialogTest, CaptureOfAFrameLargerThanTheStretchSourceDrawsOnlyItsTopLeft) {
  const SpriteGrid picture = PatternGrid(420, 370, 3);
  ReplaceFirstWeapon(game_, picture);
  dialog_.OnCapture();
  const auto image = ReadBmp24(game_.Root() / "G0000001.bmp");
  ASSERT_TRUE(image.has_value());
  ASSERT_EQ(image->Width(), 420);
  ASSERT_EQ(image->Height(), 370);
  for (int y = 0; y < 370; ++y) {
    for (int x = 0; x < 420; ++x) {
      const Color expected =
          (x < 408 && y < 360) ? GridColor(picture, x, y, 0xFFFFFF) : MakeColor(0, 0, 0);
      ASSERT_EQ(image->GetPixel(x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(DialogTest, MissingArchiveShowsOnlyTheFaceColour) {
  fs::remove(game_.DataFolder() / "Shields.spr.NCS");
  dialog_.OnZoomIn();
  dialog_.OnZoomIn();
  window_.UserSelects(dialog_, kShieldCombo, 0);
  EXPECT_EQ(window_.presentCalls, 3);
  // Nothing of the weapon shown before remains.
  EXPECT_EQ(window_.preview, PixelSurface(window_.preview.Width(), window_.preview.Height(),
                                          FakeDialogWindow::kFaceColor));
  EXPECT_EQ(dialog_.State().frameWidth, 9);
  EXPECT_EQ(dialog_.State().frameHeight, 17);
  EXPECT_TRUE(window_.messages.empty());

  dialog_.OnZoomOut();
  dialog_.OnZoomOut();
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  EXPECT_EQ(ReadBmp24(game_.Root() / "G0000001.bmp"),
            PixelSurface(9, 17, FakeDialogWindow::kFaceColor));
}

TEST_F(DialogTest, RendersWithoutAFrameLeaveThePreviewAndFrameSizeAlone) {
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  const PixelSurface shown = window_.preview;
  const auto size = std::make_pair(dialog_.State().frameWidth, dialog_.State().frameHeight);
  const auto noFrame = [&](const char* what, auto setUp) {
    SCOPED_TRACE(what);
    setUp();
    dialog_.OnPaint();
    dialog_.OnCapture();
    EXPECT_EQ(window_.presentCalls, 1);
    EXPECT_EQ(window_.preview, shown);
    EXPECT_EQ(std::make_pair(dialog_.State().frameWidth, dialog_.State().frameHeight), size);
    EXPECT_EQ(window_.status, "");
    EXPECT_FALSE(fs::exists(game_.Root() / "G0000001.bmp"));
  };
  noFrame("past the table", [&] { window_.SelectEntry(kWeaponCombo, 96); });
  noFrame("no selection", [&] { window_.SelectEntry(kWeaponCombo, -1); });
  window_.SelectEntry(kWeaponCombo, 0);
  noFrame("category 7", [&] { dialog_.State().category = 7; });
  noFrame("category -1", [&] { dialog_.State().category = -1; });
}

TEST_F(DialogTest, WithoutAGameFolderTheMessageShowsOnceAndTheDialogEnds) {
  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  window_.status = "typed";
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  ASSERT_EQ(window_.messages.size(), 1u);
  EXPECT_EQ(window_.messages[0], "ヴェスタラフォルダのパスを設定してください。");
  EXPECT_EQ(window_.endDialogOkCalls, 1);
  EXPECT_TRUE(dialog_.Ended());
  // Ending with OK copies the controls into the members first.
  EXPECT_EQ(dialog_.State().statusText, "typed");

  dialog_.OnPaint();
  dialog_.OnCapture();
  window_.UserSelects(dialog_, kShieldCombo, 1);
  EXPECT_EQ(window_.messages.size(), 1u);
  EXPECT_EQ(window_.endDialogOkCalls, 1);
  EXPECT_EQ(window_.presentCalls, 0);
  EXPECT_EQ(window_.preview, PixelSurface(window_.preview.Width(), window_.preview.Height(),
                                          FakeDialogWindow::kUnpaintedPreview));
  EXPECT_EQ(ReadBinaryFile(game_.Root() / "filepath.txt"), "missing\\\n");
}

TEST_F(DialogTest, OneActionReadsTheArchiveTwiceAndFilepathOnce) {
  FileOpenCounter counter({game_.Root(), game_.DataFolder()});
  window_.UserSelects(dialog_, kShieldCombo, 1);
  EXPECT_EQ(counter.TakeOpens(),
            (std::map<std::string, int>{{"filepath.txt", 1}, {"Shields.spr.NCS", 2}}));
  dialog_.OnCapture();
  std::map<std::string, int> captureOpens = counter.TakeOpens();
  captureOpens.erase("G0000001.bmp");  // the snapshot being written
  EXPECT_EQ(captureOpens,
            (std::map<std::string, int>{{"filepath.txt", 1}, {"Shields.spr.NCS", 2}}));
  // Nothing is kept: a repaint reads everything again.
  dialog_.OnPaint();
  EXPECT_EQ(counter.TakeOpens(),
            (std::map<std::string, int>{{"filepath.txt", 1}, {"Shields.spr.NCS", 2}}));
}

}  // namespace
}  // namespace vestara::testing
