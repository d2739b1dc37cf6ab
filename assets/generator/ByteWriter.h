// Appends integers to a byte buffer in a fixed byte order: PNG is big-endian, ICO and BMP are
// little-endian, and neither may depend on the machine the generator runs on.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace morlune::artwork {

using Bytes = std::vector<std::uint8_t>;

inline void AppendBigEndian32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void AppendLittleEndian16(Bytes& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void AppendLittleEndian32(Bytes& out, std::uint32_t value) {
  for (int shift = 0; shift <= 24; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

inline void AppendText(Bytes& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

}  // namespace morlune::artwork
