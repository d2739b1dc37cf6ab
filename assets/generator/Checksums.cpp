#include "Checksums.h"

#include <array>

namespace morlune::artwork {
namespace {

// The reflected polynomial 0xEDB88320, one table entry per byte value.
constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t value = n;
    for (int bit = 0; bit < 8; ++bit)
      value = (value & 1u) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
    table[n] = value;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> CrcTable = MakeCrcTable();

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const std::uint8_t byte : bytes)
    crc = CrcTable[(crc ^ byte) & 0xFFu] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
  constexpr std::uint32_t Modulus = 65521;
  std::uint32_t low = 1;
  std::uint32_t high = 0;
  for (const std::uint8_t byte : bytes) {
    low = (low + byte) % Modulus;
    high = (high + low) % Modulus;
  }
  return (high << 16) | low;
}

}  // namespace morlune::artwork
