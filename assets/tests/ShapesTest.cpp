#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Shapes.h"

namespace morlune::artwork {
namespace {

struct ContainsCase {
  std::string what;
  Shape shape;
  Point point;
  bool inside;
};

// A five-pointed star drawn in one stroke: its middle pentagon is wound twice, so the
// non-zero rule (SVG's default) fills it and an even-odd rule would leave it empty.
const Polygon Pentagram{{{20, 2}, {30.6, 34.6}, {2.9, 14.4}, {37.1, 14.4}, {9.4, 34.6}}};
// An L: the notch at the top right is outside.
const Polygon Ell{{{0, 0}, {4, 0}, {4, 6}, {10, 6}, {10, 10}, {0, 10}}};
const Polygon EllReversed{{{0, 10}, {10, 10}, {10, 6}, {4, 6}, {4, 0}, {0, 0}}};
const Stroke Elbow{{{0, 0}, {10, 0}, {10, 10}}, 2.0};

std::vector<ContainsCase> ContainsCases() {
  return {
      {"circle, just inside", Circle{{5, 5}, 2}, {6.9, 5}, true},
      {"circle, just outside", Circle{{5, 5}, 2}, {6.5, 6.5}, false},
      {"ellipse, wide axis", Ellipse{{0, 0}, 4, 1}, {3.9, 0}, true},
      {"ellipse, narrow axis", Ellipse{{0, 0}, 4, 1}, {0, 1.1}, false},
      {"ellipse, diagonal", Ellipse{{0, 0}, 4, 1}, {2.9, 0.7}, false},
      {"L, in the upright", Ell, {2, 2}, true},
      {"L, in the foot", Ell, {8, 8}, true},
      {"L, in the notch", Ell, {8, 2}, false},
      {"L wound the other way, in the foot", EllReversed, {8, 8}, true},
      {"L wound the other way, in the notch", EllReversed, {8, 2}, false},
      {"pentagram, twice-wound middle", Pentagram, {20, 20}, true},
      {"pentagram, a point", Pentagram, {20, 6}, true},
      {"pentagram, between points", Pentagram, {8, 24}, false},
      {"stroke, along a segment", Elbow, {5, 1.9}, true},
      {"stroke, beside a segment", Elbow, {5, 2.1}, false},
      {"stroke, round cap past the start", Elbow, {-1.9, 0}, true},
      {"stroke, square corner of the cap", Elbow, {-1.9, 1.9}, false},
      {"stroke, round join outside the corner", Elbow, {11.3, -1.3}, true},
      {"stroke, past the round join", Elbow, {11.6, -1.6}, false},
      {"stroke, inside the bend", Elbow, {7, 3}, false},
      {"stroke of one point is a dot", Stroke{{{3, 3}}, 1.0}, {3.7, 3.7}, true},
      {"rounded rectangle, middle of an edge", RoundedRectangle{0, 0, 10, 6, 2}, {5, 0.1}, true},
      {"rounded rectangle, cut corner", RoundedRectangle{0, 0, 10, 6, 2}, {0.3, 0.3}, false},
      {"rounded rectangle, inside the arc", RoundedRectangle{0, 0, 10, 6, 2}, {0.7, 0.7}, true},
      {"square-cornered rectangle, its corner",
       RoundedRectangle{0, 0, 10, 6, 0},
       {0.05, 5.95},
       true},
      {"rectangle, beyond its right edge", RoundedRectangle{0, 0, 10, 6, 0}, {10.1, 3}, false},
  };
}

TEST(Shapes, ContainsFollowsTheOutline) {
  for (const ContainsCase& test : ContainsCases()) {
    EXPECT_EQ(Contains(test.shape, test.point), test.inside) << test.what;
  }
}

// The rasteriser skips a shape away from its bounds, so a point a shape contains outside
// them would be lost.
TEST(Shapes, BoundsHoldEveryPointTheShapeContains) {
  for (const ContainsCase& test : ContainsCases()) {
    SCOPED_TRACE(test.what);
    const Bounds bounds = BoundsOf(test.shape);
    int covered = 0;
    for (int iy = -200; iy <= 600; ++iy) {
      for (int ix = -200; ix <= 600; ++ix) {
        const Point point{ix / 10.0, iy / 10.0};
        if (!Contains(test.shape, point)) continue;
        ++covered;
        EXPECT_TRUE(point.x >= bounds.left && point.x <= bounds.right && point.y >= bounds.top &&
                    point.y <= bounds.bottom)
            << point.x << ',' << point.y;
      }
    }
    EXPECT_GT(covered, 0);
  }
}

TEST(Shapes, QuadraticCurveRunsFromEndToEndThroughTheControlPull) {
  const std::vector<Point> curve = QuadraticCurve({0, 0}, {10, 20}, {20, 0}, 4);
  ASSERT_EQ(curve.size(), 5u);
  EXPECT_DOUBLE_EQ(curve.front().x, 0.0);
  EXPECT_DOUBLE_EQ(curve.front().y, 0.0);
  EXPECT_DOUBLE_EQ(curve.back().x, 20.0);
  EXPECT_DOUBLE_EQ(curve.back().y, 0.0);
  // Halfway, a quadratic is a quarter of each end and half the control point.
  EXPECT_DOUBLE_EQ(curve[2].x, 10.0);
  EXPECT_DOUBLE_EQ(curve[2].y, 10.0);
  EXPECT_DOUBLE_EQ(curve[1].x, 5.0);
  EXPECT_DOUBLE_EQ(curve[1].y, 7.5);
}

}  // namespace
}  // namespace morlune::artwork
