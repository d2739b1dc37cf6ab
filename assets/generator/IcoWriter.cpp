#include "IcoWriter.h"

#include <cstddef>

namespace morlune::artwork {
namespace {

constexpr std::uint32_t DirectoryHeaderBytes = 6;
constexpr std::uint32_t DirectoryEntryBytes = 16;
constexpr std::uint32_t BitmapHeaderBytes = 40;

// BMP rows are padded to a multiple of 4 bytes.
std::uint32_t RowStride(int width, int bitsPerPixel) {
  return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// 1 marks a transparent pixel. Both forms carry the mask; the 32-bit one relies on alpha but
// older readers still expect the mask to be there.
void AppendAndMask(Bytes& out, const Image& image, int opaqueAlpha) {
  const std::uint32_t stride = RowStride(image.width, 1);
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(stride, 0);
    for (int x = 0; x < image.width; ++x) {
      if (image.PixelAt(x, y)[3] < opaqueAlpha)
        row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

// The height counts the colour bitmap and the mask stacked, hence twice the image height.
void AppendBitmapHeader(Bytes& out, const Image& image, int bitsPerPixel, std::uint32_t pixelBytes,
                        std::uint32_t coloursUsed) {
  AppendLittleEndian32(out, BitmapHeaderBytes);
  AppendLittleEndian32(out, static_cast<std::uint32_t>(image.width));
  AppendLittleEndian32(out, static_cast<std::uint32_t>(image.height * 2));
  AppendLittleEndian16(out, 1);  // planes
  AppendLittleEndian16(out, static_cast<std::uint16_t>(bitsPerPixel));
  AppendLittleEndian32(out, 0);  // no compression
  AppendLittleEndian32(out, pixelBytes);
  AppendLittleEndian32(out, 0);  // horizontal resolution
  AppendLittleEndian32(out, 0);  // vertical resolution
  AppendLittleEndian32(out, coloursUsed);
  AppendLittleEndian32(out, 0);  // all colours important
}

Bytes PaletteBitmap(const Image& image) {
  const std::uint32_t colourBytes = RowStride(image.width, 8) * image.height;
  const std::uint32_t maskBytes = RowStride(image.width, 1) * image.height;
  Bytes out;
  AppendBitmapHeader(out, image, 8, colourBytes + maskBytes, 256);
  for (int grey = 0; grey < 256; ++grey) {
    const auto level = static_cast<std::uint8_t>(grey);
    out.insert(out.end(), {level, level, level, 0});  // blue, green, red, reserved
  }
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(RowStride(image.width, 8), 0);
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* pixel = image.PixelAt(x, y);
      // A masked pixel keeps index 0 (black), so AND 1 / XOR black leaves the screen as it was.
      if (pixel[3] >= PaletteOpaqueAlpha) {
        row[x] = static_cast<std::uint8_t>((pixel[0] + pixel[1] + pixel[2] + 1) / 3);
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  AppendAndMask(out, image, PaletteOpaqueAlpha);
  return out;
}

Bytes AlphaBitmap(const Image& image) {
  const std::uint32_t colourBytes = RowStride(image.width, 32) * image.height;
  const std::uint32_t maskBytes = RowStride(image.width, 1) * image.height;
  Bytes out;
  AppendBitmapHeader(out, image, 32, colourBytes + maskBytes, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* pixel = image.PixelAt(x, y);
      out.insert(out.end(), {pixel[2], pixel[1], pixel[0], pixel[3]});
    }
  }
  AppendAndMask(out, image, 1);
  return out;
}

struct IconEntry {
  int size = 0;
  int bitsPerPixel = 0;
  Bytes bitmap;
};

}  // namespace

Bytes EncodeIco(const std::vector<Image>& images) {
  std::vector<IconEntry> entries;
  for (const Image& image : images) {
    entries.push_back({image.width, 8, PaletteBitmap(image)});
    entries.push_back({image.width, 32, AlphaBitmap(image)});
  }

  Bytes out;
  AppendLittleEndian16(out, 0);  // reserved
  AppendLittleEndian16(out, 1);  // icon, not cursor
  AppendLittleEndian16(out, static_cast<std::uint16_t>(entries.size()));
  std::uint32_t offset =
      DirectoryHeaderBytes + DirectoryEntryBytes * static_cast<std::uint32_t>(entries.size());
  for (const IconEntry& entry : entries) {
    // A size of 256 is written as 0; so is the colour count of 256 colours or more.
    const auto side = static_cast<std::uint8_t>(entry.size == 256 ? 0 : entry.size);
    out.insert(out.end(), {side, side, 0, 0});
    AppendLittleEndian16(out, 1);  // planes
    AppendLittleEndian16(out, static_cast<std::uint16_t>(entry.bitsPerPixel));
    AppendLittleEndian32(out, static_cast<std::uint32_t>(entry.bitmap.size()));
    AppendLittleEndian32(out, offset);
    offset += static_cast<std::uint32_t>(entry.bitmap.size());
  }
  for (const IconEntry& entry : entries)
    out.insert(out.end(), entry.bitmap.begin(), entry.bitmap.end());
  return out;
}

}  // namespace morlune::artwork
