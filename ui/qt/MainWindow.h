// The program's one window: caption, icon, the two menus and the board canvas below them,
// in a fixed frame sized so the canvas gets exactly its 544 by 440 pixels.
#pragma once

#include <QMainWindow>
#include <QPointer>

#include "morlune/GameController.h"

class QMessageBox;

namespace morlune {

class BoardCanvas;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Created hidden and placed centred on the primary screen; the controller must outlive it.
  explicit MainWindow(GameController& controller, QWidget* parent = nullptr);

  // Makes the area below the menu bar exactly the board's size, whatever the menu bar measures
  // in the current font and style. Call once, before the window is first shown.
  void FitClientToBoard();

  // The About box, shown without blocking the main window; a second call raises the open one.
  void ShowAbout();

  BoardCanvas& Canvas() { return *canvas_; }

 protected:
  // Plain Esc closes the window whichever of its widgets has the keyboard: after a menu
  // has been used by keyboard the menu bar keeps the focus and would swallow the key.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void PlaceOnPrimaryScreen();

  GameController& controller_;
  BoardCanvas* canvas_;
  QPointer<QMessageBox> aboutBox_;
};

}  // namespace morlune
