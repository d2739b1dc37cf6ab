// The pictures built into the program, decoded by the system's own decoder, and what the
// decoder makes of bytes that are not a cell picture.
#include "CellPictureDecoder.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <vector>

namespace morlune::testing {
namespace {

using Microsoft::WRL::ComPtr;
constexpr SurfacePixel KeyGrey = 0xFF808080u;

// A PNG made here with the system's encoder, from pixels the test chooses.
std::vector<std::byte> EncodePng(int width, int height, const std::vector<SurfacePixel>& pixels) {
  ComPtr<IWICImagingFactory> factory;
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory))) ||
      FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(static_cast<UINT>(width), static_cast<UINT>(height)))) {
    return {};
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  frame->SetPixelFormat(&format);
  std::vector<SurfacePixel> copy = pixels;
  const UINT stride = static_cast<UINT>(width) * 4;
  if (FAILED(frame->WritePixels(static_cast<UINT>(height), stride,
                                stride * static_cast<UINT>(height),
                                reinterpret_cast<BYTE*>(copy.data()))) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
    return {};
  }
  HGLOBAL memory = nullptr;
  GetHGlobalFromStream(stream.Get(), &memory);
  STATSTG status{};
  stream->Stat(&status, STATFLAG_NONAME);
  const auto* bytes = static_cast<const std::byte*>(GlobalLock(memory));
  std::vector<std::byte> encoded(bytes, bytes + status.cbSize.QuadPart);
  GlobalUnlock(memory);
  return encoded;
}

TEST(CellPictureDecoderTest, EveryBuiltInPictureIsAWhiteDiscOnExactlyTheKeyGrey) {
  for (const CellImage image : {EmptyCellImage, CatImage, CrossImage, FenceImage}) {
    SCOPED_TRACE(static_cast<int>(image));
    const auto bytes = EmbeddedPictureBytes(GetModuleHandleW(nullptr), image);
    ASSERT_FALSE(bytes.empty());
    const auto picture = DecodeCellPicture(bytes);
    ASSERT_TRUE(picture.has_value());
    const auto at = [&](int x, int y) {
      return picture->pixels[static_cast<std::size_t>(y * CellImageSize + x)];
    };
    for (const int corner : {0, CellImageSize - 1}) {
      EXPECT_EQ(at(corner, 0), KeyGrey);
      EXPECT_EQ(at(corner, CellImageSize - 1), KeyGrey);
    }
    EXPECT_NE(at(20, 20), KeyGrey);
    // The disc's top edge is white in every picture but the cat's, whose ears touch it.
    if (image != CatImage) {
      EXPECT_EQ(at(20, 1), 0xFFFFFFFFu);
    }
    for (const SurfacePixel pixel : picture->pixels)
      ASSERT_EQ(pixel >> 24, 0xFFu);
  }
  EXPECT_EQ(LoadCellPictures(GetModuleHandleW(nullptr)).Find(FenceImage) != nullptr, true);
}

TEST(CellPictureDecoderTest, ColoursComeThroughExactlyAsStored) {
  // Greys one step either side of the key must stay apart from it.
  const SurfacePixel samples[] = {KeyGrey,     0xFF818080u, 0xFF807F80u,
                                  0xFF000000u, 0xFFFFFFFFu, 0xFF123456u};
  std::vector<SurfacePixel> pixels(static_cast<std::size_t>(CellImageSize * CellImageSize));
  for (std::size_t index = 0; index < pixels.size(); ++index) {
    pixels[index] = samples[index % std::size(samples)];
  }
  const std::vector<std::byte> png = EncodePng(CellImageSize, CellImageSize, pixels);
  ASSERT_FALSE(png.empty());
  const auto picture = DecodeCellPicture(png);
  ASSERT_TRUE(picture.has_value());
  for (std::size_t index = 0; index < pixels.size(); ++index) {
    ASSERT_EQ(picture->pixels[index], pixels[index]) << index;
  }
}

TEST(CellPictureDecoderTest, BytesThatAreNotAFortyByFortyPictureDecodeToNothing) {
  const std::vector<std::byte> wrongSize =
      EncodePng(16, 16, std::vector<SurfacePixel>(16 * 16, 0xFFFFFFFFu));
  ASSERT_FALSE(wrongSize.empty());
  std::vector<std::byte> truncated =
      EncodePng(CellImageSize, CellImageSize,
                std::vector<SurfacePixel>(CellImageSize * CellImageSize, 0xFFFFFFFFu));
  truncated.resize(truncated.size() / 3);
  const std::vector<std::byte> noise(200, std::byte{0x5A});
  const std::vector<std::byte>* const undecodable[] = {&wrongSize, &truncated, &noise};
  for (const std::vector<std::byte>* bytes : undecodable) {
    EXPECT_FALSE(DecodeCellPicture(*bytes).has_value()) << bytes->size() << " bytes";
  }
  EXPECT_FALSE(DecodeCellPicture({}).has_value());
}

}  // namespace
}  // namespace morlune::testing
