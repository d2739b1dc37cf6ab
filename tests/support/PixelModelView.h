// A BoardView for tests that keeps real pixels: the board's own surface, drawn with
// stand-in pictures whose discs are non-grey and whose corners are exactly BackgroundGray,
// so presses on gaps, margins and corners are refused for the same reason as on screen.
#pragma once

#include <string>
#include <vector>

#include "morlune/BoardSurface.h"
#include "morlune/BoardView.h"

namespace morlune::testing {

struct DrawCall {
  CellImage image;
  CellIndex cell;
  bool keyed;
  friend bool operator==(const DrawCall&, const DrawCall&) = default;
};

struct Message {
  std::string text;
  std::string caption;
  friend bool operator==(const Message&, const Message&) = default;
};

// Every call the controller made, in order: a draw or a message.
struct ViewCall {
  enum class Kind { Draw, Info } kind;
  DrawCall draw{};
  Message message{};
  friend bool operator==(const ViewCall&, const ViewCall&) = default;
};

class PixelModelView final : public BoardView {
 public:
  PixelModelView();

  void DrawCell(CellImage image, CellIndex cell, bool keyed) override;
  Colour ColorAt(int x, int y) override;
  void ShowInfo(std::string_view text, std::string_view caption) override;

  const std::vector<ViewCall>& Calls() const { return calls_; }
  std::vector<DrawCall> Draws() const;
  std::vector<Message> Messages() const;
  void ForgetCalls() { calls_.clear(); }
  const BoardSurface& Surface() const { return surface_; }

  // The stand-in pictures, so tests can tell which picture a disc shows.
  static const CellPictureSet& Pictures();
  // A pixel inside the disc that tells the four pictures apart.
  static constexpr int MarkerOffset = 20;

 private:
  BoardSurface surface_;
  std::vector<ViewCall> calls_;
};

// Which picture the disc of a cell shows on the surface, judged by its marker pixel.
CellImage ShownImage(const BoardSurface& surface, CellIndex cell);

}  // namespace morlune::testing
