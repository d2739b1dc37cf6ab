// The vector shapes the artwork is described with, in a 40 by 40 design space whose
// y axis points down, and the point-in-shape test the rasteriser samples them with.
#pragma once

#include <variant>
#include <vector>

namespace morlune::artwork {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

struct Circle {
  Point centre;
  double radius = 0.0;
};

// Axis-aligned, which is all the artwork needs and keeps trigonometry out of the rasteriser.
struct Ellipse {
  Point centre;
  double radiusX = 0.0;
  double radiusY = 0.0;
};

// Filled with the non-zero winding rule, the same rule SVG fills with by default.
struct Polygon {
  std::vector<Point> corners;
};

// A pen of the given radius drawn along the points: round caps and round joins, which is the
// union of one capsule per segment.
struct Stroke {
  std::vector<Point> points;
  double radius = 0.0;
};

struct RoundedRectangle {
  double left = 0.0;
  double top = 0.0;
  double width = 0.0;
  double height = 0.0;
  double cornerRadius = 0.0;
};

using Shape = std::variant<Circle, Ellipse, Polygon, Stroke, RoundedRectangle>;

// What a point is painted with where a shape covers it: ink is black, paper is the disc's white.
enum class Ink { Black, White };

struct Layer {
  Shape shape;
  Ink ink = Ink::Black;
};

// Layers are painted in order, a later one over an earlier one.
using Drawing = std::vector<Layer>;

struct Bounds {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;
};

// A box the shape lies in, so the rasteriser can skip it quickly away from it.
Bounds BoundsOf(const Shape& shape);

// Only +, -, * and / are used, which IEEE 754 rounds exactly: every machine answers alike.
bool Contains(const Shape& shape, Point point);

// Points along a quadratic Bezier curve from `from` to `to`, both ends included, for strokes
// that have to bend smoothly (a tail, say).
std::vector<Point> QuadraticCurve(Point from, Point control, Point to, int segments);

}  // namespace morlune::artwork
