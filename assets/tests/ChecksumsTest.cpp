#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "Checksums.h"

namespace morlune::artwork {
namespace {

std::span<const std::uint8_t> BytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Published check values; a PNG reader rejects a file whose checksums disagree with them.
TEST(Checksums, MatchTheirPublishedCheckValues) {
  EXPECT_EQ(Crc32(BytesOf("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(BytesOf("IEND")), 0xAE426082u);
  EXPECT_EQ(Crc32(BytesOf("")), 0u);
  EXPECT_EQ(Adler32(BytesOf("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32(BytesOf("")), 1u);
}

// Long inputs push both Adler sums past 65521 many times; the expected values come from zlib.
TEST(Checksums, MatchZlibOnLongInputs) {
  const std::vector<std::uint8_t> allOnes(100000, 0xFF);
  EXPECT_EQ(Adler32(allOnes), 0x149A302Cu);
  EXPECT_EQ(Crc32(allOnes), 0x68C6CEC4u);
  std::vector<std::uint8_t> ramp;
  for (int i = 0; i < 256 * 300; ++i)
    ramp.push_back(static_cast<std::uint8_t>(i));
  EXPECT_EQ(Adler32(ramp), 0x09F872BCu);
  EXPECT_EQ(Crc32(ramp), 0xBB9CF916u);
}

}  // namespace
}  // namespace morlune::artwork
