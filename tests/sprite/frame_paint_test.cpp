#include <gtest/gtest.h>

#include "sprite_test_support.h"

namespace vestara::test {
namespace {

constexpr Color B = kBackground;
constexpr Color F = kFill;

TEST(FramePaintTest, EmptyRowsArePaintedAcrossTheWidthOfTheFirstRecord) {
  // The only record belongs to the last row; the surface is larger than the frame.
  const FrameRecord frame{.height = 3, .rows = {{}, {}, Row({{1, {4, 5}}})}};
  const PixelSurface surface = PaintOn(SingleFrameArchive(frame), 4, 4);
  EXPECT_EQ(RowOf(surface, 0), (std::vector<Color>{B, B, B, F}));
  EXPECT_EQ(RowOf(surface, 1), (std::vector<Color>{B, B, B, F}));
  EXPECT_EQ(RowOf(surface, 2), (std::vector<Color>{B, P(4), P(5), F}));
  EXPECT_EQ(RowOf(surface, 3), (std::vector<Color>{F, F, F, F}));
}

TEST(FramePaintTest, RowMaskLengthFollowsTheHeight) {
  struct Case {
    std::uint16_t height;
    std::size_t maskBytes;
  };
  for (const Case& c : {Case{1, 1}, Case{7, 1}, Case{8, 1}, Case{9, 2}, Case{16, 2}, Case{17, 3},
                        Case{2048, 256}}) {
    SCOPED_TRACE(c.height);
    FrameRecord frame{.height = c.height};
    frame.rows.resize(c.height);
    frame.rows.back() = Row({{0, {9, 10, 11}}});
    EXPECT_EQ(EncodeFrame(frame).size(), 6 + c.maskBytes + 1 + 4 + 3);

    const auto archive = SingleFrameArchive(frame);
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, c.height}));
    const PixelSurface surface = PaintOn(archive, 3, c.height);
    EXPECT_EQ(RowOf(surface, c.height - 1), (std::vector<Color>{P(9), P(10), P(11)}));
    EXPECT_EQ(RowOf(surface, 0)[0], c.height == 1 ? P(9) : B);
  }
}

TEST(FramePaintTest, NoPaletteIndexIsTransparent) {
  const FrameRecord frame{.height = 1, .rows = {Row({{0, {0, 255, 1}}})}};
  const PixelSurface surface = PaintOn(SingleFrameArchive(frame), 3, 1);
  EXPECT_EQ(RowOf(surface, 0), (std::vector<Color>{0x000000, 0xFFFFFF, 0x000080}));
}

TEST(FramePaintTest, ZeroSkipOrZeroLiteralCountPaintsNothingForThatHalf) {
  const FrameRecord frame{.height = 1, .rows = {Row({{0, {4}}, {2, {}}, {0, {}}, {0, {5}}})}};
  const PixelSurface surface = PaintOn(SingleFrameArchive(frame), 5, 1);
  EXPECT_EQ(RowOf(surface, 0), (std::vector<Color>{P(4), B, B, P(5), F}));
}

TEST(FramePaintTest, RunsPassingTheWidthAreConsumedButNotDrawn) {
  const FrameRecord frame{.height = 4,
                          .rows = {Row({{0, {1, 2, 3, 4}}}), Row({{2, {5, 6, 7, 8, 9}}}),
                                   Row({{6, {5}}}), Row({{0, {10, 11, 12, 13}}})}};
  const PixelSurface surface = PaintOn(SingleFrameArchive(frame), 8, 4);
  EXPECT_EQ(RowOf(surface, 1), (std::vector<Color>{B, B, P(5), P(6), F, F, F, F}));
  EXPECT_EQ(RowOf(surface, 2), (std::vector<Color>{B, B, B, B, F, F, F, F}));
  EXPECT_EQ(RowOf(surface, 3), (std::vector<Color>{P(10), P(11), P(12), P(13), F, F, F, F}));
}

TEST(FramePaintTest, RowEndsAtTheWidthWhateverItsRunCount) {
  RowRecord second = Row({{1, {6}}, {0, {7}}});
  second.runCount = 0;
  const FrameRecord frame{.height = 2, .rows = {Row({{0, {1}}, {0, {2}}, {1, {}}}), second}};
  const PixelSurface surface = PaintOn(SingleFrameArchive(frame), 3, 2);
  EXPECT_EQ(RowOf(surface, 1), (std::vector<Color>{B, P(6), P(7)}));
}

TEST(FramePaintTest, SurfaceSmallerThanTheFrameIsClipped) {
  const FrameRecord frame{.height = 3,
                          .rows = {Row({{1, {1, 2, 3}}}), {}, Row({{0, {4, 5, 6, 7}}})}};
  PixelSurface surface(2, 2, F);
  EXPECT_EQ(PaintFrame(SingleFrameArchive(frame), 0, B, surface), (FrameSize{4, 3}));
  EXPECT_EQ(RowOf(surface, 0), (std::vector<Color>{B, P(1)}));
  EXPECT_EQ(RowOf(surface, 1), (std::vector<Color>{B, B}));
}

TEST(FramePaintTest, FrameWithoutRecordsPaintsNothing) {
  const auto archive = SingleFrameArchive({.height = 5});
  PixelSurface surface(4, 6, F);
  EXPECT_EQ(PaintFrame(archive, 0, B, surface), (FrameSize{0, 5}));
  EXPECT_EQ(surface, PixelSurface(4, 6, F));
}

// Rows 0, 1 and 3 have records of 8, 7 and 8 bytes, beginning at frame positions 7, 15
// and 22.
const FrameRecord kFourRows{
    .height = 5, .rows = {Row({{0, {1, 2, 3}}}), Row({{1, {4, 5}}}), {}, Row({{0, {6, 7, 8}}})}};

TEST(FramePaintTest, RecordsBeginningPastTheByteSizeLeaveTheirRowsAsTheyWere) {
  const std::vector<Color> row0{P(1), P(2), P(3)}, row1{B, P(4), P(5)}, row3{P(6), P(7), P(8)};
  const std::vector<Color> untouched{F, F, F}, empty{B, B, B};
  struct Case {
    std::uint32_t byteSize;
    std::vector<std::vector<Color>> rows;
  };
  for (const Case& c : {
           Case{7, {untouched, untouched, empty, untouched, empty}},
           Case{8, {row0, untouched, empty, untouched, empty}},
           Case{15, {row0, untouched, empty, untouched, empty}},
           Case{16, {row0, row1, empty, untouched, empty}},
           Case{22, {row0, row1, empty, untouched, empty}},
           Case{23, {row0, row1, empty, row3, empty}},
       }) {
    SCOPED_TRACE(c.byteSize);
    const auto archive = ArchiveWithOffsets(kFourRows, {0, c.byteSize});
    // The measure reads the first record whatever the byte size says.
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, 5}));
    const PixelSurface surface = PaintOn(archive, 3, 5);
    for (int y = 0; y < 5; ++y) EXPECT_EQ(RowOf(surface, y), c.rows[y]) << "row " << y;
  }
}

TEST(FramePaintTest, ShortReadStopsPaintingAndKeepsThePaintedRows) {
  // In both frames row 1's record begins inside the frame at position 15 and the
  // archive ends before its last pixel byte; in the second that pixel lies past the width.
  const FrameRecord passing{.height = 3, .rows = {Row({{0, {1, 2, 3}}}), Row({{1, {4, 5, 6, 7}}})}};
  struct Case {
    FrameRecord frame;
    std::size_t length;  // of the frame's bytes that the archive holds
    std::vector<std::vector<Color>> rows;
  };
  const std::vector<Color> row0{P(1), P(2), P(3)}, untouched{F, F, F};
  for (const Case& c : {
           Case{kFourRows, 21, {row0, {B, P(4), F}, untouched, untouched, untouched}},
           Case{passing, 23, {row0, {B, P(4), P(5)}, untouched}},
       }) {
    SCOPED_TRACE(c.length);
    auto archive = ArchiveWithOffsets(c.frame, {0, 16});
    archive.resize(archive.size() - EncodeFrame(c.frame).size() + c.length);
    const auto height = static_cast<std::uint16_t>(c.rows.size());
    EXPECT_EQ(MeasureFrame(archive, 0), (FrameSize{3, height}));
    const PixelSurface surface = PaintOn(archive, 3, height);
    for (int y = 0; y < height; ++y) EXPECT_EQ(RowOf(surface, y), c.rows[y]) << "row " << y;
  }
}

TEST(FramePaintTest, BackgroundChangeTouchesExactlyTheSkippedAndEmptyPixels) {
  SpriteGrid grid{.width = 4, .height = 3, .pixels = {}, .drawn = {}};
  grid.pixels = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  grid.drawn = {false, true, true, false, false, false, false, false, true, false, true, true};
  const auto archive = SingleFrameArchive(FrameFromGrid(grid));
  const PixelSurface white = PaintOn(archive, 4, 3, 0, 0xFFFFFF);
  const PixelSurface green = PaintOn(archive, 4, 3, 0, 0x00FF00);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(white.Pixels()[i] != green.Pixels()[i], !grid.drawn[i]) << "pixel " << i;
  }
}

}  // namespace
}  // namespace vestara::test
