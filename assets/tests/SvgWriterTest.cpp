#include <gtest/gtest.h>

#include <string>

#include "SvgWriter.h"

namespace morlune::artwork {
namespace {

TEST(SvgNumbers, AreRoundedToThousandthsWithoutTrailingZeros) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {20.0, "20"},     {12.5, "12.5"}, {0.6, "0.6"},         {35.768, "35.768"},   {0.05, "0.05"},
      {-0.25, "-0.25"}, {-3.1, "-3.1"}, {1.0 / 3.0, "0.333"}, {2.0 / 3.0, "0.667"}, {-0.0004, "0"},
      {-0.0, "0"},      {100.0, "100"}, {0.9996, "1"},
  };
  for (const auto& test : cases)
    EXPECT_EQ(FormatSvgNumber(test.value), test.text) << test.value;
}

std::size_t PositionOf(const std::string& svg, const std::string& piece) {
  const std::size_t at = svg.find(piece);
  EXPECT_NE(at, std::string::npos) << piece << "\nnot in\n" << svg;
  return at;
}

// Painted in layer order, each shape as the element that draws the same outline: a pen stroke
// is as wide as the pen's diameter, with round ends and joins.
TEST(SvgDocument, DrawsEveryLayerInOrderClippedToTheDisc) {
  const Drawing drawing = {
      {Ellipse{{15.5, 26.3}, 8.3, 7}, Ink::Black},
      {Stroke{{{16, 35.8}, {32.5, 29}}, 2.7}, Ink::White},
      {Polygon{{{18.8, 8.5}, {19.8, 0.6}, {24.2, 5.6}}}, Ink::Black},
      {RoundedRectangle{23, 19, 5, 14, 2}, Ink::Black},
      {Circle{{3, 4}, 1.25}, Ink::White},
  };
  const std::string svg = SvgDocument({{20, 20}, 20}, drawing, 256);

  PositionOf(svg, "width=\"256\" height=\"256\" viewBox=\"0 0 40 40\"");
  const std::size_t disc =
      PositionOf(svg, "<circle cx=\"20\" cy=\"20\" r=\"20\" fill=\"#ffffff\"/>");
  const std::size_t clip = PositionOf(svg, "<g clip-path=\"url(#disc)\">");
  const std::size_t ellipse =
      PositionOf(svg, "<ellipse cx=\"15.5\" cy=\"26.3\" rx=\"8.3\" ry=\"7\" fill=\"#000000\"/>");
  const std::size_t stroke = PositionOf(
      svg,
      "<polyline points=\"16,35.8 32.5,29\" fill=\"none\" stroke=\"#ffffff\" stroke-width=\"5.4\" "
      "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>");
  const std::size_t polygon =
      PositionOf(svg, "<polygon points=\"18.8,8.5 19.8,0.6 24.2,5.6\" fill=\"#000000\"/>");
  const std::size_t box = PositionOf(
      svg, "<rect x=\"23\" y=\"19\" width=\"5\" height=\"14\" rx=\"2\" fill=\"#000000\"/>");
  const std::size_t dot =
      PositionOf(svg, "<circle cx=\"3\" cy=\"4\" r=\"1.25\" fill=\"#ffffff\"/>");
  EXPECT_LT(disc, clip);
  EXPECT_LT(clip, ellipse);
  EXPECT_LT(ellipse, stroke);
  EXPECT_LT(stroke, polygon);
  EXPECT_LT(polygon, box);
  EXPECT_LT(box, dot);
  EXPECT_EQ(svg.substr(svg.size() - 14), "  </g>\n</svg>\n");
}

}  // namespace
}  // namespace morlune::artwork
