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
  const SpriteGrid picture = TestPicture("Weapon.spr.NCS", shown);
  const std::size_t frameEnd = index.dataStart + index.frameOffsets[shown + 1];
  // The archive with the little-endian field of `size` bytes at `at` set to `value`.
  const auto with = [&](std::size_t at, std::size_t size, std::uint32_t value) {
    auto bytes = whole;
    for (std::size_t i = 0; i < size; ++i) bytes.at(at + i) = std::uint8_t(value >> (8 * i));
    return bytes;
  };
  // 65535 x 2048 pixels of one skipped run: far too large to capture.
  std::vector<FrameRecord> records(shown + 1, FrameFromGrid(PatternGrid(1, 1, 0)));
  records[shown] = {{}, 2048, {RowRecord{{RunRecord{65535, {}}}, std::nullopt}}};
  // {archive, the capture's size; none when there is nothing to save}
  const std::pair<std::vector<std::uint8_t>, std::optional<Extent>> damaged[] = {
      {with(10 + 4 * (shown + 1), 4, std::uint32_t(whole.size())), Extent{9, 17}},  // offset
      {with(6, 4, 0xFFFFFFFF), Extent{9, 17}},                         // huge frame count
      {{whole.begin(), whole.begin() + 3}, Extent{9, 17}},             // cut in the signature
      {{whole.begin(), whole.begin() + frameEnd - 1}, Extent{9, 17}},  // cut in the frame
      {{whole.begin(), whole.begin() + frameEnd}, Extent{picture.width, picture.height}},
      {BuildArchive(records), std::nullopt}};
  for (const auto& [archive, size] : damaged) {
    SCOPED_TRACE(::testing::Message() << archive.size() << " bytes");
    WriteBytes(path, archive);
    window_.UserSelects(host_, kWeaponCombo, 0);
    dialog_.OnCapture();
    EXPECT_EQ(window_.status, std::string(size ? "Save as :" : "Save failed :") + "G0000001.bmp");
    const PixelSurface image = ReadCapture(Capture(1)).value_or(PixelSurface());
    EXPECT_EQ((Extent{image.Width(), image.Height()}), size.value_or(Extent{}));
    fs::remove(Capture(1));
  }
  EXPECT_TRUE(window_.messages.empty());
}

}  // namespace
}  // namespace vestara::testing
