#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <vector>

#include "BoardCanvas.h"
#include "QtText.h"
#include "ScriptedClock.h"
#include "WindowPlacement.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"
#include "morlune/GameTexts.h"

namespace morlune {
namespace {

// Walls well away from the cells the tests press.
const std::vector<CellIndex> PresetWalls{24, 26, 28, 30, 46, 50, 72, 76, 98};
constexpr CellIndex OpenRimCell = 111;  // the bottom row's first cell

bool ShowTheSamePicture(BoardCanvas& canvas, CellIndex first, CellIndex second) {
  const PixelPoint a = CellOrigin(first);
  const PixelPoint b = CellOrigin(second);
  for (int y = 0; y < CellImageSize; ++y) {
    for (int x = 0; x < CellImageSize; ++x) {
      if (canvas.ColorAt(a.x + x, a.y + y) != canvas.ColorAt(b.x + x, b.y + y)) return false;
    }
  }
  return true;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clock_.ScriptRolls(PresetWalls);
    window_.FitClientToBoard();
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  QList<QAction*> MenuBarActions() { return window_.menuBar()->actions(); }
  QAction* StartGameAction() { return MenuBarActions().at(0)->menu()->actions().at(0); }
  QAction* AboutAction() { return MenuBarActions().at(1)->menu()->actions().at(0); }

  // The centre of a cell's disc, in the window's own coordinates.
  QPoint WindowPointOf(CellIndex cell) {
    const PixelPoint origin = CellOrigin(cell);
    return window_.Canvas().mapTo(&window_, QPoint(origin.x + 20, origin.y + 20));
  }

  testing::ScriptedClock clock_;
  GameController controller_{clock_};
  MainWindow window_{controller_};
};

TEST_F(MainWindowTest, CarriesTheCaptionAndTheIconInTheDesktopsSizes) {
  EXPECT_EQ(window_.windowTitle(), QStringLiteral("Morlune"));
  const QList<QSize> sizes = window_.windowIcon().availableSizes();
  for (const int size : {16, 32, 48})
    EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

TEST_F(MainWindowTest, TheMenuBarHoldsExactlyTheGameAndHelpCommands) {
  struct MenuEntry {
    std::string_view menu;
    std::string_view item;
  };
  const MenuEntry expected[] = {{GameMenuText, StartGameItemText}, {HelpMenuText, AboutItemText}};
  const QList<QAction*> menus = MenuBarActions();
  ASSERT_EQ(menus.size(), 2);
  for (int index = 0; index < 2; ++index) {
    const QAction* menuAction = menus.at(index);
    EXPECT_EQ(menuAction->text(), ToQString(expected[index].menu));
    ASSERT_NE(menuAction->menu(), nullptr);
    const QList<QAction*> items = menuAction->menu()->actions();
    ASSERT_EQ(items.size(), 1);
    const QAction* item = items.front();
    EXPECT_EQ(item->text(), ToQString(expected[index].item));
    EXPECT_TRUE(item->isVisible());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_FALSE(item->isCheckable());
    EXPECT_TRUE(item->shortcut().isEmpty());
  }
}

TEST_F(MainWindowTest, TheMnemonicsOpenTheMenusAndChooseTheirItems) {
  QTest::keyClick(&window_, Qt::Key_F, Qt::AltModifier);
  QWidget* gameMenu = QApplication::activePopupWidget();
  ASSERT_EQ(gameMenu, MenuBarActions().at(0)->menu());
  QTest::keyClick(gameMenu, Qt::Key_S);
  EXPECT_EQ(controller_.State(), GameState::Playing);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  QTest::keyClick(&window_, Qt::Key_H, Qt::AltModifier);
  QWidget* helpMenu = QApplication::activePopupWidget();
  ASSERT_EQ(helpMenu, MenuBarActions().at(1)->menu());
  QTest::keyClick(helpMenu, Qt::Key_A);
  EXPECT_EQ(window_.findChildren<QMessageBox*>().size(), 1);
}

// The keys go through the window, as the platform delivers them, after the game was started
// from the keyboard: the menu bar then keeps the keyboard focus, and Esc must close all the same.
TEST_F(MainWindowTest, PlainEscClosesAtOnceAndEscWithAModifierDoesNothing) {
  QWindow* handle = window_.windowHandle();
  QTest::keyClick(handle, Qt::Key_F, Qt::AltModifier);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr);
  QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), Qt::Key_S);
  ASSERT_EQ(controller_.State(), GameState::Playing);

  for (const Qt::KeyboardModifier modifier :
       {Qt::ControlModifier, Qt::ShiftModifier, Qt::AltModifier}) {
    QTest::keyClick(handle, Qt::Key_Escape, modifier);
    EXPECT_TRUE(window_.isVisible()) << modifier;
  }
  QTest::keyClick(handle, Qt::Key_Escape);
  EXPECT_FALSE(window_.isVisible());
}

TEST_F(MainWindowTest, TheFrameCanBeMinimisedButNotMaximisedOrResized) {
  const Qt::WindowFlags flags = window_.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(window_.minimumSize(), window_.maximumSize());
  EXPECT_EQ(window_.size(), window_.maximumSize());
}

TEST_F(MainWindowTest, TheCanvasFillsTheAreaBelowTheMenuBarExactly) {
  const int menuBarHeight = window_.menuBar()->height();
  EXPECT_GT(menuBarHeight, 0);
  EXPECT_EQ(window_.Canvas().geometry(), QRect(0, menuBarHeight, BoardWidth, BoardHeight));
  EXPECT_EQ(window_.size(), QSize(BoardWidth, menuBarHeight + BoardHeight));
}

TEST_F(MainWindowTest, StartsCentredForItsInitialSizeOnThePrimaryScreen) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  EXPECT_EQ(window_.frameGeometry().topLeft(),
            InitialWindowPosition(screen->geometry(), screen->availableGeometry()));
}

TEST_F(MainWindowTest, ANewGameFromTheMenuDrawsTheBoard) {
  EXPECT_EQ(window_.Canvas().ColorAt(284, 220), BackgroundGray);
  StartGameAction()->trigger();
  EXPECT_EQ(controller_.State(), GameState::Playing);
  EXPECT_NE(window_.Canvas().ColorAt(284, 220), BackgroundGray);
  EXPECT_EQ(window_.Canvas().ColorAt(44, 20), BackgroundGray);
  for (const CellIndex wall : PresetWalls)
    EXPECT_EQ(controller_.Cells()[wall], PresetWall);
}

TEST_F(MainWindowTest, APressThroughTheWindowPlacesAFenceAndMovesTheCat) {
  StartGameAction()->trigger();
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    WindowPointOf(OpenRimCell));
  EXPECT_EQ(controller_.Cells()[OpenRimCell], PlayerWall);
  EXPECT_EQ(controller_.PlayerStepCount(), 1);
  EXPECT_NE(controller_.CatCell(), StartCell);
}

TEST_F(MainWindowTest, ASecondNewGameReplacesTheFirst) {
  StartGameAction()->trigger();
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    WindowPointOf(OpenRimCell));
  ASSERT_EQ(controller_.PlayerStepCount(), 1);
  EXPECT_FALSE(ShowTheSamePicture(window_.Canvas(), OpenRimCell, 100));

  clock_.ScriptRolls({1, 2, 3, 4, 5, 6, 7, 8, 9});
  StartGameAction()->trigger();
  EXPECT_EQ(controller_.PlayerStepCount(), 0);
  EXPECT_EQ(controller_.CatCell(), StartCell);
  EXPECT_EQ(controller_.Cells()[OpenRimCell], OpenCell);
  // The fence is gone: its cell shows the same white disc as any other open cell.
  EXPECT_TRUE(ShowTheSamePicture(window_.Canvas(), OpenRimCell, 100));
}

TEST_F(MainWindowTest, TheAboutBoxLeavesTheMainWindowUsable) {
  StartGameAction()->trigger();
  AboutAction()->trigger();
  const QList<QMessageBox*> boxes = window_.findChildren<QMessageBox*>();
  ASSERT_EQ(boxes.size(), 1);
  QMessageBox* about = boxes.front();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(about));
  EXPECT_EQ(about->text(), ToQString(AboutApplicationName));
  EXPECT_EQ(about->informativeText(), ToQString(AboutCreditLine));
  EXPECT_FALSE(about->iconPixmap().isNull());
  EXPECT_EQ(about->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  // A press on the board still reaches the game while the box is open.
  QTest::mouseClick(window_.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    WindowPointOf(OpenRimCell));
  EXPECT_EQ(controller_.PlayerStepCount(), 1);

  // Asked again, the open box comes forward; no second one appears.
  window_.ShowAbout();
  EXPECT_EQ(window_.findChildren<QMessageBox*>(), boxes);

  about->close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return window_.findChildren<QMessageBox*>().isEmpty(); }));
  window_.ShowAbout();
  EXPECT_EQ(window_.findChildren<QMessageBox*>().size(), 1);
}

// However tall a font makes the menu bar, the board below it keeps its 544 by 440 pixels.
TEST(MainWindowFit, TheCanvasKeepsTheBoardsSizeUnderALargeMenuFont) {
  const QFont normal = QApplication::font("QMenuBar");
  testing::ScriptedClock clock;
  GameController controller(clock);
  int normalHeight = 0;
  {
    MainWindow window(controller);
    window.FitClientToBoard();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    normalHeight = window.menuBar()->height();
  }
  QFont large = normal;
  large.setPointSize(normal.pointSize() * 3);
  QApplication::setFont(large, "QMenuBar");
  MainWindow window(controller);
  window.FitClientToBoard();
  window.show();
  const bool exposed = QTest::qWaitForWindowExposed(&window);
  QApplication::setFont(normal, "QMenuBar");
  ASSERT_TRUE(exposed);

  EXPECT_GT(window.menuBar()->height(), normalHeight);
  EXPECT_EQ(window.Canvas().geometry(),
            QRect(0, window.menuBar()->height(), BoardWidth, BoardHeight));
}

}  // namespace
}  // namespace morlune
