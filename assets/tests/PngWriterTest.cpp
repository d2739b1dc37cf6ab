#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CellPictures.h"
#include "IconImages.h"
#include "PngTestReader.h"
#include "PngWriter.h"

namespace morlune::artwork {
namespace {

using testing::DecodeStoredPng;

// Every sample different from its neighbours, so a row or channel out of place shows.
Image Pattern(int width, int height, int channels) {
  Image image(width, height, channels);
  for (std::size_t i = 0; i < image.samples.size(); ++i) {
    image.samples[i] = static_cast<std::uint8_t>((i * 7919u + i / 251u) & 0xFFu);
  }
  return image;
}

struct RoundTripCase {
  std::string what;
  Image image;
};

TEST(PngWriter, DecodesBackToTheSamePixels) {
  const std::vector<RoundTripCase> cases = {
      {"one RGB pixel", Pattern(1, 1, 3)},
      {"one RGBA pixel", Pattern(1, 1, 4)},
      // 120 rows of 601 bytes: more than one stored block, split inside a row.
      {"RGB over 64 KiB", Pattern(200, 120, 3)},
      {"the cat picture", CellPicture(CellGlyph::Cat)},
      {"the fence picture", CellPicture(CellGlyph::Fence)},
      {"the 16 pixel icon", IconImage(16)},
      {"the 256 pixel icon, several blocks", IconImage(256)},
  };
  for (const RoundTripCase& test : cases) {
    SCOPED_TRACE(test.what);
    const Bytes file = EncodePng(test.image);
    const auto decoded = DecodeStoredPng(file);
    ASSERT_TRUE(decoded.image) << decoded.error;
    EXPECT_EQ(*decoded.image, test.image);
  }
}

// The game decodes the cell pictures as opaque RGB; an alpha channel would not be expected.
TEST(PngWriter, CellPicturesAreColourTypeRgbAndIconsRgba) {
  const Bytes picture = EncodePng(CellPicture(CellGlyph::Empty));
  const Bytes icon = EncodePng(IconImage(32));
  // IHDR data starts after the 8-byte signature, the length and the type; colour type is its
  // tenth byte.
  ASSERT_GT(picture.size(), 26u);
  EXPECT_EQ(std::string(picture.begin() + 12, picture.begin() + 16), "IHDR");
  EXPECT_EQ(picture[16 + 8], 8);
  EXPECT_EQ(picture[16 + 9], 2);
  EXPECT_EQ(icon[16 + 9], 6);
}

}  // namespace
}  // namespace morlune::artwork
