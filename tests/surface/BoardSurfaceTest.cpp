#include "morlune/BoardSurface.h"

#include <gtest/gtest.h>

namespace morlune {
namespace {

constexpr SurfacePixel Rgb(int red, int green, int blue) {
  return 0xFF000000u | static_cast<SurfacePixel>(red << 16 | green << 8 | blue);
}

CellPicture Filled(SurfacePixel pixel) {
  CellPicture picture;
  picture.pixels.fill(pixel);
  return picture;
}

std::size_t At(int x, int y) {
  return static_cast<std::size_t>(y * CellImageSize + x);
}

TEST(BoardSurface, StartsAllBackgroundGrayAndReadsUnreadableOffTheSurface) {
  const BoardSurface surface;
  for (int y = 0; y < BoardHeight; ++y) {
    for (int x = 0; x < BoardWidth; ++x)
      ASSERT_EQ(surface.ColorAt(x, y), BackgroundGray);
  }
  for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {544, 0}, {0, 440}, {544, 440}}) {
    EXPECT_EQ(surface.ColorAt(x, y), UnreadableColour) << x << "," << y;
  }
}

TEST(BoardSurface, ReadsColoursBackAsBlueGreenRed) {
  BoardSurface surface;
  const CellPicture picture = Filled(Rgb(0x12, 0x34, 0x56));
  surface.DrawPicture(&picture, 1, false);
  EXPECT_EQ(surface.ColorAt(0, 0), 0x00563412u);
  EXPECT_EQ(surface.Pixels()[0], 0xFF123456u);
}

// Only exactly 128,128,128 is transparent; its neighbours in every channel are drawn.
TEST(BoardSurface, KeyedDrawingSkipsExactlyTheKeyColour) {
  BoardSurface surface;
  const CellPicture black = Filled(Rgb(0, 0, 0));
  surface.DrawPicture(&black, 61, false);
  CellPicture picture = Filled(Rgb(128, 128, 128));
  picture.pixels[At(1, 0)] = Rgb(129, 128, 128);
  picture.pixels[At(2, 0)] = Rgb(128, 127, 128);
  picture.pixels[At(3, 0)] = Rgb(128, 128, 129);
  picture.pixels[At(4, 0)] = 0x00808080;  // the key whatever the unused top byte holds
  picture.pixels[At(39, 39)] = Rgb(255, 255, 255);

  const PixelRect changed = surface.DrawPicture(&picture, 61, true);
  EXPECT_EQ(changed, (PixelRect{264, 200, 40, 40}));
  EXPECT_EQ(surface.ColorAt(264, 200), 0x00000000u);
  EXPECT_EQ(surface.ColorAt(265, 200), 0x00808081u);
  EXPECT_EQ(surface.ColorAt(266, 200), 0x00807F80u);
  EXPECT_EQ(surface.ColorAt(267, 200), 0x00818080u);
  EXPECT_EQ(surface.ColorAt(268, 200), 0x00000000u);
  EXPECT_EQ(surface.ColorAt(303, 239), 0x00FFFFFFu);
  EXPECT_EQ(surface.ColorAt(263, 200), BackgroundGray);
  EXPECT_EQ(surface.ColorAt(304, 239), BackgroundGray);
}

TEST(BoardSurface, UnkeyedDrawingCopiesAllPixelsIncludingTheKey) {
  BoardSurface surface;
  const CellPicture black = Filled(Rgb(0, 0, 0));
  surface.DrawPicture(&black, 22, false);
  CellPicture picture = Filled(Rgb(128, 128, 128));
  picture.pixels[At(20, 20)] = Rgb(10, 20, 30);
  surface.DrawPicture(&picture, 22, false);
  // Cell 22 ends the odd row 1 at the board's right edge.
  EXPECT_EQ(surface.ColorAt(504, 40), BackgroundGray);
  EXPECT_EQ(surface.ColorAt(543, 79), BackgroundGray);
  EXPECT_EQ(surface.ColorAt(524, 60), 0x001E140Au);
}

TEST(BoardSurface, MissingPicturesAndCellsOffTheBoardDrawNothing) {
  BoardSurface surface;
  const CellPicture black = Filled(Rgb(0, 0, 0));
  EXPECT_EQ(surface.DrawPicture(nullptr, 61, false), PixelRect{});
  EXPECT_EQ(surface.DrawPicture(&black, 0, false), PixelRect{});
  EXPECT_EQ(surface.DrawPicture(&black, 122, false), PixelRect{});
  for (int y = 0; y < BoardHeight; ++y) {
    for (int x = 0; x < BoardWidth; ++x)
      ASSERT_EQ(surface.ColorAt(x, y), BackgroundGray);
  }
}

TEST(CellPictureSet, FindsWhatWasSetAndNothingElse) {
  CellPictureSet set;
  set.Set(CatImage, Filled(Rgb(1, 2, 3)));
  ASSERT_NE(set.Find(CatImage), nullptr);
  EXPECT_EQ(set.Find(CatImage)->pixels[0], Rgb(1, 2, 3));
  EXPECT_EQ(set.Find(EmptyCellImage), nullptr);
  EXPECT_EQ(set.Find(FenceImage), nullptr);
}

}  // namespace
}  // namespace morlune
