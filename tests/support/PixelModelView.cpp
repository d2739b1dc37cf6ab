#include "PixelModelView.h"

#include <stdexcept>

namespace morlune::testing {
namespace {

constexpr SurfacePixel White = 0xFFFFFFFF;
constexpr SurfacePixel Gray = 0xFF808080;

// The glyphs differ only in the marker's colour; what matters for the rules is that the disc
// is not grey and the corners are.
constexpr SurfacePixel MarkerColour(CellImage image) {
  switch (image) {
    case EmptyCellImage:
      return White;
    case CatImage:
      return 0xFF000000;
    case CrossImage:
      return 0xFF101010;
    case FenceImage:
      return 0xFF202020;
  }
  return White;
}

CellPicture MakePicture(CellImage image) {
  CellPicture picture;
  for (int y = 0; y < CellImageSize; ++y) {
    for (int x = 0; x < CellImageSize; ++x) {
      const double dx = x + 0.5 - CellImageSize / 2.0;
      const double dy = y + 0.5 - CellImageSize / 2.0;
      const bool onDisc = dx * dx + dy * dy <= (CellImageSize / 2.0) * (CellImageSize / 2.0);
      const bool marker = x >= 14 && x < 26 && y >= 14 && y < 26;
      picture.pixels[static_cast<std::size_t>(y * CellImageSize + x)] =
          !onDisc ? Gray : (marker ? MarkerColour(image) : White);
    }
  }
  return picture;
}

}  // namespace

PixelModelView::PixelModelView() = default;

const CellPictureSet& PixelModelView::Pictures() {
  static const CellPictureSet pictures = [] {
    CellPictureSet set;
    for (CellImage image : {EmptyCellImage, CatImage, CrossImage, FenceImage}) {
      set.Set(image, MakePicture(image));
    }
    return set;
  }();
  return pictures;
}

void PixelModelView::DrawCell(CellImage image, CellIndex cell, bool keyed) {
  calls_.push_back({ViewCall::Kind::Draw, {image, cell, keyed}, {}});
  surface_.DrawPicture(Pictures().Find(image), cell, keyed);
}

Colour PixelModelView::ColorAt(int x, int y) {
  return surface_.ColorAt(x, y);
}

void PixelModelView::ShowInfo(std::string_view text, std::string_view caption) {
  calls_.push_back({ViewCall::Kind::Info, {}, {std::string(text), std::string(caption)}});
}

std::vector<DrawCall> PixelModelView::Draws() const {
  std::vector<DrawCall> draws;
  for (const ViewCall& call : calls_) {
    if (call.kind == ViewCall::Kind::Draw) draws.push_back(call.draw);
  }
  return draws;
}

std::vector<Message> PixelModelView::Messages() const {
  std::vector<Message> messages;
  for (const ViewCall& call : calls_) {
    if (call.kind == ViewCall::Kind::Info) messages.push_back(call.message);
  }
  return messages;
}

CellImage ShownImage(const BoardSurface& surface, CellIndex cell) {
  const PixelPoint origin = CellOrigin(cell);
  const Colour marker = surface.ColorAt(origin.x + PixelModelView::MarkerOffset,
                                        origin.y + PixelModelView::MarkerOffset);
  for (CellImage image : {EmptyCellImage, CatImage, CrossImage, FenceImage}) {
    if (ToSurfacePixel(marker) == MarkerColour(image)) return image;
  }
  throw std::logic_error("cell " + std::to_string(cell) + " shows no picture");
}

}  // namespace morlune::testing
