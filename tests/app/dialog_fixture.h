#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/ctavisel_dlg.h"
#include "fake_dialog_window.h"
#include "test_game.h"

namespace vestara::testing {

// The frame that archive `archive` holds at `frame`: every archive and frame of the test
// game has its own picture, 10 to 18 pixels wide and 8 to 13 high.
SpriteGrid TestPicture(const std::string& archive, FrameIndex frame);
// The average that halftone gives to picture pixels (2x, 2y) to (2x + 1, 2y + 1).
Color BlockAverage(const SpriteGrid& grid, int x, int y, Color background);

// A dialog over a fake window, opened (OnInitDialog) in a test game whose archives hold
// TestPicture for the first four items of every category, for every colour and gender.
class DialogTest : public ::testing::Test {
 protected:
  DialogTest();

  // What the preview must show for `picture` at `zoomPercent` on `background`.
  PixelSurface ExpectedPreview(const SpriteGrid& picture, Color background,
                               int zoomPercent = 100) const;
  // ExpectedPreview of the item the category's list selects at `position`.
  PixelSurface ExpectedItemPreview(const std::string& archive, ItemCategory category, int position,
                                   Color background = 0xFFFFFF, int zoomPercent = 100) const;

  TestGame game_;
  FakeDialogWindow window_;
  CTaviselDlg dialog_{window_};
};

}  // namespace vestara::testing
