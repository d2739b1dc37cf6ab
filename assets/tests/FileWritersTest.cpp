// The files the generator writes must decode to exactly the pixels it drew. The PNG is read
// back by a small reader of its own here, written from the file format rather than from the
// writer, that also checks every checksum.
#include <gtest/gtest.h>

#include <stdexcept>

#include "CellPictures.h"
#include "IcoWriter.h"
#include "IconImages.h"
#include "PngWriter.h"

namespace morlune::artwork {
namespace {

std::uint32_t ReadBig32(const Bytes& bytes, std::size_t at) {
  return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
         std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

std::uint32_t ReadLittle(const Bytes& bytes, std::size_t at, int width) {
  std::uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | bytes.at(at + static_cast<std::size_t>(i));
  return value;
}

std::uint32_t BitwiseCrc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// Reads an 8-bit RGB or RGBA PNG whose zlib stream holds stored blocks and whose rows are
// unfiltered: what a decoder must see in the generator's files.
Image ReadStoredPng(const Bytes& file) {
  const Bytes signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!std::equal(signature.begin(), signature.end(), file.begin()))
    throw std::runtime_error("signature");
  Image image;
  Bytes zlib;
  std::size_t at = 8;
  bool ended = false;
  while (!ended) {
    const std::uint32_t length = ReadBig32(file, at);
    const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           file.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const std::size_t data = at + 8;
    if (BitwiseCrc32(&file.at(at + 4), length + 4) != ReadBig32(file, data + length)) {
      throw std::runtime_error("bad CRC on " + type);
    }
    if (type == "IHDR") {
      image.width = static_cast<int>(ReadBig32(file, data));
      image.height = static_cast<int>(ReadBig32(file, data + 4));
      if (file.at(data + 8) != 8) throw std::runtime_error("not 8-bit");
      image.channels = file.at(data + 9) == 2 ? 3 : file.at(data + 9) == 6 ? 4 : 0;
      if (image.channels == 0) throw std::runtime_error("unexpected colour type");
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), file.begin() + static_cast<std::ptrdiff_t>(data),
                  file.begin() + static_cast<std::ptrdiff_t>(data + length));
    } else if (type == "IEND") {
      ended = true;
    }
    at = data + length + 4;
  }

  Bytes raw;
  std::size_t in = 2;  // past the zlib header
  for (bool last = false; !last;) {
    const std::uint8_t header = zlib.at(in);
    last = (header & 1) != 0;
    if ((header >> 1) != 0) throw std::runtime_error("not a stored block");
    const std::uint32_t size = ReadLittle(zlib, in + 1, 2);
    if ((size ^ ReadLittle(zlib, in + 3, 2)) != 0xFFFF) throw std::runtime_error("bad NLEN");
    raw.insert(raw.end(), zlib.begin() + static_cast<std::ptrdiff_t>(in + 5),
               zlib.begin() + static_cast<std::ptrdiff_t>(in + 5 + size));
    in += 5 + size;
  }
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const std::uint8_t byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  if ((b << 16 | a) != ReadBig32(zlib, in)) throw std::runtime_error("bad Adler-32");

  const std::size_t rowBytes = static_cast<std::size_t>(image.width * image.channels);
  for (int y = 0; y < image.height; ++y) {
    const std::size_t row = static_cast<std::size_t>(y) * (rowBytes + 1);
    if (raw.at(row) != 0) throw std::runtime_error("filtered row");
    image.samples.insert(image.samples.end(), raw.begin() + static_cast<std::ptrdiff_t>(row + 1),
                         raw.begin() + static_cast<std::ptrdiff_t>(row + 1 + rowBytes));
  }
  return image;
}

TEST(PngWriter, EveryPictureAndIconDecodesToTheDrawnPixels) {
  std::vector<Image> drawn;
  for (const CellGlyph glyph : AllCellGlyphs)
    drawn.push_back(CellPicture(glyph));
  for (const int size : IconSizes)
    drawn.push_back(IconImage(size));
  for (const Image& image : drawn) {
    SCOPED_TRACE(std::to_string(image.width) + "x" + std::to_string(image.channels));
    EXPECT_EQ(ReadStoredPng(EncodePng(image)), image);
  }
}

// Windows picks from the directory by size and colour depth: 16 and 32, each with a
// 256-colour and a 32-bit form.
TEST(IcoWriter, HoldsBothSizesInBothColourDepths) {
  const Bytes ico = EncodeIco({IconImage(16), IconImage(32)});
  ASSERT_EQ(ReadLittle(ico, 0, 2), 0u);  // reserved
  ASSERT_EQ(ReadLittle(ico, 2, 2), 1u);  // an icon, not a cursor
  const std::uint32_t count = ReadLittle(ico, 4, 2);
  ASSERT_EQ(count, 4u);
  std::set<std::pair<int, int>> forms;
  for (std::size_t entry = 0; entry < count; ++entry) {
    const std::size_t at = 6 + entry * 16;
    const int size = ico.at(at) == 0 ? 256 : ico.at(at);
    const int bits = static_cast<int>(ReadLittle(ico, at + 6, 2));
    const std::uint32_t bytes = ReadLittle(ico, at + 8, 4);
    const std::uint32_t offset = ReadLittle(ico, at + 12, 4);
    ASSERT_LE(offset + bytes, ico.size());
    // Each image is a BITMAPINFOHEADER'd bitmap twice as tall as the icon (colour + mask).
    EXPECT_EQ(ReadLittle(ico, offset, 4), 40u);
    EXPECT_EQ(static_cast<int>(ReadLittle(ico, offset + 4, 4)), size);
    EXPECT_EQ(static_cast<int>(ReadLittle(ico, offset + 8, 4)), 2 * size);
    EXPECT_EQ(static_cast<int>(ReadLittle(ico, offset + 14, 2)), bits);
    forms.insert({size, bits});
  }
  EXPECT_EQ(forms, (std::set<std::pair<int, int>>{{16, 8}, {16, 32}, {32, 8}, {32, 32}}));
}

}  // namespace
}  // namespace morlune::artwork
