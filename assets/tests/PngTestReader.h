// Decodes the PNG files the generator writes, independently of the writer: 8-bit RGB or RGBA,
// stored deflate blocks, no filtering. Anything else, or any broken checksum, fails to decode.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "Image.h"

namespace morlune::artwork::testing {

struct PngDecodeResult {
  std::optional<Image> image;
  std::string error;  // why decoding stopped, when it did
};

PngDecodeResult DecodeStoredPng(std::span<const std::uint8_t> file);

}  // namespace morlune::artwork::testing
