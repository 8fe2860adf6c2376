#pragma once

#include <gtest/gtest.h>

#include "snapshot/snapshot.h"
#include "support/scoped_test_directory.h"

namespace vestara::test {

// Every pixel and channel differs from its neighbours, so that a swapped channel, a flipped
// row or a shifted column shows.
inline Color TestColor(int x, int y) {
  return MakeColor(std::uint8_t(10 + 40 * x + y), std::uint8_t(100 + 30 * y + x),
                   std::uint8_t(200 + 7 * x + 3 * y));
}

inline SnapshotImage TestImage(int width, int height) {
  SnapshotImage image(width, height);
  for (int i = 0; i < width * height; ++i)
    image.SetPixel(i % width, i / width, TestColor(i % width, i / width));
  return image;
}

// Each test runs in a fresh, empty working directory.
class SnapshotTest : public ::testing::Test {
  testing::ScopedTestDirectory directory_;
  testing::ScopedWorkingDirectory workingDirectory_{directory_.root()};
};

}  // namespace vestara::test
