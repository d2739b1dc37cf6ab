#include "Glyphs.h"

#include <utility>

namespace morlune::artwork {
namespace {

// Takes the concrete shape so the variant is built in place, once.
template <typename ConcreteShape>
Layer InkLayer(ConcreteShape shape) {
  return {Shape{std::in_place_type<ConcreteShape>, std::move(shape)}, Ink::Black};
}

// A cat sitting side-on and facing right: haunch behind, chest and front legs below the
// head, ears reaching the rim of the disc, the tail wrapped round the front paws.
Drawing CatDrawing() {
  Drawing cat;
  cat.push_back(InkLayer(Ellipse{{15.5, 26.3}, 8.3, 7.0}));  // haunch
  // The back sweeps from the nape down to the haunch, the chest falls from the chin to the
  // front legs; the base is straight where the cat sits.
  std::vector<Point> body = QuadraticCurve({19.5, 13.5}, {10.5, 16.0}, {8.5, 26.0}, 8);
  body.push_back({14.0, 33.0});
  body.push_back({27.8, 32.8});
  const std::vector<Point> chest = QuadraticCurve({28.0, 21.0}, {27.8, 16.0}, {25.5, 15.0}, 6);
  body.insert(body.end(), chest.begin(), chest.end());
  cat.push_back(InkLayer(Polygon{body}));
  cat.push_back(InkLayer(RoundedRectangle{23.0, 19.0, 5.0, 14.0, 2.0}));      // front legs
  cat.push_back(InkLayer(Ellipse{{24.5, 10.5}, 6.2, 5.2}));                   // head
  cat.push_back(InkLayer(Ellipse{{29.5, 12.5}, 2.6, 2.2}));                   // muzzle
  cat.push_back(InkLayer(Polygon{{{18.8, 8.5}, {19.8, 0.6}, {24.2, 5.6}}}));  // rear ear
  cat.push_back(InkLayer(Polygon{{{24.5, 5.5}, {27.5, 2.0}, {30.0, 8.2}}}));  // front ear
  // The tail leaves the haunch low at the back, runs along the ground in front of the body and
  // curls up before the front paws.
  std::vector<Point> tail = QuadraticCurve({8.2, 29.0}, {7.5, 35.8}, {16.0, 35.8}, 8);
  const std::vector<Point> wrap = QuadraticCurve({16.0, 35.8}, {31.5, 36.0}, {32.5, 29.0}, 10);
  tail.insert(tail.end(), wrap.begin() + 1, wrap.end());
  // A paper-white rim where the tail lies in front of the body keeps it from merging in.
  cat.push_back({Stroke{wrap, 2.7}, Ink::White});
  cat.push_back(InkLayer(Stroke{tail, 1.4}));
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
  const double halfWidth = 3.0;
  const double top = 6.0;
  const double bottom = 32.5;
  for (const double centre : {11.0, 20.0, 29.0}) {
    fence.push_back(InkLayer(Circle{{centre, top + halfWidth}, halfWidth}));
    fence.push_back(InkLayer(RoundedRectangle{centre - halfWidth, top + halfWidth, 2 * halfWidth,
                                              bottom - top - halfWidth, 0.0}));
  }
  fence.push_back(InkLayer(RoundedRectangle{7.0, 15.5, 26.0, 3.2, 0.0}));
  fence.push_back(InkLayer(RoundedRectangle{7.0, 25.5, 26.0, 3.2, 0.0}));
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
