// An 8-bit image held row by row from the top-left, with 3 (RGB) or 4 (RGBA) channels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace morlune::artwork {

struct Image {
  int width = 0;
  int height = 0;
  int channels = 3;
  std::vector<std::uint8_t> samples;

  Image() = default;
  Image(int imageWidth, int imageHeight, int imageChannels)
      : width(imageWidth),
        height(imageHeight),
        channels(imageChannels),
        samples(static_cast<std::size_t>(imageWidth) * imageHeight * imageChannels) {}

  std::size_t Offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * width + x) * channels;
  }
  std::uint8_t* PixelAt(int x, int y) { return samples.data() + Offset(x, y); }
  const std::uint8_t* PixelAt(int x, int y) const { return samples.data() + Offset(x, y); }

  friend bool operator==(const Image&, const Image&) = default;
};

}  // namespace morlune::artwork
