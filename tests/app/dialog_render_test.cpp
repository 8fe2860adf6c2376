#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "app/render_pipeline.h"
#include "dialog_fixture.h"
#include "sprite/archive_index.h"
#include "sprite/sprite_decoder.h"
#include "unprivileged_user.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

// The average that halftone gives to picture pixels (2x, 2y) to (2x + 1, 2y + 1).
Color BlockAverage(const SpriteGrid& grid, int x, int y, Color background) {
  Color average = 0;
  for (int shift : {0, 8, 16}) {
    int sum = 2;  // rounds to the nearest
    for (int i = 0; i < 4; ++i) {
      sum += (GridColor(grid, 2 * x + i % 2, 2 * y + i / 2, background) >> shift) & 0xFF;
    }
    average |= Color(sum / 4) << shift;
  }
  return average;
}

class DialogRenderTest : public DialogTest {
 protected:
  fs::path Capture(int number) const {
    return game_.Root() / ("G000000" + std::to_string(number) + ".bmp");
  }
  void ReplaceFirstWeapon(const SpriteGrid& picture) const {
    game_.WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 0), picture}});
  }
};

TEST_F(DialogRenderTest, CaptureSavesTheFrameUnderTheFirstFreeNameAndOverwritesNothing) {
  WriteBinaryFile(Capture(2), "taken");
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  EXPECT_EQ(dialog_.State().statusText, window_.status);
  // At 100 % the picture is the frame on its background, without the face-coloured margin.
  const SpriteGrid picture = TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, 0));
  EXPECT_EQ(ReadCapture(Capture(1)),
            ScaledPicture(picture, 0xFFFFFF, 100, picture.width, picture.height));
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000003.bmp");
  EXPECT_TRUE(ReadCapture(Capture(3)).has_value());
  EXPECT_EQ(ReadBinaryFile(Capture(2)), "taken");
  EXPECT_EQ(window_.presentCalls, 0);  // a capture draws nothing on the screen
}

TEST_F(DialogRenderTest, CaptureInAReadOnlyFolderReportsTheFailedSaveAndLeavesNothing) {
  const auto anyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(game_.Root(), anyWrite, fs::perm_options::remove);
  {
    ScopedUnprivilegedUser user;
    if (!user.Binding()) GTEST_SKIP() << "no user whom permission bits bind";
    dialog_.OnCapture();
  }
  fs::permissions(game_.Root(), fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(window_.status, "Save failed :G0000001.bmp");
  EXPECT_EQ(dialog_.State().statusText, window_.status);
  EXPECT_EQ(std::distance(fs::directory_iterator(game_.Root()), {}), 2);  // game, filepath.txt
}

TEST_F(DialogRenderTest, AtHalfTheCaptureAveragesWhileTheScreenDropsRowsAndColumns) {
  const SpriteGrid picture = PatternGrid(40, 30, 2);
  ReplaceFirstWeapon(picture);
  window_.UserSelects(dialog_, kBackgroundCombo, 1);
  dialog_.OnZoomOut();
  EXPECT_EQ(window_.preview, Preview(picture, 0xFF00FF, 50));

  dialog_.OnCapture();
  PixelSurface averaged(20, 15);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 20; ++x) averaged.SetPixel(x, y, BlockAverage(picture, x, y, 0xFF00FF));
  }
  EXPECT_EQ(ReadCapture(Capture(1)), averaged);
  EXPECT_NE(averaged, ScaledPicture(picture, 0xFF00FF, 50, 20, 15));
}

TEST_F(DialogRenderTest, CaptureOfAFrameLargerThanTheStretchSourceLeavesTheRestBlack) {
  const SpriteGrid picture = PatternGrid(420, 370, 3);
  ReplaceFirstWeapon(picture);
  dialog_.OnZoomIn();
  dialog_.OnCapture();
  // Only the fixed 408 x 360 source is stretched, to 816 x 720 at 200 %.
  PixelSurface expected = ScaledPicture(picture, 0xFFFFFF, 200, 840, 740);
  expected.FillRect(816, 0, 24, 740, 0);
  expected.FillRect(0, 720, 840, 20, 0);
  EXPECT_EQ(ReadCapture(Capture(1)), expected);
}

TEST_F(DialogRenderTest, MissingOrDamagedArchivesShowWhatTheyCanAndNeverCrash) {
  fs::remove(game_.DataFolder() / "Shields.spr.NCS");
  dialog_.OnZoomIn();
  window_.UserSelects(dialog_, kShieldCombo, 0);
  // Nothing of the weapon shown before remains; the capture is the 9 x 17 fallback.
  EXPECT_EQ(window_.preview, Plain(FakeDialogWindow::kFaceColor));
  dialog_.OnZoomOut();
  dialog_.OnCapture();
  EXPECT_EQ(ReadCapture(Capture(1)), PixelSurface(9, 17, FakeDialogWindow::kFaceColor));
  fs::remove(Capture(1));

  const fs::path path = game_.DataFolder() / "Weapon.spr.NCS";
  const std::vector<std::uint8_t> whole = ReadBytes(path);
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  const FrameIndex shown = LookupFrame(Weapon, 0);
  const std::uint32_t begin = index.frameOffsets[shown];
  const std::uint32_t end = index.frameOffsets[shown + 1];
  // The archive with the little-endian field of `size` bytes at `at` set to `value`.
  const auto with = [&](std::size_t at, std::size_t size, std::uint32_t value) {
    auto bytes = whole;
    for (std::size_t i = 0; i < size; ++i) bytes.at(at + i) = std::uint8_t(value >> (8 * i));
    return bytes;
  };
  std::vector<std::vector<std::uint8_t>> damaged = {
      with(10 + 4 * (shown + 1), 4, std::uint32_t(whole.size())),  // offset past the end
      with(10 + 4 * shown, 4, end + 1),                            // decreasing offsets
      with(10 + 4 * (shown + 1), 4, begin),                        // no bytes
      with(6, 4, 512),                                             // frame count 512
      with(6, 4, 0xFFFFFFFF),                                      // huge frame count
      with(6, 4, shown),                                           // no frame at the index
      with(index.dataStart + begin + 4, 2, 2049),                  // height 2049
      with(index.dataStart + begin + 4, 2, 65535),                 // height 65535
      std::vector<std::uint8_t>(whole.size(), 0),                  // no signature
  };
  // 65535 pixels wide and 2048 high, one run of skipped pixels: far too large to capture.
  std::vector<FrameRecord> records(shown + 1, FrameFromGrid(PatternGrid(1, 1, 0)));
  records[shown] = {{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}};
  damaged.push_back(BuildArchive(records));
  for (std::size_t length = 0; length <= index.dataStart + end; ++length) {
    damaged.emplace_back(whole.begin(), whole.begin() + length);  // cut short
  }
  for (const std::vector<std::uint8_t>& archive : damaged) {
    SCOPED_TRACE(::testing::Message() << &archive - damaged.data());
    WriteBytes(path, archive);
    const FrameSize size = MeasureFrame(archive, shown).value_or(kUnreadableFrameSize);
    window_.UserSelects(dialog_, kWeaponCombo, 0);
    EXPECT_EQ(dialog_.State().frameWidth, size.width);
    EXPECT_EQ(dialog_.State().frameHeight, size.height);
    dialog_.OnCapture();
    // A complete picture of the measured size, or nothing when there is none to save.
    const std::int64_t pixels = std::int64_t{size.width} * size.height;
    const bool saved = pixels > 0 && pixels <= kMaxSnapshotPixels;
    EXPECT_EQ(window_.status, std::string(saved ? "Save as :" : "Save failed :") + "G0000001.bmp");
    const PixelSurface image = ReadCapture(Capture(1)).value_or(PixelSurface());
    EXPECT_EQ(image.Width(), saved ? size.width : 0);
    EXPECT_EQ(image.Height(), saved ? size.height : 0);
    fs::remove(Capture(1));
  }
  EXPECT_TRUE(window_.messages.empty());
}

TEST_F(DialogRenderTest, RendersWithoutAFrameDrawNothing) {
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  const PixelSurface shown = window_.preview;
  const auto size = std::make_pair(dialog_.State().frameWidth, dialog_.State().frameHeight);
  const std::pair<int, int> selectionAndCategory[] = {{96, Weapon}, {-1, Weapon}, {0, 7}, {0, -1}};
  for (const auto& [selection, category] : selectionAndCategory) {
    SCOPED_TRACE(::testing::Message() << selection << " in " << category);
    window_.SelectEntry(kWeaponCombo, selection);
    dialog_.State().category = category;
    dialog_.OnPaint();
    dialog_.OnCapture();
    EXPECT_EQ(window_.presentCalls, 1);
    EXPECT_EQ(window_.preview, shown);
    EXPECT_EQ(std::make_pair(dialog_.State().frameWidth, dialog_.State().frameHeight), size);
    EXPECT_EQ(window_.status, "");
    EXPECT_FALSE(fs::exists(Capture(1)));
  }
}

TEST_F(DialogRenderTest, WithoutAGameFolderTheMessageShowsOnceAndNothingRenders) {
  WriteBinaryFile(game_.Root() / "filepath.txt", "missing\\\n");
  window_.status = "typed";
  dialog_.OnCommand(kWeaponCombo, kFocusGained);
  EXPECT_EQ(window_.messages,
            std::vector<std::string>{"ヴェスタラフォルダのパスを設定してください。"});
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
  EXPECT_EQ(window_.preview, Plain(FakeDialogWindow::kUnpainted));
  EXPECT_FALSE(fs::exists(Capture(1)));
}

// The opens of files in `directories` while `action` runs, by file name, as the kernel
// reports them. Closes are watched too: the kernel merges identical events that follow
// each other unread, and a close between two opens keeps them apart.
std::map<std::string, int> OpensDuring(const std::vector<fs::path>& directories,
                                       const std::function<void()>& action) {
  const int watch = inotify_init1(IN_NONBLOCK);
  for (const fs::path& directory : directories) {
    EXPECT_GE(inotify_add_watch(watch, directory.c_str(), IN_OPEN | IN_CLOSE), 0) << directory;
  }
  action();
  std::map<std::string, int> opens;
  alignas(inotify_event) char buffer[64 * 1024];
  for (ssize_t length; (length = read(watch, buffer, sizeof buffer)) > 0;) {
    for (char* at = buffer; at < buffer + length;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      if (event->len > 0 && (event->mask & IN_OPEN) != 0 && (event->mask & IN_ISDIR) == 0) {
        ++opens[event->name];
      }
      at += sizeof(inotify_event) + event->len;
    }
  }
  close(watch);
  return opens;
}

TEST_F(DialogRenderTest, EveryRenderReadsTheArchiveTwiceAndFilepathOnce) {
  const std::vector<fs::path> watched{game_.Root(), game_.DataFolder()};
  const std::map<std::string, int> oneRender{{"filepath.txt", 1}, {"Shields.spr.NCS", 2}};
  EXPECT_EQ(OpensDuring(watched, [&] { window_.UserSelects(dialog_, kShieldCombo, 1); }),
            oneRender);
  std::map<std::string, int> captureOpens = OpensDuring(watched, [&] { dialog_.OnCapture(); });
  captureOpens.erase("G0000001.bmp");  // the snapshot being written
  EXPECT_EQ(captureOpens, oneRender);
  // Nothing is kept: a repaint reads everything again.
  EXPECT_EQ(OpensDuring(watched, [&] { dialog_.OnPaint(); }), oneRender);
}

}  // namespace
}  // namespace vestara::testing
