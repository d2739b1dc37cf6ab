// The real main window in a real X server, handled roughly: double-clicks and bursts of clicks
// through the X server, minimising and restoring, covering and uncovering, and new games at
// every stage. After each, the screen must show exactly the back buffer, and the back buffer
// exactly the game's board.
#include <gtest/gtest.h>

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTest>

#include "BoardCanvas.h"
#include "CellPictureLoader.h"
#include "MainWindow.h"
#include "ModalBoxProbe.h"
#include "ScriptedClock.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"

namespace morlune {
namespace {

const std::vector<CellIndex> FarCrosses = {112, 113, 114, 115, 116, 117, 118, 119, 120};

class WindowAbuse : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "needs a real X server";
    window_ = std::make_unique<MainWindow>(controller_);
    window_->FitClientToBoard();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
    Settle();
  }

  void Settle() {
    // Let the X server, the window manager and Qt's repaints catch up.
    for (int i = 0; i < 5; ++i) {
      QTest::qWait(60);
      QCoreApplication::processEvents();
    }
  }

  BoardCanvas& Canvas() { return window_->Canvas(); }

  void StartGameFromMenu(const std::vector<CellIndex>& crosses) {
    clock_.ScriptRolls(crosses);
    QAction* start = window_->menuBar()->actions().at(0)->menu()->actions().at(0);
    start->trigger();
    Settle();
  }

  // A real click through the X server at a board pixel, as xdotool makes it.
  void ClickBoard(int x, int y, int repeat = 1) {
    const QPoint screen = Canvas().mapToGlobal(QPoint(x, y));
    QProcess::execute(
        "xdotool", {"mousemove", "--sync", QString::number(screen.x()), QString::number(screen.y()),
                    "click", "--repeat", QString::number(repeat), "--delay", "40", "1"});
    Settle();
  }

  void ClickCell(CellIndex cell, int repeat = 1) {
    const PixelPoint origin = CellOrigin(cell);
    ClickBoard(origin.x + 20, origin.y + 20, repeat);
  }

  void ExpectScreenShowsBackBuffer(const char* when) {
    SCOPED_TRACE(when);
    const QPoint topLeft = Canvas().mapToGlobal(QPoint(0, 0));
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, topLeft.x(), topLeft.y(), BoardWidth, BoardHeight)
                            .toImage()
                            .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(BoardWidth, BoardHeight));
    int wrong = 0;
    for (int y = 0; y < BoardHeight; ++y) {
      for (int x = 0; x < BoardWidth; ++x) {
        if (ToBoardColour(shot.pixel(x, y)) != Canvas().ColorAt(x, y)) ++wrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "screen pixels differing from the back buffer";
  }

  // Each cell's square shows the picture the board calls for, drawn on the grey field.
  void ExpectBackBufferShowsBoard(const char* when) {
    SCOPED_TRACE(when);
    const CellPictureSet pictures = LoadCellPictures();
    for (CellIndex cell = 1; cell <= CellCount; ++cell) {
      const CellCode code = controller_.Cells()[cell];
      const CellImage image = cell == controller_.CatCell() ? CatImage
                              : code == PresetWall          ? CrossImage
                              : code == PlayerWall          ? FenceImage
                                                            : EmptyCellImage;
      const CellPicture* picture = pictures.Find(image);
      ASSERT_NE(picture, nullptr);
      const PixelPoint origin = CellOrigin(cell);
      for (int y = 0; y < CellImageSize; ++y) {
        for (int x = 0; x < CellImageSize; ++x) {
          const Colour drawn =
              ToBoardColour(picture->pixels[static_cast<std::size_t>(y * CellImageSize + x)]);
          ASSERT_EQ(Canvas().ColorAt(origin.x + x, origin.y + y), drawn)
              << "cell " << cell << " pixel " << x << "," << y;
        }
      }
    }
  }

  testing::ScriptedClock clock_;
  GameController controller_{clock_};
  std::unique_ptr<MainWindow> window_;
};

TEST_F(WindowAbuse, ClicksOfEveryKindLeaveAConsistentBoard) {
  ExpectScreenShowsBackBuffer("before any game");
  ClickCell(30, 2);
  EXPECT_EQ(controller_.State(), GameState::Idle);

  StartGameFromMenu(FarCrosses);
  ExpectScreenShowsBackBuffer("new game");
  ExpectBackBufferShowsBoard("new game");

  // The second press of a double-click is not a press: one fence, one cat step.
  ClickCell(111, 2);
  EXPECT_EQ(controller_.PlayerStepCount(), 1);
  EXPECT_EQ(controller_.CatCell(), 50);
  ExpectScreenShowsBackBuffer("after a double-click");

  // A burst of quick clicks on cells far from the cat: each is a whole turn of its own.
  for (CellIndex cell : {121, 110, 100}) {
    const PixelPoint origin = CellOrigin(cell);
    const QPoint screen = Canvas().mapToGlobal(QPoint(origin.x + 20, origin.y + 20));
    QProcess::execute("xdotool", {"mousemove", QString::number(screen.x()),
                                  QString::number(screen.y()), "click", "1"});
  }
  Settle();
  EXPECT_EQ(controller_.PlayerStepCount(), 4);
  EXPECT_EQ(controller_.CatCell(), 15);
  ExpectScreenShowsBackBuffer("after a burst");
  ExpectBackBufferShowsBoard("after a burst");

  // Clicks on the grey between discs do nothing.
  ClickBoard(44, 20, 3);
  ClickBoard(10, 60);
  EXPECT_EQ(controller_.PlayerStepCount(), 4);
  ExpectScreenShowsBackBuffer("after clicks on the gaps");
}

TEST_F(WindowAbuse, MinimisingAndCoveringLeaveTheBoardAsDrawn) {
  StartGameFromMenu(FarCrosses);
  ClickCell(111);
  ClickCell(121);

  window_->showMinimized();
  Settle();
  window_->showNormal();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  Settle();
  ExpectScreenShowsBackBuffer("after minimise and restore");

  // Another window over the board, then gone again.
  QWidget cover;
  cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  cover.setStyleSheet("background: rgb(200, 30, 30)");
  cover.setGeometry(QRect(Canvas().mapToGlobal(QPoint(100, 100)), QSize(300, 250)));
  cover.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
  Settle();
  cover.hide();
  Settle();
  ExpectScreenShowsBackBuffer("after being covered");
  ExpectBackBufferShowsBoard("after being covered");
}

TEST_F(WindowAbuse, NewGamesAtEveryStageReplaceTheBoardCompletely) {
  StartGameFromMenu(FarCrosses);
  ClickCell(111);
  StartGameFromMenu({1, 2, 3, 4, 5, 6, 7, 8, 9});
  EXPECT_EQ(controller_.PlayerStepCount(), 0);
  ExpectBackBufferShowsBoard("new game in the middle of one");
  ExpectScreenShowsBackBuffer("new game in the middle of one");

  // Win at once, then start again from the game-over state.
  StartGameFromMenu({50, 51, 60, 62, 72, 73, 1, 2, 3});
  const auto box = testing::CloseModalBoxOpenedBy([&] { ClickCell(121); });
  EXPECT_TRUE(box.seen);
  ASSERT_EQ(controller_.State(), GameState::Over);
  StartGameFromMenu(FarCrosses);
  EXPECT_EQ(controller_.State(), GameState::Playing);
  ExpectBackBufferShowsBoard("new game after a won one");
  ExpectScreenShowsBackBuffer("new game after a won one");

  // Twice in a row: the second replaces the first.
  StartGameFromMenu({10, 20, 30, 40, 50, 60, 70, 80, 90});
  StartGameFromMenu({11, 21, 31, 41, 51, 71, 81, 91, 101});
  ExpectBackBufferShowsBoard("two new games in a row");
  ExpectScreenShowsBackBuffer("two new games in a row");
}

}  // namespace
}  // namespace morlune
