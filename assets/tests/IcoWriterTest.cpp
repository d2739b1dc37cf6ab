#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "IcoWriter.h"
#include "IconImages.h"

namespace morlune::artwork {
namespace {

std::uint32_t Read16(const Bytes& bytes, std::size_t at) {
  return std::uint32_t{bytes.at(at)} | (std::uint32_t{bytes.at(at + 1)} << 8);
}

std::uint32_t Read32(const Bytes& bytes, std::size_t at) {
  return Read16(bytes, at) | (Read16(bytes, at + 2) << 16);
}

// One image as a Windows reader sees it: a BITMAPINFOHEADER, for 8 bits a palette, then the
// colour rows and the AND mask rows, both bottom-up.
struct IcoEntryView {
  const Bytes& file;
  std::size_t start = 0;
  int size = 0;
  int bits = 0;

  std::size_t PaletteBytes() const { return bits == 8 ? 256 * 4 : 0; }
  std::size_t ColourStride() const { return static_cast<std::size_t>((size * bits + 31) / 32 * 4); }
  std::size_t MaskStride() const { return static_cast<std::size_t>((size + 31) / 32 * 4); }
  std::size_t ColourAt(int x, int y) const {
    return start + 40 + PaletteBytes() + (size - 1 - y) * ColourStride() + x * bits / 8;
  }
  bool Masked(int x, int y) const {
    const std::size_t maskStart = start + 40 + PaletteBytes() + size * ColourStride();
    const std::uint8_t byte = file.at(maskStart + (size - 1 - y) * MaskStride() + x / 8);
    return (byte & (0x80 >> (x % 8))) != 0;
  }
  std::size_t TotalBytes() const {
    return 40 + PaletteBytes() + size * (ColourStride() + MaskStride());
  }
};

class IcoFile : public ::testing::Test {
 protected:
  const std::vector<Image> images{IconImage(16), IconImage(32)};
  const Bytes file = EncodeIco(images);

  IcoEntryView Entry(int index) const {
    const std::size_t at = 6 + 16 * static_cast<std::size_t>(index);
    return {file, Read32(file, at + 12), file.at(at), static_cast<int>(Read16(file, at + 6))};
  }
};

TEST_F(IcoFile, ListsEachSizeAsPaletteAndAsAlphaBitmaps) {
  EXPECT_EQ(Read16(file, 0), 0u);
  EXPECT_EQ(Read16(file, 2), 1u);
  ASSERT_EQ(Read16(file, 4), 4u);
  const int expected[4][2] = {{16, 8}, {16, 32}, {32, 8}, {32, 32}};
  std::size_t next = 6 + 4 * 16;
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const std::size_t at = 6 + 16 * static_cast<std::size_t>(i);
    const IcoEntryView entry = Entry(i);
    EXPECT_EQ(entry.size, expected[i][0]);
    EXPECT_EQ(file.at(at + 1), expected[i][0]);  // height
    EXPECT_EQ(file.at(at + 2), 0);               // colour count: 0 for 256 colours or more
    EXPECT_EQ(Read16(file, at + 4), 1u);         // planes
    EXPECT_EQ(entry.bits, expected[i][1]);
    EXPECT_EQ(Read32(file, at + 8), entry.TotalBytes());
    EXPECT_EQ(entry.start, next);
    next += entry.TotalBytes();

    EXPECT_EQ(Read32(file, entry.start), 40u);
    EXPECT_EQ(Read32(file, entry.start + 4), static_cast<std::uint32_t>(entry.size));
    EXPECT_EQ(Read32(file, entry.start + 8), static_cast<std::uint32_t>(2 * entry.size));
    EXPECT_EQ(Read16(file, entry.start + 12), 1u);
    EXPECT_EQ(Read16(file, entry.start + 14), static_cast<std::uint32_t>(entry.bits));
    EXPECT_EQ(Read32(file, entry.start + 16), 0u);  // uncompressed
  }
  EXPECT_EQ(next, file.size());
}

TEST_F(IcoFile, AlphaBitmapsHoldTheIconPixelsExactly) {
  for (const int index : {1, 3}) {
    const IcoEntryView entry = Entry(index);
    const Image& icon = images[index / 2];
    SCOPED_TRACE(icon.width);
    for (int y = 0; y < icon.height; ++y) {
      for (int x = 0; x < icon.width; ++x) {
        const std::uint8_t* rgba = icon.PixelAt(x, y);
        const std::size_t at = entry.ColourAt(x, y);
        EXPECT_EQ(file.at(at), rgba[2]) << x << ',' << y;  // blue first
        EXPECT_EQ(file.at(at + 1), rgba[1]) << x << ',' << y;
        EXPECT_EQ(file.at(at + 2), rgba[0]) << x << ',' << y;
        EXPECT_EQ(file.at(at + 3), rgba[3]) << x << ',' << y;
        EXPECT_EQ(entry.Masked(x, y), rgba[3] == 0) << x << ',' << y;
      }
    }
  }
}

TEST_F(IcoFile, PaletteBitmapsShowOpaquePixelsAndMaskTheRest) {
  for (const int index : {0, 2}) {
    const IcoEntryView entry = Entry(index);
    const Image& icon = images[index / 2];
    SCOPED_TRACE(icon.width);
    int masked = 0;
    int black = 0;
    for (int y = 0; y < icon.height; ++y) {
      for (int x = 0; x < icon.width; ++x) {
        const std::uint8_t* rgba = icon.PixelAt(x, y);
        const std::uint8_t colourIndex = file.at(entry.ColourAt(x, y));
        const std::size_t paletteEntry = entry.start + 40 + 4 * std::size_t{colourIndex};
        const bool opaque = rgba[3] >= PaletteOpaqueAlpha;
        EXPECT_EQ(entry.Masked(x, y), !opaque) << x << ',' << y;
        if (opaque) {
          EXPECT_EQ(file.at(paletteEntry), rgba[2]) << x << ',' << y;
          EXPECT_EQ(file.at(paletteEntry + 1), rgba[1]) << x << ',' << y;
          EXPECT_EQ(file.at(paletteEntry + 2), rgba[0]) << x << ',' << y;
          black += rgba[0] == 0 ? 1 : 0;
        } else {
          // Masked pixels are black in the colour bitmap, so the screen behind shows unchanged.
          EXPECT_EQ(colourIndex, 0) << x << ',' << y;
          EXPECT_EQ(file.at(paletteEntry), 0);
          ++masked;
        }
      }
    }
    EXPECT_GT(masked, 0);
    EXPECT_GT(black, 0);
  }
}

}  // namespace
}  // namespace morlune::artwork
