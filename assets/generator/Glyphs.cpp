#include "Glyphs.h"

#include <utility>

namespace morlune::artwork {
namespace {

Layer InkLayer(Shape shape) {
  return {std::move(shape), Ink::Black};
}

// A cat sitting side-on and facing right: haunch behind, chest and front legs below the
// head, ears reaching the rim of the disc, the tail wrapped round the front paws.
Drawing CatDrawing() {
  Drawing cat;
  cat.push_back(InkLayer(Ellipse{{15.5, 27.0}, 9.5, 9.0}));
  cat.push_back(InkLayer(Polygon{
      {{18.0, 12.0}, {26.0, 13.0}, {29.5, 20.0}, {28.0, 30.0}, {16.0, 30.0}, {10.0, 22.0}}}));
  cat.push_back(InkLayer(RoundedRectangle{24.0, 18.0, 5.5, 17.5, 2.0}));
  cat.push_back(InkLayer(Ellipse{{28.0, 34.8}, 3.2, 1.6}));
  cat.push_back(InkLayer(Ellipse{{23.5, 10.5}, 6.2, 5.3}));
  cat.push_back(InkLayer(Ellipse{{29.0, 12.2}, 2.6, 2.2}));
  cat.push_back(InkLayer(Polygon{{{17.4, 9.5}, {19.0, 0.4}, {23.2, 6.0}}}));
  cat.push_back(InkLayer(Polygon{{{23.0, 6.0}, {26.3, 1.5}, {29.0, 8.5}}}));
  std::vector<Point> tail = QuadraticCurve({8.0, 31.0}, {9.0, 37.5}, {20.0, 36.5}, 8);
  const std::vector<Point> tip = QuadraticCurve({20.0, 36.5}, {32.0, 36.0}, {32.0, 31.0}, 8);
  tail.insert(tail.end(), tip.begin() + 1, tip.end());
  cat.push_back(InkLayer(Stroke{tail, 1.3}));
  return cat;
}

// A thick X with round ends, symmetric about the centre of the disc.
Drawing CrossDrawing() {
  const double reach = 8.5;
  const double penRadius = 3.6;
  const double lo = DesignExtent / 2 - reach;
  const double hi = DesignExtent / 2 + reach;
  return {InkLayer(Stroke{{{lo, lo}, {hi, hi}}, penRadius}),
          InkLayer(Stroke{{{lo, hi}, {hi, lo}}, penRadius})};
}

// Three upright pales with round tops, held by two rails.
Drawing FenceDrawing() {
  Drawing fence;
  const double halfWidth = 2.6;
  const double top = 8.0;
  const double bottom = 31.0;
  for (const double centre : {12.0, 20.0, 28.0}) {
    fence.push_back(InkLayer(Circle{{centre, top + halfWidth}, halfWidth}));
    fence.push_back(InkLayer(RoundedRectangle{centre - halfWidth, top + halfWidth, 2 * halfWidth,
                                              bottom - top - halfWidth, 0.0}));
  }
  fence.push_back(InkLayer(RoundedRectangle{7.5, 13.5, 25.0, 3.5, 0.0}));
  fence.push_back(InkLayer(RoundedRectangle{7.5, 23.0, 25.0, 3.5, 0.0}));
  return fence;
}

}  // namespace

Circle Disc() {
  return {{DesignExtent / 2, DesignExtent / 2}, DesignExtent / 2};
}

Drawing GlyphDrawing(CellGlyph glyph) {
  switch (glyph) {
    case CellGlyph::Empty:
      return {};
    case CellGlyph::Cat:
      return CatDrawing();
    case CellGlyph::Cross:
      return CrossDrawing();
    case CellGlyph::Fence:
      return FenceDrawing();
  }
  return {};
}

std::string_view GlyphName(CellGlyph glyph) {
  switch (glyph) {
    case CellGlyph::Empty:
      return "empty";
    case CellGlyph::Cat:
      return "cat";
    case CellGlyph::Cross:
      return "cross";
    case CellGlyph::Fence:
      return "fence";
  }
  return "";
}

}  // namespace morlune::artwork
