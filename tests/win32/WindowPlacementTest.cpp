// Where the window first appears, for screens of many sizes.
#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace morlune::testing {
namespace {

struct PlacementCase {
  const char* name;
  RECT screen;
  RECT workArea;
  POINT expected;
};

TEST(WindowPlacementTest, CentresTheInitialSizeAndKeepsTheTitleBarReachable) {
  const PlacementCase cases[] = {
      {"full HD", {0, 0, 1920, 1080}, {0, 0, 1920, 1040}, {671, 276}},
      // Odd leftovers are divided down, not rounded.
      {"odd leftovers", {0, 0, 1025, 768}, {0, 0, 1025, 768}, {223, 120}},
      {"exactly the window", {0, 0, 578, 527}, {0, 0, 578, 527}, {0, 0}},
      // The taskbar on the left or at the top does not move a window that fits.
      {"taskbar on the left", {0, 0, 1280, 1024}, {60, 0, 1280, 1024}, {351, 248}},
      // Too small: the far edge would fit nowhere, so the near edge stays on screen.
      {"small screen", {0, 0, 640, 480}, {0, 0, 640, 440}, {31, 0}},
      {"tiny screen", {0, 0, 320, 240}, {0, 24, 320, 240}, {0, 24}},
  };
  for (const PlacementCase& placement : cases) {
    const POINT position = InitialWindowPosition(placement.screen, placement.workArea);
    EXPECT_EQ(position.x, placement.expected.x) << placement.name;
    EXPECT_EQ(position.y, placement.expected.y) << placement.name;
  }
}

}  // namespace
}  // namespace morlune::testing
