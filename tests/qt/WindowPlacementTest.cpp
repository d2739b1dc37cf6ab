#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace morlune {
namespace {

struct PlacementCase {
  const char* name;
  QRect screen;
  QRect available;
  QPoint expected;
};

TEST(InitialWindowPosition, CentresFor578By527AndKeepsTheTitleBarOnTheScreen) {
  const PlacementCase cases[] = {
      {"full HD", {0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {671, 276}},
      {"odd sizes divide down", {0, 0, 1023, 767}, {0, 0, 1023, 767}, {222, 120}},
      {"a panel that does not get in the way", {0, 0, 800, 600}, {0, 30, 800, 570}, {111, 36}},
      {"second screen to the right", {1920, 0, 1280, 1024}, {1920, 0, 1280, 1024}, {2271, 248}},
      {"a panel the title bar would hide under", {0, 0, 800, 560}, {0, 40, 800, 520}, {111, 40}},
      {"too low for the window", {0, 0, 640, 480}, {0, 0, 640, 450}, {31, 0}},
      {"smaller than the window both ways", {0, 0, 500, 400}, {0, 0, 500, 400}, {0, 0}},
      {"a screen left of the primary, too small",
       {-500, 0, 500, 400},
       {-500, 20, 500, 380},
       {-500, 20}},
  };
  for (const PlacementCase& placement : cases) {
    EXPECT_EQ(InitialWindowPosition(placement.screen, placement.available), placement.expected)
        << placement.name;
  }
}

}  // namespace
}  // namespace morlune
