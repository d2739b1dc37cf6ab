#include "SvgWriter.h"

#include <cmath>
#include <cstdlib>
#include <variant>

#include "Glyphs.h"

namespace morlune::artwork {
namespace {

std::string PaintOf(Ink ink) {
  return ink == Ink::Black ? "#000000" : "#ffffff";
}

std::string PointList(const std::vector<Point>& points) {
  std::string text;
  for (const Point& point : points) {
    if (!text.empty()) text += ' ';
    text += FormatSvgNumber(point.x) + ',' + FormatSvgNumber(point.y);
  }
  return text;
}

std::string CircleElement(const Circle& circle, const std::string& extra) {
  return "<circle cx=\"" + FormatSvgNumber(circle.centre.x) + "\" cy=\"" +
         FormatSvgNumber(circle.centre.y) + "\" r=\"" + FormatSvgNumber(circle.radius) + "\"" +
         extra + "/>";
}

struct ElementVisitor {
  std::string fill;  // ` fill="#..."` for filled shapes
  std::string paint;

  std::string operator()(const Circle& circle) const { return CircleElement(circle, fill); }

  std::string operator()(const Ellipse& ellipse) const {
    return "<ellipse cx=\"" + FormatSvgNumber(ellipse.centre.x) + "\" cy=\"" +
           FormatSvgNumber(ellipse.centre.y) + "\" rx=\"" + FormatSvgNumber(ellipse.radiusX) +
           "\" ry=\"" + FormatSvgNumber(ellipse.radiusY) + "\"" + fill + "/>";
  }

  std::string operator()(const Polygon& polygon) const {
    return "<polygon points=\"" + PointList(polygon.corners) + "\"" + fill + "/>";
  }

  std::string operator()(const Stroke& stroke) const {
    if (stroke.points.size() == 1) return CircleElement({stroke.points[0], stroke.radius}, fill);
    return "<polyline points=\"" + PointList(stroke.points) + "\" fill=\"none\" stroke=\"" + paint +
           "\" stroke-width=\"" + FormatSvgNumber(2 * stroke.radius) +
           "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>";
  }

  std::string operator()(const RoundedRectangle& box) const {
    std::string corner;
    if (box.cornerRadius > 0.0) corner = " rx=\"" + FormatSvgNumber(box.cornerRadius) + "\"";
    return "<rect x=\"" + FormatSvgNumber(box.left) + "\" y=\"" + FormatSvgNumber(box.top) +
           "\" width=\"" + FormatSvgNumber(box.width) + "\" height=\"" +
           FormatSvgNumber(box.height) + "\"" + corner + fill + "/>";
  }
};

}  // namespace

std::string FormatSvgNumber(double value) {
  const long long thousandths = std::llround(value * 1000.0);
  const long long magnitude = std::llabs(thousandths);
  std::string text = thousandths < 0 ? "-" : "";
  text += std::to_string(magnitude / 1000);
  long long fraction = magnitude % 1000;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, 3 - digits.size(), '0');
    while (digits.back() == '0')
      digits.pop_back();
    text += '.' + digits;
  }
  return text;
}

std::string SvgDocument(const Circle& disc, const Drawing& drawing, int pixelSize) {
  const std::string size = std::to_string(pixelSize);
  const std::string extent = FormatSvgNumber(DesignExtent);
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + size + "\" height=\"" + size +
         "\" viewBox=\"0 0 " + extent + ' ' + extent + "\">\n";
  svg += "  <title>Morlune</title>\n";
  svg += "  <defs><clipPath id=\"disc\">" + CircleElement(disc, "") + "</clipPath></defs>\n";
  svg += "  " + CircleElement(disc, " fill=\"#ffffff\"") + "\n";
  svg += "  <g clip-path=\"url(#disc)\">\n";
  for (const Layer& layer : drawing) {
    const std::string paint = PaintOf(layer.ink);
    svg +=
        "    " + std::visit(ElementVisitor{" fill=\"" + paint + "\"", paint}, layer.shape) + "\n";
  }
  svg += "  </g>\n</svg>\n";
  return svg;
}

}  // namespace morlune::artwork
