// The pixel rules the board depends on, checked on the pictures as the generator draws them.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "CellPictures.h"
#include "IconImages.h"

namespace morlune::artwork {
namespace {

using Pixel = std::pair<int, int>;

int GreyAt(const Image& picture, int x, int y) {
  return picture.PixelAt(x, y)[0];
}

bool IsKey(const Image& picture, int x, int y) {
  const std::uint8_t* pixel = picture.PixelAt(x, y);
  return pixel[0] == KeyGrey && pixel[1] == KeyGrey && pixel[2] == KeyGrey;
}

// The pixels the board draws when the picture is drawn keyed.
std::set<Pixel> DrawnPixels(const Image& picture) {
  std::set<Pixel> drawn;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (!IsKey(picture, x, y)) drawn.insert({x, y});
    }
  }
  return drawn;
}

int CountInk(const Image& picture) {
  int ink = 0;
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x)
      ink += GreyAt(picture, x, y) == 0;
  }
  return ink;
}

TEST(CellPictures, AreFortyPixelGreyDiscsOnExactKeyCorners) {
  for (const CellGlyph glyph : AllCellGlyphs) {
    SCOPED_TRACE(std::string(GlyphName(glyph)));
    const Image picture = CellPicture(glyph);
    ASSERT_EQ(picture.width, 40);
    ASSERT_EQ(picture.height, 40);
    ASSERT_EQ(picture.channels, 3);
    for (const auto& [x, y] :
         {Pixel{0, 0}, Pixel{39, 0}, Pixel{0, 39}, Pixel{39, 39}, Pixel{3, 3}}) {
      EXPECT_TRUE(IsKey(picture, x, y)) << "corner " << x << "," << y;
    }
    EXPECT_FALSE(IsKey(picture, 20, 20));
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const std::uint8_t* pixel = picture.PixelAt(x, y);
        ASSERT_TRUE(pixel[0] == pixel[1] && pixel[1] == pixel[2])
            << "not grey at " << x << "," << y;
      }
    }
  }
}

// The cat moves every turn and is erased by drawing the empty disc over it with the key
// skipped: every pixel a glyph draws must be one the empty disc draws again.
TEST(CellPictures, AllShareTheEmptyDiscsOutlineSoErasingLeavesNoTrace) {
  const Image empty = CellPicture(CellGlyph::Empty);
  const std::set<Pixel> disc = DrawnPixels(empty);
  EXPECT_GT(disc.size(), 1200u);  // a disc of diameter 40 covers about 1257 pixels
  for (const CellGlyph glyph : {CellGlyph::Cat, CellGlyph::Cross, CellGlyph::Fence}) {
    SCOPED_TRACE(std::string(GlyphName(glyph)));
    const Image picture = CellPicture(glyph);
    EXPECT_EQ(DrawnPixels(picture), disc);

    Image board = picture;  // the glyph drawn on the grey board, then erased
    for (const auto& [x, y] : disc) {
      std::copy_n(empty.PixelAt(x, y), 3, board.PixelAt(x, y));
    }
    EXPECT_EQ(board, empty);
  }
}

TEST(CellPictures, GlyphsAreBlackOnWhiteAndTheEmptyDiscHasNoInk) {
  const Image empty = CellPicture(CellGlyph::Empty);
  EXPECT_EQ(CountInk(empty), 0);
  EXPECT_EQ(GreyAt(empty, 20, 20), 255);
  for (const CellGlyph glyph : {CellGlyph::Cat, CellGlyph::Cross, CellGlyph::Fence}) {
    SCOPED_TRACE(std::string(GlyphName(glyph)));
    const Image picture = CellPicture(glyph);
    const int ink = CountInk(picture);
    // Bold enough to read at a glance, and still a glyph on a disc rather than a black disc.
    EXPECT_GT(ink, 150);
    EXPECT_LT(ink, 800);
    EXPECT_TRUE(GreyAt(picture, 20, 2) == 255 || GreyAt(picture, 2, 20) == 255)
        << "no white paper left near the rim";
  }
}

// Only a pixel no sample of the disc reached may be the key; a blend that rounds to it is
// moved a step towards the disc's own colour.
TEST(CellPictures, BlendsThatRoundToTheKeyAreNudgedOffIt) {
  struct Case {
    PixelCoverage coverage;
    int grey;
  };
  const Case cases[] = {
      {{256, 0, 0}, 128},    // wholly outside: the key
      {{0, 256, 0}, 255},    // wholly paper
      {{0, 0, 256}, 0},      // wholly ink
      {{255, 1, 0}, 129},    // a sliver of paper would round to 128
      {{0, 128, 128}, 127},  // half ink on paper rounds to 128; the ink leans it darker
      {{128, 128, 0}, 192},  // half paper on the grey: an ordinary soft edge
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CellPixelGrey(c.coverage), c.grey)
        << c.coverage.outside << "/" << c.coverage.paper << "/" << c.coverage.ink;
  }
}

TEST(IconImages, AreOpaqueOnTheDiscAndClearOutsideIt) {
  for (const int size : IconSizes) {
    SCOPED_TRACE(size);
    const Image icon = IconImage(size);
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.channels, 4);
    EXPECT_EQ(icon.PixelAt(0, 0)[3], 0);
    EXPECT_EQ(icon.PixelAt(size - 1, size - 1)[3], 0);
    EXPECT_EQ(icon.PixelAt(size / 2, size / 2)[3], 255);
  }
}

}  // namespace
}  // namespace morlune::artwork
