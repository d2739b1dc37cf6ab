#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "CellPictures.h"
#include "PixelQueries.h"

namespace morlune::artwork {
namespace {

using testing::Classify;
using testing::DarkRuns;
using testing::IsGrey;
using testing::IsKeyGrey;

const std::map<CellGlyph, Image>& Pictures() {
  static const std::map<CellGlyph, Image> pictures = [] {
    std::map<CellGlyph, Image> drawn;
    for (const CellGlyph glyph : AllCellGlyphs)
      drawn.emplace(glyph, CellPicture(glyph));
    return drawn;
  }();
  return pictures;
}

std::string NameOf(CellGlyph glyph) {
  return std::string(GlyphName(glyph));
}

// Draws `picture` onto `board` the way the game does with the key colour: key grey is skipped.
void DrawKeyed(Image& board, const Image& picture) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      if (IsKeyGrey(picture, x, y)) continue;
      std::copy_n(picture.PixelAt(x, y), 3, board.PixelAt(x, y));
    }
  }
}

Image GreyField() {
  Image field(CellPictureSize, CellPictureSize, 3);
  std::fill(field.samples.begin(), field.samples.end(), KeyGrey);
  return field;
}

TEST(CellPictures, AreFortyPixelSquareOpaqueRgbInGreysOnly) {
  for (const auto& [glyph, picture] : Pictures()) {
    SCOPED_TRACE(NameOf(glyph));
    ASSERT_EQ(picture.width, 40);
    ASSERT_EQ(picture.height, 40);
    ASSERT_EQ(picture.channels, 3);
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x)
        EXPECT_TRUE(IsGrey(picture.PixelAt(x, y))) << x << ',' << y;
    }
  }
}

// Pixels the circle of radius 20 misses entirely are key grey; pixels it covers entirely are
// not, the centre among them.
TEST(CellPictures, KeyGreyIsExactlyTheOutsideOfTheDisc) {
  for (const auto& [glyph, picture] : Pictures()) {
    SCOPED_TRACE(NameOf(glyph));
    for (const auto& [x, y] : {std::pair{0, 0}, {39, 0}, {0, 39}, {39, 39}}) {
      EXPECT_TRUE(IsKeyGrey(picture, x, y)) << "corner " << x << ',' << y;
    }
    EXPECT_FALSE(IsKeyGrey(picture, 20, 20));
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        const auto where = Classify(x, y, 1.0);
        if (where.whollyOutside) {
          EXPECT_TRUE(IsKeyGrey(picture, x, y)) << x << ',' << y;
        }
        if (where.whollyInside) {
          EXPECT_FALSE(IsKeyGrey(picture, x, y)) << x << ',' << y;
        }
      }
    }
  }
}

// The cat is erased by drawing the empty cell over it, so every picture must cover exactly
// the pixels the empty one covers.
TEST(CellPictures, AllShareTheEmptyDiscOutline) {
  const Image& empty = Pictures().at(CellGlyph::Empty);
  for (const auto& [glyph, picture] : Pictures()) {
    SCOPED_TRACE(NameOf(glyph));
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x) {
        EXPECT_EQ(IsKeyGrey(picture, x, y), IsKeyGrey(empty, x, y)) << x << ',' << y;
      }
    }
  }
}

// A blend that rounded to the key grey would show up as a hole or a notch: the outline of a
// disc is one run per row and symmetric under both mirrors and the diagonal.
TEST(CellPictures, DiscOutlineIsASolidSymmetricDisc) {
  const Image& empty = Pictures().at(CellGlyph::Empty);
  for (int y = 0; y < 40; ++y) {
    int runs = 0;
    for (int x = 0; x < 40; ++x) {
      const bool covered = !IsKeyGrey(empty, x, y);
      if (covered && (x == 0 || IsKeyGrey(empty, x - 1, y))) ++runs;
      EXPECT_EQ(covered, !IsKeyGrey(empty, 39 - x, y)) << x << ',' << y;
      EXPECT_EQ(covered, !IsKeyGrey(empty, x, 39 - y)) << x << ',' << y;
      EXPECT_EQ(covered, !IsKeyGrey(empty, y, x)) << x << ',' << y;
    }
    EXPECT_EQ(runs, 1) << "row " << y;
  }
}

TEST(CellPictures, EmptyIsWhiteWithALightRim) {
  const Image& empty = Pictures().at(CellGlyph::Empty);
  int white = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      if (IsKeyGrey(empty, x, y)) continue;
      EXPECT_GT(empty.PixelAt(x, y)[0], KeyGrey) << x << ',' << y;
      if (Classify(x, y, 1.0).whollyInside) {
        EXPECT_EQ(empty.PixelAt(x, y)[0], 255) << x << ',' << y;
      }
      if (empty.PixelAt(x, y)[0] == 255) ++white;
    }
  }
  EXPECT_GT(white, 1000);
}

TEST(CellPictures, GlyphsAreDrawnInSolidBlack) {
  for (const CellGlyph glyph : {CellGlyph::Cat, CellGlyph::Cross, CellGlyph::Fence}) {
    SCOPED_TRACE(NameOf(glyph));
    const Image& picture = Pictures().at(glyph);
    int black = 0;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 40; ++x)
        black += picture.PixelAt(x, y)[0] == 0 ? 1 : 0;
    }
    EXPECT_GT(black, 150);
  }
}

TEST(CellPictures, DrawingEmptyKeyedOverAnyPictureRestoresEmpty) {
  Image expected = GreyField();
  DrawKeyed(expected, Pictures().at(CellGlyph::Empty));
  for (const auto& [glyph, picture] : Pictures()) {
    SCOPED_TRACE(NameOf(glyph));
    Image board = GreyField();
    DrawKeyed(board, picture);
    DrawKeyed(board, Pictures().at(CellGlyph::Empty));
    EXPECT_EQ(board, expected);
  }
}

struct GreyCase {
  PixelCoverage coverage;
  int expected;
};

TEST(CellPixelGrey, OnlyAPixelTheDiscNeverReachedIsKeyGrey) {
  const GreyCase cases[] = {
      {{256, 0, 0}, 128},    // outside
      {{0, 256, 0}, 255},    // paper
      {{0, 0, 256}, 0},      // ink
      {{128, 128, 0}, 192},  // rim: half paper, half outside
      {{255, 1, 0}, 129},    // a sliver of paper rounds to the key: nudged lighter
      {{255, 0, 1}, 127},    // a sliver of ink rounds to the key: nudged darker
      {{0, 129, 127}, 129},  // paper and ink mixing to the key, paper heavier
      {{0, 128, 128}, 127},  // ... ink heavier
      {{1, 0, 255}, 1},
  };
  for (const GreyCase& test : cases) {
    EXPECT_EQ(CellPixelGrey(test.coverage), test.expected)
        << test.coverage.outside << '/' << test.coverage.paper << '/' << test.coverage.ink;
  }
}

// These pin down what makes each glyph readable at 40 pixels, so a careless edit of a shape
// shows up here rather than on the board.
TEST(CellGlyphShapes, CrossIsCentredOnTheDisc) {
  const Image& cross = Pictures().at(CellGlyph::Cross);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      const int grey = cross.PixelAt(x, y)[0];
      EXPECT_NEAR(grey, cross.PixelAt(39 - x, y)[0], 8) << x << ',' << y;
      EXPECT_NEAR(grey, cross.PixelAt(x, 39 - y)[0], 8) << x << ',' << y;
    }
  }
  EXPECT_EQ(cross.PixelAt(20, 20)[0], 0);
  EXPECT_EQ(cross.PixelAt(20, 8)[0], 255);  // between the arms
}

TEST(CellGlyphShapes, FenceHasThreePalesAndTwoRails) {
  const Image& fence = Pictures().at(CellGlyph::Fence);
  EXPECT_EQ(DarkRuns(fence, 0, 12, 1, 0, 40), 3);  // across the pales above the rails
  EXPECT_EQ(DarkRuns(fence, 0, 17, 1, 0, 40), 1);  // along the upper rail
  EXPECT_EQ(DarkRuns(fence, 15, 0, 0, 1, 40), 2);  // down the gap between two pales
  EXPECT_EQ(DarkRuns(fence, 11, 0, 0, 1, 40), 1);  // down a pale
}

TEST(CellGlyphShapes, CatSitsFacingRightWithEarsAtTheRimAndTailInFront) {
  const Image& cat = Pictures().at(CellGlyph::Cat);
  int topRow = -1;
  for (int y = 0; y < 40 && topRow < 0; ++y) {
    if (DarkRuns(cat, 0, y, 1, 0, 40) > 0) topRow = y;
  }
  EXPECT_LE(topRow, 1);
  EXPECT_EQ(DarkRuns(cat, 0, 4, 1, 0, 40), 2);  // two ears

  // The head sits over the front paws, to the right of the haunch.
  auto darkCentre = [&cat](int fromRow, int toRow) {
    long sum = 0;
    long count = 0;
    for (int y = fromRow; y < toRow; ++y) {
      for (int x = 0; x < 40; ++x) {
        if (cat.PixelAt(x, y)[0] < KeyGrey) {
          sum += x;
          ++count;
        }
      }
    }
    return static_cast<double>(sum) / static_cast<double>(count);
  };
  EXPECT_GT(darkCentre(0, 14), darkCentre(26, 40) + 3.0);

  // Going up from the bottom at the middle: the tail, a white gap, the body.
  EXPECT_EQ(DarkRuns(cat, 20, 39, 0, -1, 14), 2);
}

}  // namespace
}  // namespace morlune::artwork
