#pragma once
// Pictures compared as a person would check them: a rectangle of one
// against a rectangle of another, pixel by pixel, each colour channel (and
// alpha, when both pictures carry it) within a tolerance.

#include "frame/Bitmap.h"

#include <gtest/gtest.h>

namespace testsupport {

// The width x height rectangle at (x, y) of `actual` against the one at
// (ex, ey) of `expected`. A failure names the first pixel that differs, in
// both pictures, with both values; a rectangle outside either picture fails.
// Use with EXPECT_TRUE or ASSERT_TRUE.
::testing::AssertionResult RegionMatches(const frame::Bitmap& actual, int x, int y, const frame::Bitmap& expected,
                                         int ex, int ey, int width, int height, int tolerance = 0);
// Whole pictures, of one size.
::testing::AssertionResult PicturesMatch(const frame::Bitmap& actual, const frame::Bitmap& expected,
                                         int tolerance = 0);

}  // namespace testsupport
