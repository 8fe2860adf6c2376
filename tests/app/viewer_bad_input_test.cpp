// The viewer end to end over damaged archives, broken filepath.txt files and a read-only
// working directory: it shows what it can, captures complete pictures or reports the
// failed save, and never crashes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "sprite/archive_index.h"
#include "sprite/sprite_decoder.h"
#include "unprivileged_child.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kNoFolderMessage[] = "ヴェスタラフォルダのパスを設定してください。";

std::vector<std::uint8_t> ArchiveBytes(const fs::path& path) {
  const std::string bytes = ReadBinaryFile(path).value_or("");
  return {bytes.begin(), bytes.end()};
}

void WriteArchiveBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
  WriteBinaryFile(path, std::string(bytes.begin(), bytes.end()));
}

std::vector<std::string> EntriesOf(const fs::path& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ViewerBadInputTest : public DialogTest {
 protected:
  // Shows the first weapon and captures it; the capture must be a complete picture of the
  // size that the measure gives for `archive` (9 x 17 when it refuses the frame).
  void ExpectShownAndCaptured(const std::vector<std::uint8_t>& archive) {
    const FrameSize size =
        MeasureFrame(archive, LookupFrame(Weapon, 0)).value_or(kUnreadableFrameSize);
    window_.UserSelects(dialog_, kWeaponCombo, 0);
    EXPECT_EQ(dialog_.State().frameWidth, size.width);
    EXPECT_EQ(dialog_.State().frameHeight, size.height);
    dialog_.OnCapture();
    const fs::path snapshot = game_.Root() / "G0000001.bmp";
    if (size.width == 0 || size.height == 0) {
      EXPECT_EQ(window_.status, "Save failed :G0000001.bmp");
      EXPECT_FALSE(fs::exists(snapshot));
      return;
    }
    EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
    const auto picture = ReadBmp24(snapshot);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Width(), size.width);
    EXPECT_EQ(picture->Height(), size.height);
    fs::remove(snapshot);
  }

  fs::path WeaponArchive() const { return game_.DataFolder() / "Weapon.spr.NCS"; }

  // The default install folders lie in the test's own folder, and hold no game.
  ScopedEnvironmentVariable winePrefix_{"WINEPREFIX", (game_.Root() / "wine").string()};
};

TEST_F(ViewerBadInputTest, ArchiveCutAtAnyLengthUpToTheShownFrameStillShowsAndCaptures) {
  const auto whole = ArchiveBytes(WeaponArchive());
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  const FrameIndex shown = LookupFrame(Weapon, 0);
  const std::size_t shownEnd = index.dataStart + index.frameOffsets[shown + 1];
  for (std::size_t length = 0; length <= shownEnd; ++length) {
    SCOPED_TRACE(length);
    const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
    WriteArchiveBytes(WeaponArchive(), cut);
    ExpectShownAndCaptured(cut);
    if (::testing::Test::HasFailure()) break;
  }
  EXPECT_TRUE(window_.messages.empty());
}

TEST_F(ViewerBadInputTest, DamagedArchivesShowTheFaceColourOrWhatTheyHold) {
  const auto whole = ArchiveBytes(WeaponArchive());
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  const FrameIndex shown = LookupFrame(Weapon, 0);
  // The archive with a little-endian field of `size` bytes at `at` set to `value`.
  const auto with = [&](std::size_t at, std::size_t size, std::uint32_t value) {
    auto bytes = whole;
    for (std::size_t i = 0; i < size; ++i)
      bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
  };
  const auto setCount = [&](std::uint32_t count) { return with(6, 4, count); };
  const auto setOffset = [&](FrameIndex frame, std::uint32_t offset) {
    return with(10 + 4 * std::size_t{frame}, 4, offset);
  };
  const auto setHeight = [&](std::uint16_t height) {
    return with(index.dataStart + index.frameOffsets[shown] + 4, 2, height);
  };
  const std::uint32_t shownBegin = index.frameOffsets[shown];
  const std::uint32_t shownEnd = index.frameOffsets[shown + 1];
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"offset past the end", setOffset(shown + 1, static_cast<std::uint32_t>(whole.size()))},
      {"decreasing offsets", setOffset(shown, shownEnd + 1)},
      {"no bytes", setOffset(shown + 1, shownBegin)},
      {"frame count 512", setCount(512)},
      {"huge frame count", setCount(0xFFFFFFFF)},
      {"no frame at the index", setCount(shown)},
      {"height 2049", setHeight(2049)},
      {"height 65535", setHeight(65535)},
      {"no signature", std::vector<std::uint8_t>(whole.size(), 0)},
  };
  for (const auto& damaged : cases) {
    SCOPED_TRACE(damaged.name);
    WriteArchiveBytes(WeaponArchive(), damaged.bytes);
    ExpectShownAndCaptured(damaged.bytes);
  }
}

TEST_F(ViewerBadInputTest, BrokenFolderFilesEndTheDialogWithTheMessage) {
  std::string binary;
  for (int i = 0; i < 300; ++i) binary += static_cast<char>((i * 211 + 7) % 256);
  const struct {
    const char* name;
    std::optional<std::string> content;  // nullopt: a directory in its place
  } cases[] = {
      {"binary", binary},
      {"10 kB on one line", std::string(10 * 1024, 'x')},
      {"NUL before the folder", std::string("\0game\\\n", 7)},
      {"only carriage returns", "\r\r"},
      {"a directory", std::nullopt},
  };
  for (const auto& broken : cases) {
    SCOPED_TRACE(broken.name);
    FakeDialogWindow window;
    CTaviselDlg dialog(window);
    dialog.OnInitDialog();
    fs::remove_all(game_.Root() / "filepath.txt");
    if (broken.content) {
      WriteBinaryFile(game_.Root() / "filepath.txt", *broken.content);
    } else {
      fs::create_directory(game_.Root() / "filepath.txt");
    }
    dialog.OnPaint();
    dialog.OnCapture();
    EXPECT_EQ(window.messages, std::vector<std::string>{kNoFolderMessage});
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(window.presentCalls, 0);
    EXPECT_FALSE(fs::exists(game_.Root() / "G0000001.bmp"));
  }
}

TEST_F(ViewerBadInputTest, NulAfterTheFolderLineEndsTheLine) {
  WriteBinaryFile(game_.Root() / "filepath.txt", std::string("game\\\0\xff\xfe junk", 12));
  window_.UserSelects(dialog_, kShieldCombo, 2);
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_EQ(window_.preview, ExpectedItemPreview("Shields.spr.NCS", Shield, 2));
}

TEST_F(ViewerBadInputTest, UnreadableFolderFileActsAsMissingAndStays) {
  fs::permissions(game_.Root() / "filepath.txt", fs::perms::none);
  const std::optional<std::string> messages = RunInUnprivilegedChild([&] {
    dialog_.OnPaint();
    std::string shown;
    for (const std::string& message : window_.messages) shown += message;
    return shown;
  });
  fs::permissions(game_.Root() / "filepath.txt", fs::perms::owner_read);
  if (!messages) GTEST_SKIP() << "cannot run as a user that permission bits bind";
  EXPECT_EQ(*messages, kNoFolderMessage);
  EXPECT_EQ(ReadBinaryFile(game_.Root() / "filepath.txt"), "game\\\n");
}

TEST_F(ViewerBadInputTest, ReadOnlyWorkingDirectoryFailsTheCaptureAndLeavesNothing) {
  const std::vector<std::string> before = EntriesOf(game_.Root());
  fs::permissions(game_.Root(),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::optional<std::string> status = RunInUnprivilegedChild([&] {
    // The game must still be readable for the capture to get as far as the save.
    if (access("game/Data/Weapon.spr.NCS", R_OK) != 0) return std::string("unreachable");
    window_.UserSelects(dialog_, kWeaponCombo, 1);
    dialog_.OnCapture();
    return window_.status;
  });
  fs::permissions(game_.Root(), fs::perms::owner_all, fs::perm_options::add);
  if (!status || *status == "unreachable") {
    GTEST_SKIP() << "cannot run as a user that permission bits bind";
  }
  EXPECT_EQ(*status, "Save failed :G0000001.bmp");
  EXPECT_EQ(EntriesOf(game_.Root()), before);
}

}  // namespace
}  // namespace vestara::testing
