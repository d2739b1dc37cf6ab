#include "MainWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

#include "BoardCanvas.h"
#include "CellPictureLoader.h"
#include "ProgramIcon.h"
#include "QtText.h"
#include "WindowPlacement.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameTexts.h"

namespace morlune {

MainWindow::MainWindow(GameController& controller, QWidget* parent)
    : QMainWindow(parent), controller_(controller) {
  // A normal frame with minimise and close but no maximise: the board has one size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(ToQString(WindowCaption));
  setWindowIcon(ProgramIcon());

  // The pictures never change, so they are decoded once, here, rather than for every batch.
  canvas_ = new BoardCanvas(LoadCellPictures(), this);
  setCentralWidget(canvas_);
  connect(canvas_, &BoardCanvas::BoardPressed, this,
          [this](int x, int y) { controller_.HandleBoardPress(*canvas_, x, y); });

  BuildMenus();
  PlaceOnPrimaryScreen();
  qApp->installEventFilter(this);
}

void MainWindow::BuildMenus() {
  QMenu* gameMenu = menuBar()->addMenu(ToQString(GameMenuText));
  gameMenu->addAction(ToQString(StartGameItemText), this,
                      [this] { controller_.StartNewGame(*canvas_); });
  QMenu* helpMenu = menuBar()->addMenu(ToQString(HelpMenuText));
  helpMenu->addAction(ToQString(AboutItemText), this, &MainWindow::ShowAbout);
}

void MainWindow::PlaceOnPrimaryScreen() {
  resize(InitialOuterWidth, InitialOuterHeight);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // move() places the frame's top-left corner, which is what the centring is for.
    move(InitialWindowPosition(screen->geometry(), screen->availableGeometry()));
  }
}

void MainWindow::FitClientToBoard() {
  // The menu bar's height follows the font and the style: ask it, for the board's width.
  const int menuBarHeight = menuBar()->heightForWidth(BoardWidth);
  setFixedSize(BoardWidth, menuBarHeight + BoardHeight);
}

void MainWindow::ShowAbout() {
  if (aboutBox_) {
    aboutBox_->raise();
    aboutBox_->activateWindow();
    return;
  }
  auto* box = new QMessageBox(this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  // Not modal: the game stays playable while the box is open.
  box->setWindowModality(Qt::NonModal);
  box->setWindowTitle(ToQString(WindowCaption));
  box->setIconPixmap(ProgramIcon().pixmap(64, 64));
  box->setText(ToQString(AboutApplicationName));
  box->setInformativeText(ToQString(AboutCreditLine));
  box->setStandardButtons(QMessageBox::Ok);
  aboutBox_ = box;
  box->show();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    // Only a plain Esc, and only for this window: an open menu or box keeps Esc for itself.
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && widget != nullptr &&
        widget->window() == this) {
      close();
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace morlune
