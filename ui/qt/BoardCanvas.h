// The board as the player sees it: a fixed 544 by 440 widget that draws the cell pictures
// into its own back buffer, presents that buffer, shows the game's messages and reports
// left presses. It knows nothing of the game; whoever listens to BoardPressed does.
#pragma once

#include <QWidget>
#include <string_view>

#include "morlune/BoardSurface.h"
#include "morlune/BoardView.h"
#include "morlune/CellPicture.h"
#include "morlune/CoreTypes.h"

namespace morlune {

class BoardCanvas final : public QWidget, public BoardView {
  Q_OBJECT

 public:
  explicit BoardCanvas(CellPictureSet pictures, QWidget* parent = nullptr);

  void DrawCell(CellImage image, CellIndex cell, bool keyed) override;
  Colour ColorAt(int x, int y) override;
  void ShowInfo(std::string_view text, std::string_view caption) override;

  const BoardSurface& Surface() const { return surface_; }

 signals:
  // A plain left press at board pixel (x, y).
  void BoardPressed(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  CellPictureSet pictures_;
  BoardSurface surface_;
};

}  // namespace morlune
