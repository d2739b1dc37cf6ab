// The two checksums a PNG file carries: CRC-32 over each chunk, Adler-32 over the zlib data.
#pragma once

#include <cstdint>
#include <span>

namespace morlune::artwork {

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

}  // namespace morlune::artwork
