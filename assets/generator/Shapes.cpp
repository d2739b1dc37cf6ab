#include "Shapes.h"

#include <algorithm>
#include <cstddef>

namespace morlune::artwork {
namespace {

double Square(double value) {
  return value * value;
}

bool ContainsCircle(const Circle& circle, Point point) {
  return Square(point.x - circle.centre.x) + Square(point.y - circle.centre.y) <=
         Square(circle.radius);
}

bool ContainsEllipse(const Ellipse& ellipse, Point point) {
  return Square((point.x - ellipse.centre.x) / ellipse.radiusX) +
             Square((point.y - ellipse.centre.y) / ellipse.radiusY) <=
         1.0;
}

// Non-zero winding number, counted with exact sign tests on the edges that cross the
// horizontal line through the point.
bool ContainsPolygon(const Polygon& polygon, Point point) {
  int winding = 0;
  const std::size_t count = polygon.corners.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Point a = polygon.corners[i];
    const Point b = polygon.corners[(i + 1) % count];
    const double side = (b.x - a.x) * (point.y - a.y) - (point.x - a.x) * (b.y - a.y);
    if (a.y <= point.y) {
      if (b.y > point.y && side > 0.0) ++winding;
    } else if (b.y <= point.y && side < 0.0) {
      --winding;
    }
  }
  return winding != 0;
}

bool WithinSegment(Point a, Point b, double radius, Point point) {
  const double ex = b.x - a.x;
  const double ey = b.y - a.y;
  const double lengthSquared = Square(ex) + Square(ey);
  double t = 0.0;
  if (lengthSquared > 0.0) {
    t = std::clamp(((point.x - a.x) * ex + (point.y - a.y) * ey) / lengthSquared, 0.0, 1.0);
  }
  const double nearestX = a.x + t * ex;
  const double nearestY = a.y + t * ey;
  return Square(point.x - nearestX) + Square(point.y - nearestY) <= Square(radius);
}

bool ContainsStroke(const Stroke& stroke, Point point) {
  if (stroke.points.size() == 1) {
    return WithinSegment(stroke.points[0], stroke.points[0], stroke.radius, point);
  }
  for (std::size_t i = 0; i + 1 < stroke.points.size(); ++i) {
    if (WithinSegment(stroke.points[i], stroke.points[i + 1], stroke.radius, point)) return true;
  }
  return false;
}

bool ContainsRoundedRectangle(const RoundedRectangle& box, Point point) {
  if (point.x < box.left || point.x > box.left + box.width || point.y < box.top ||
      point.y > box.top + box.height) {
    return false;
  }
  // Distance past the inner rectangle whose corners are the centres of the corner arcs.
  const double innerLeft = box.left + box.cornerRadius;
  const double innerRight = box.left + box.width - box.cornerRadius;
  const double innerTop = box.top + box.cornerRadius;
  const double innerBottom = box.top + box.height - box.cornerRadius;
  const double dx = std::max({innerLeft - point.x, 0.0, point.x - innerRight});
  const double dy = std::max({innerTop - point.y, 0.0, point.y - innerBottom});
  return Square(dx) + Square(dy) <= Square(box.cornerRadius);
}

Bounds BoundsOfPoints(const std::vector<Point>& points, double margin) {
  Bounds bounds{points.front().x, points.front().y, points.front().x, points.front().y};
  for (const Point& point : points) {
    bounds.left = std::min(bounds.left, point.x);
    bounds.top = std::min(bounds.top, point.y);
    bounds.right = std::max(bounds.right, point.x);
    bounds.bottom = std::max(bounds.bottom, point.y);
  }
  return {bounds.left - margin, bounds.top - margin, bounds.right + margin, bounds.bottom + margin};
}

struct BoundsVisitor {
  Bounds operator()(const Circle& circle) const {
    return {circle.centre.x - circle.radius, circle.centre.y - circle.radius,
            circle.centre.x + circle.radius, circle.centre.y + circle.radius};
  }
  Bounds operator()(const Ellipse& ellipse) const {
    return {ellipse.centre.x - ellipse.radiusX, ellipse.centre.y - ellipse.radiusY,
            ellipse.centre.x + ellipse.radiusX, ellipse.centre.y + ellipse.radiusY};
  }
  Bounds operator()(const Polygon& polygon) const { return BoundsOfPoints(polygon.corners, 0.0); }
  Bounds operator()(const Stroke& stroke) const {
    return BoundsOfPoints(stroke.points, stroke.radius);
  }
  Bounds operator()(const RoundedRectangle& box) const {
    return {box.left, box.top, box.left + box.width, box.top + box.height};
  }
};

struct ContainsVisitor {
  Point point;
  bool operator()(const Circle& circle) const { return ContainsCircle(circle, point); }
  bool operator()(const Ellipse& ellipse) const { return ContainsEllipse(ellipse, point); }
  bool operator()(const Polygon& polygon) const { return ContainsPolygon(polygon, point); }
  bool operator()(const Stroke& stroke) const { return ContainsStroke(stroke, point); }
  bool operator()(const RoundedRectangle& box) const {
    return ContainsRoundedRectangle(box, point);
  }
};

}  // namespace

Bounds BoundsOf(const Shape& shape) {
  return std::visit(BoundsVisitor{}, shape);
}

bool Contains(const Shape& shape, Point point) {
  return std::visit(ContainsVisitor{point}, shape);
}

std::vector<Point> QuadraticCurve(Point from, Point control, Point to, int segments) {
  std::vector<Point> points;
  points.reserve(static_cast<std::size_t>(segments) + 1);
  for (int i = 0; i <= segments; ++i) {
    const double t = static_cast<double>(i) / segments;
    const double u = 1.0 - t;
    points.push_back({u * u * from.x + 2.0 * u * t * control.x + t * t * to.x,
                      u * u * from.y + 2.0 * u * t * control.y + t * t * to.y});
  }
  return points;
}

}  // namespace morlune::artwork
