#include "PngTestReader.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>
#include <vector>

#include "Checksums.h"

namespace morlune::artwork::testing {
namespace {

std::uint32_t BigEndian32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
         (std::uint32_t{bytes[at + 2]} << 8) | std::uint32_t{bytes[at + 3]};
}

std::uint32_t LittleEndian16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} | (std::uint32_t{bytes[at + 1]} << 8);
}

PngDecodeResult Fail(std::string why) {
  return {std::nullopt, std::move(why)};
}

}  // namespace

PngDecodeResult DecodeStoredPng(std::span<const std::uint8_t> file) {
  static constexpr std::uint8_t Signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (file.size() < 8 || !std::equal(std::begin(Signature), std::end(Signature), file.begin())) {
    return Fail("no PNG signature");
  }

  int width = 0;
  int height = 0;
  int channels = 0;
  std::vector<std::uint8_t> zlib;
  bool ended = false;
  std::size_t at = 8;
  while (!ended) {
    if (at + 12 > file.size()) return Fail("chunk runs past the end of the file");
    const std::uint32_t length = BigEndian32(file, at);
    if (at + 12 + length > file.size()) return Fail("chunk runs past the end of the file");
    const std::string type(file.begin() + at + 4, file.begin() + at + 8);
    const auto data = file.subspan(at + 8, length);
    if (Crc32(file.subspan(at + 4, length + 4)) != BigEndian32(file, at + 8 + length)) {
      return Fail("bad CRC in " + type);
    }
    if (type == "IHDR") {
      if (length != 13) return Fail("IHDR is not 13 bytes");
      width = static_cast<int>(BigEndian32(data, 0));
      height = static_cast<int>(BigEndian32(data, 4));
      if (data[8] != 8) return Fail("not 8 bits per sample");
      if (data[9] == 2) {
        channels = 3;
      } else if (data[9] == 6) {
        channels = 4;
      } else {
        return Fail("colour type is neither RGB nor RGBA");
      }
      if (data[10] != 0 || data[11] != 0 || data[12] != 0) return Fail("unexpected method flags");
    } else if (type == "IDAT") {
      zlib.insert(zlib.end(), data.begin(), data.end());
    } else if (type == "IEND") {
      ended = true;
    }
    at += 12 + length;
  }
  if (at != file.size()) return Fail("bytes after IEND");
  if (channels == 0) return Fail("no IHDR");

  if (zlib.size() < 6) return Fail("zlib stream too short");
  if ((zlib[0] & 0x0F) != 8 || (zlib[0] * 256 + zlib[1]) % 31 != 0 || (zlib[1] & 0x20) != 0) {
    return Fail("bad zlib header");
  }
  std::vector<std::uint8_t> raw;
  std::size_t position = 2;
  bool lastBlock = false;
  while (!lastBlock) {
    if (position + 5 > zlib.size()) return Fail("deflate block header past the end");
    const std::uint8_t flags = zlib[position];
    if ((flags & 0x06) != 0) return Fail("deflate block is not stored");
    lastBlock = (flags & 0x01) != 0;
    const std::uint32_t length = LittleEndian16(zlib, position + 1);
    if ((length ^ LittleEndian16(zlib, position + 3)) != 0xFFFF) return Fail("LEN/NLEN mismatch");
    position += 5;
    if (position + length > zlib.size()) return Fail("stored block past the end");
    raw.insert(raw.end(), zlib.begin() + position, zlib.begin() + position + length);
    position += length;
  }
  if (position + 4 != zlib.size()) return Fail("zlib stream length is wrong");
  if (Adler32(raw) != BigEndian32(zlib, position)) return Fail("bad Adler-32");

  const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
  if (raw.size() != (rowBytes + 1) * height) return Fail("image data has the wrong size");
  Image image(width, height, channels);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = y * (rowBytes + 1);
    if (raw[row] != 0) return Fail("row uses a filter");
    std::copy(raw.begin() + row + 1, raw.begin() + row + 1 + rowBytes, image.PixelAt(0, y));
  }
  return {std::move(image), ""};
}

}  // namespace morlune::artwork::testing
