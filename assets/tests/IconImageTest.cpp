#include <gtest/gtest.h>

#include "CellPictures.h"
#include "IconImages.h"
#include "PixelQueries.h"

namespace morlune::artwork {
namespace {

using testing::Classify;
using testing::IsGrey;

TEST(IconImage, IsTheDiscTransparentOutsideAndOpaqueInside) {
  for (const int size : IconSizes) {
    SCOPED_TRACE(size);
    const Image icon = IconImage(size);
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    ASSERT_EQ(icon.channels, 4);
    int partial = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const std::uint8_t* pixel = icon.PixelAt(x, y);
        const auto where = Classify(x, y, size / 40.0);
        if (where.whollyOutside) {
          EXPECT_EQ(pixel[3], 0) << x << ',' << y;
        }
        if (where.whollyInside) {
          EXPECT_EQ(pixel[3], 255) << x << ',' << y;
        }
        if (pixel[3] == 0) {
          EXPECT_EQ(pixel[0] | pixel[1] | pixel[2], 0) << x << ',' << y;
        } else {
          EXPECT_TRUE(IsGrey(pixel)) << x << ',' << y;
        }
        if (pixel[3] > 0 && pixel[3] < 255) ++partial;
      }
    }
    // The rim is smoothed all round, not cut out pixel by pixel.
    EXPECT_GT(partial, size);
  }
}

// Drawn at the cell size, the icon is the cat picture with the grey corners made transparent.
TEST(IconImage, ShowsTheCatInTheSamePoseAsTheCellPicture) {
  const Image icon = IconImage(CellPictureSize);
  const Image cat = CellPicture(CellGlyph::Cat);
  int black = 0;
  for (int y = 0; y < CellPictureSize; ++y) {
    for (int x = 0; x < CellPictureSize; ++x) {
      const std::uint8_t* pixel = icon.PixelAt(x, y);
      if (testing::IsKeyGrey(cat, x, y)) {
        EXPECT_EQ(pixel[3], 0) << x << ',' << y;
      }
      if (pixel[3] == 255) {
        // Only where the icon's blend is the key grey does the cell picture differ, by the one
        // step that keeps it from being keyed out.
        const int cell = cat.PixelAt(x, y)[0];
        if (pixel[0] == KeyGrey) {
          EXPECT_TRUE(cell == KeyGrey - 1 || cell == KeyGrey + 1) << x << ',' << y;
        } else {
          EXPECT_EQ(pixel[0], cell) << x << ',' << y;
        }
      }
      if (pixel[3] == 255 && pixel[0] == 0) ++black;
    }
  }
  EXPECT_GT(black, 150);
}

}  // namespace
}  // namespace morlune::artwork
