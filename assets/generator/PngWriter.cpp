#include "PngWriter.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "Checksums.h"

namespace morlune::artwork {
namespace {

// A stored deflate block holds at most this many bytes.
constexpr std::size_t MaxStoredBlock = 65535;

void AppendChunk(Bytes& out, std::string_view type, const Bytes& data) {
  AppendBigEndian32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = out.size();
  AppendText(out, type);
  out.insert(out.end(), data.begin(), data.end());
  // The CRC covers the chunk type and data, not the length.
  AppendBigEndian32(out, Crc32(std::span(out).subspan(typeStart)));
}

// Each row is preceded by filter type 0 (none).
Bytes Scanlines(const Image& image) {
  Bytes raw;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * image.channels;
  raw.reserve((rowBytes + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    raw.push_back(0);
    const std::uint8_t* row = image.PixelAt(0, y);
    raw.insert(raw.end(), row, row + rowBytes);
  }
  return raw;
}

Bytes ZlibStored(const Bytes& raw) {
  Bytes out;
  // Deflate with a 32 KiB window, no preset dictionary; 0x7801 is a multiple of 31 as required.
  out.push_back(0x78);
  out.push_back(0x01);
  std::size_t position = 0;
  do {
    const std::size_t length = std::min(MaxStoredBlock, raw.size() - position);
    const bool last = position + length == raw.size();
    out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 = stored
    AppendLittleEndian16(out, static_cast<std::uint16_t>(length));
    AppendLittleEndian16(out, static_cast<std::uint16_t>(~length));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(position),
               raw.begin() + static_cast<std::ptrdiff_t>(position + length));
    position += length;
  } while (position < raw.size());
  AppendBigEndian32(out, Adler32(raw));
  return out;
}

}  // namespace

Bytes EncodePng(const Image& image) {
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

  Bytes header;
  AppendBigEndian32(header, static_cast<std::uint32_t>(image.width));
  AppendBigEndian32(header, static_cast<std::uint32_t>(image.height));
  header.push_back(8);                            // bits per sample
  header.push_back(image.channels == 4 ? 6 : 2);  // RGBA or RGB
  header.push_back(0);                            // deflate
  header.push_back(0);                            // adaptive filtering
  header.push_back(0);                            // no interlace
  AppendChunk(out, "IHDR", header);
  AppendChunk(out, "IDAT", ZlibStored(Scanlines(image)));
  AppendChunk(out, "IEND", {});
  return out;
}

}  // namespace morlune::artwork
