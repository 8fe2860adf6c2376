#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "render/view_geometry.h"
#include "sprite/archive_index.h"
#include "sprite/sprite_decoder.h"

namespace vestara::testing {
namespace {

namespace fs = std::filesystem;

TEST_F(DialogTest, CaptureSavesUnderTheFirstFreeNameAndOverwritesNothing) {
  WriteBinaryFile(Capture(2), "taken");
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000001.bmp");
  const SpriteGrid picture = TestPicture("Weapon.spr.NCS", LookupFrame(Weapon, 0));
  EXPECT_EQ(ReadCapture(Capture(1)),
            ScaledPicture(picture, 0xFFFFFF, 100, picture.width, picture.height));
  dialog_.OnZoomIn();
  dialog_.OnCapture();
  EXPECT_EQ(window_.status, "Save as :G0000003.bmp");
  EXPECT_EQ(ReadCapture(Capture(3)),
            ScaledPicture(picture, 0xFFFFFF, 200, 2 * picture.width, 2 * picture.height));
  EXPECT_EQ(ReadBinaryFile(Capture(2)), "taken");
  EXPECT_EQ(window_.invalidations, 1);  // the zoom's; a capture draws nothing on the screen
}

TEST_F(DialogTest, AtHalfTheCaptureAveragesWhileTheScreenDropsRowsAndColumns) {
  // White pixels on black: blocks of two, four and one of them.
  const SpriteGrid picture = GridFromRows({"x.xx.x", "x.xx.."}, {{'x', 255}});
  game_.WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 0), picture}});
  window_.UserSelects(host_, kBackgroundCombo, 3);
  dialog_.OnZoomOut();
  EXPECT_EQ(Shown(), Preview(picture, 0, 50));
  dialog_.OnCapture();
  PixelSurface averaged(3, 1);
  averaged.SetPixel(0, 0, 0x808080);
  averaged.SetPixel(1, 0, 0xFFFFFF);
  averaged.SetPixel(2, 0, 0x404040);
  EXPECT_EQ(ReadCapture(Capture(1)), averaged);
}

TEST_F(DialogTest, MissingOrDamagedArchivesShowWhatTheyCanAndNeverCrash) {
  fs::remove(game_.DataFolder() / "Shields.spr.NCS");
  dialog_.OnZoomIn();
  window_.UserSelects(host_, kShieldCombo, 0);
  EXPECT_EQ(Shown(), Plain(kDefaultFaceColor));
  dialog_.OnZoomOut();
  dialog_.OnCapture();
  EXPECT_EQ(ReadCapture(Capture(1)), PixelSurface(9, 17, kDefaultFaceColor));
  fs::remove(Capture(1));

  const fs::path path = game_.DataFolder() / "Weapon.spr.NCS";
  const std::vector<std::uint8_t> whole = ReadBytes(path);
  const ArchiveIndex index = *ReadArchiveIndex(whole);
  const FrameIndex shown = LookupFrame(Weapon, 0);
  // The archive with the little-endian field of `size` bytes at `at` set to `value`.
  const auto with = [&](std::size_t at, std::size_t size, std::uint32_t value) {
    auto bytes = whole;
    for (std::size_t i = 0; i < size; ++i) bytes.at(at + i) = std::uint8_t(value >> (8 * i));
    return bytes;
  };
  std::vector<std::vector<std::uint8_t>> damaged = {
      with(10 + 4 * (shown + 1), 4, std::uint32_t(whole.size())),  // offset past the end
      with(6, 4, 0xFFFFFFFF),                                      // huge frame count
  };
  // 65535 x 2048 pixels of one skipped run: far too large to capture.
  std::vector<FrameRecord> records(shown + 1, FrameFromGrid(PatternGrid(1, 1, 0)));
  records[shown] = {{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}};
  damaged.push_back(BuildArchive(records));
  for (std::size_t length = 0; length <= index.dataStart + index.frameOffsets[shown + 1];
       ++length) {
    damaged.emplace_back(whole.begin(), whole.begin() + length);
  }
  for (const std::vector<std::uint8_t>& archive : damaged) {
    SCOPED_TRACE(::testing::Message() << &archive - damaged.data());
    WriteBytes(path, archive);
    const FrameSize size = MeasureFrame(archive, shown).value_or(kUnreadableFrameSize);
    window_.UserSelects(host_, kWeaponCombo, 0);
    dialog_.OnCapture();
    // A complete picture of the measured size, or nothing when there is none to save.
    const std::int64_t pixels = std::int64_t{size.width} * size.height;
    const bool saved = pixels > 0 && pixels <= kMaxPicturePixels;
    EXPECT_EQ(window_.status, std::string(saved ? "Save as :" : "Save failed :") + "G0000001.bmp");
    const PixelSurface image = ReadCapture(Capture(1)).value_or(PixelSurface());
    EXPECT_EQ(image.Width(), saved ? size.width : 0);
    EXPECT_EQ(image.Height(), saved ? size.height : 0);
    fs::remove(Capture(1));
  }
  EXPECT_TRUE(window_.messages.empty());
}

}  // namespace
}  // namespace vestara::testing
