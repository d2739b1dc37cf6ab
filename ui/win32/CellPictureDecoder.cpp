#include "CellPictureDecoder.h"

#include <wincodec.h>
#include <wrl/client.h>

#include "ResourceIds.h"

namespace morlune {

using Microsoft::WRL::ComPtr;

namespace {

int ResourceIdOf(CellImage image) {
  switch (image) {
    case EmptyCellImage:
      return MORLUNE_EMPTY_CELL_PICTURE;
    case CatImage:
      return MORLUNE_CAT_PICTURE;
    case CrossImage:
      return MORLUNE_CROSS_PICTURE;
    case FenceImage:
      return MORLUNE_FENCE_PICTURE;
  }
  return 0;
}

}  // namespace

std::optional<CellPicture> DecodeCellPicture(std::span<const std::byte> encoded) {
  if (encoded.empty()) return std::nullopt;
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(&factory)))) {
    return std::nullopt;
  }
  ComPtr<IWICStream> stream;
  if (FAILED(factory->CreateStream(&stream))) return std::nullopt;
  // WIC only reads the buffer, though its signature does not say so.
  auto* bytes = reinterpret_cast<BYTE*>(const_cast<std::byte*>(encoded.data()));
  if (FAILED(stream->InitializeFromMemory(bytes, static_cast<DWORD>(encoded.size())))) {
    return std::nullopt;
  }
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              &decoder))) {
    return std::nullopt;
  }
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, &frame))) return std::nullopt;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(frame->GetSize(&width, &height)) || width != CellImageSize ||
      height != CellImageSize) {
    return std::nullopt;
  }
  // Straight (not premultiplied) BGRA with no dithering keeps every colour exactly as stored,
  // so the key grey stays 128,128,128.
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  CellPicture picture;
  constexpr UINT stride = CellImageSize * sizeof(SurfacePixel);
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * CellImageSize,
                                   reinterpret_cast<BYTE*>(picture.pixels.data())))) {
    return std::nullopt;
  }
  // BGRA bytes read as 0xAARRGGBB; the board is opaque, so alpha is set rather than kept.
  for (SurfacePixel& pixel : picture.pixels)
    pixel |= 0xFF000000u;
  return picture;
}

std::span<const std::byte> EmbeddedPictureBytes(HINSTANCE module, CellImage image) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(ResourceIdOf(image)), RT_RCDATA);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  const void* data = LockResource(loaded);
  if (data == nullptr) return {};
  return {static_cast<const std::byte*>(data), SizeofResource(module, found)};
}

CellPictureSet LoadCellPictures(HINSTANCE module) {
  CellPictureSet pictures;
  for (const CellImage image : {EmptyCellImage, CatImage, CrossImage, FenceImage}) {
    if (const auto picture = DecodeCellPicture(EmbeddedPictureBytes(module, image))) {
      pictures.Set(image, *picture);
    }
  }
  return pictures;
}

}  // namespace morlune
