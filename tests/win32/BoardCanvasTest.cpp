// The board canvas inside the real window: what it draws into its back buffer, what the
// window then shows, which presses reach the game, and the messages that end a game.
#include "BoardCanvas.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "CellPictureDecoder.h"
#include "GameWindowFixture.h"
#include "ModalBoxWatcher.h"
#include "WideText.h"
#include "WindowPixels.h"
#include "morlune/GameTexts.h"

namespace morlune::testing {
namespace {

constexpr Colour White = 0x00FFFFFF;
constexpr Colour Black = 0x00000000;
// Every one of cell 61's six neighbours, and three more far away.
const std::vector<CellIndex> WallsAroundTheCat{50, 51, 60, 62, 72, 73, 1, 11, 121};

class BoardCanvasTest : public GameWindowFixture {
 protected:
  const CellPicture& Picture(CellImage image) {
    if (!pictures_) pictures_ = LoadCellPictures(GetModuleHandleW(nullptr));
    const CellPicture* picture = pictures_->Find(image);
    if (picture == nullptr) {
      ADD_FAILURE() << "picture " << static_cast<int>(image) << " did not decode";
      static const CellPicture blank{};
      return blank;
    }
    return *picture;
  }

  // Whether the cell shows the picture: drawn keyed, its grey corners show the background,
  // which is the same grey, so either way every pixel matches.
  bool CellShows(CellIndex cell, CellImage image) {
    const PixelPoint origin = CellOrigin(cell);
    const CellPicture& picture = Picture(image);
    for (int y = 0; y < CellImageSize; ++y) {
      for (int x = 0; x < CellImageSize; ++x) {
        const SurfacePixel expected =
            picture.pixels[static_cast<std::size_t>(y * CellImageSize + x)];
        if (Canvas().ColorAt(origin.x + x, origin.y + y) != ToBoardColour(expected)) return false;
      }
    }
    return true;
  }

  // The window's pixels, read back both ways, against the back buffer, pixel for pixel.
  void ExpectWindowShowsTheBackBuffer() {
    const WindowImage screen = CaptureFromWindowDc(CanvasWindow());
    const WindowImage printed = CaptureByPrintWindow(CanvasWindow());
    const WindowImage onScreen = CaptureFromScreen(CanvasWindow());
    for (const WindowImage* image : {&screen, &printed, &onScreen}) {
      ASSERT_EQ(image->width, BoardWidth);
      ASSERT_EQ(image->height, BoardHeight);
      int differing = 0;
      for (int y = 0; y < BoardHeight; ++y) {
        for (int x = 0; x < BoardWidth; ++x) {
          if (ToBoardColour(image->At(x, y)) != Canvas().ColorAt(x, y) && differing++ < 5) {
            ADD_FAILURE() << (image == &screen    ? "window DC"
                              : image == &printed ? "PrintWindow"
                                                  : "screen")
                          << " differs at (" << x << ", " << y << ")";
          }
        }
      }
      EXPECT_EQ(differing, 0);
    }
  }

  std::optional<CellPictureSet> pictures_;
};

TEST_F(BoardCanvasTest, BeforeTheFirstGameTheWholeBoardIsGreyOnScreenAndInTheBuffer) {
  for (int y = 0; y < BoardHeight; y += 7) {
    for (int x = 0; x < BoardWidth; x += 7) {
      ASSERT_EQ(Canvas().ColorAt(x, y), BackgroundGray) << x << ", " << y;
    }
  }
  EXPECT_EQ(Canvas().ColorAt(-1, 0), UnreadableColour);
  EXPECT_EQ(Canvas().ColorAt(BoardWidth, BoardHeight - 1), UnreadableColour);
  ExpectWindowShowsTheBackBuffer();
  // A press before any game changes nothing.
  PressCell(StartCell);
  EXPECT_EQ(Canvas().ColorAt(284, 220), BackgroundGray);
}

TEST_F(BoardCanvasTest, ANewGameDrawsDiscsCatAndCrossesOnTheGreyField) {
  StartGameWithWalls(DistantWalls);
  EXPECT_NE(Canvas().ColorAt(284, 220), BackgroundGray);
  EXPECT_EQ(Canvas().ColorAt(44, 20), BackgroundGray);
  EXPECT_EQ(Canvas().ColorAt(0, 0), BackgroundGray);
  for (CellIndex cell = 1; cell <= CellCount; ++cell) {
    const CellImage expected =
        cell == StartCell ? CatImage
        : std::find(DistantWalls.begin(), DistantWalls.end(), cell) != DistantWalls.end()
            ? CrossImage
            : EmptyCellImage;
    EXPECT_TRUE(CellShows(cell, expected)) << "cell " << cell;
  }
  const PixelPoint cross = CentreOf(DistantWalls.front());
  EXPECT_EQ(Canvas().ColorAt(cross.x, cross.y), Black);
  const PixelPoint open = CentreOf(2);
  EXPECT_EQ(Canvas().ColorAt(open.x, open.y), White);
  ExpectWindowShowsTheBackBuffer();
}

TEST_F(BoardCanvasTest, APressPlacesAWholeFenceAndTheCatStepsOn) {
  StartGameWithWalls(DistantWalls);
  constexpr CellIndex pressed = 111;
  PressCell(pressed);
  EXPECT_EQ(controller_.Cells()[pressed], PlayerWall);
  EXPECT_EQ(controller_.PlayerStepCount(), 1);
  EXPECT_TRUE(CellShows(pressed, FenceImage));
  ASSERT_NE(controller_.CatCell(), StartCell);
  EXPECT_TRUE(CellShows(controller_.CatCell(), CatImage));
  EXPECT_TRUE(CellShows(StartCell, EmptyCellImage));
  ExpectWindowShowsTheBackBuffer();
}

TEST_F(BoardCanvasTest, PressesOffAnOpenDiscAreRefused) {
  StartGameWithWalls(DistantWalls);
  const PixelPoint cat = CentreOf(StartCell);
  const PixelPoint cross = CentreOf(DistantWalls.front());
  const PixelPoint refused[] = {
      {44, 20},              // the gap between cells 1 and 2
      {0, 0},                // a disc's grey corner
      {4, 60},               // beside the shifted row 1
      {cat.x, cat.y},        // the cat
      {cross.x, cross.y},    // a cross
      {BoardWidth + 5, 10},  // right of the board
  };
  for (const PixelPoint point : refused) {
    PressAt(point.x, point.y);
    EXPECT_EQ(controller_.PlayerStepCount(), 0) << point.x << ", " << point.y;
    EXPECT_EQ(controller_.CatCell(), StartCell);
  }
  // Right presses and moves are nothing to the game.
  const PixelPoint open = CentreOf(111);
  SendMessageW(CanvasWindow(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(open.x, open.y));
  SendMessageW(CanvasWindow(), WM_MOUSEMOVE, 0, MAKELPARAM(open.x, open.y));
  EXPECT_EQ(controller_.PlayerStepCount(), 0);
}

TEST_F(BoardCanvasTest, ADoubleClickPlacesOneFence) {
  StartGameWithWalls(DistantWalls);
  const PixelPoint open = CentreOf(111);
  const LPARAM at = MAKELPARAM(open.x, open.y);
  // The order the system posts a double-click in, to a class with CS_DBLCLKS.
  PostMessageW(CanvasWindow(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(CanvasWindow(), WM_LBUTTONUP, 0, at);
  PostMessageW(CanvasWindow(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(CanvasWindow(), WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(controller_.PlayerStepCount(), 1);
  EXPECT_NE(GetClassLongW(CanvasWindow(), GCL_STYLE) & CS_DBLCLKS, 0u)
      << "without CS_DBLCLKS the second press arrives as another WM_LBUTTONDOWN";
}

// Left presses from the mouse itself, as the system turns them into window messages.
void ClickAt(HWND window, int x, int y, int clicks) {
  POINT screen{x, y};
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  std::vector<INPUT> inputs(static_cast<std::size_t>(clicks) * 2);
  for (std::size_t index = 0; index < inputs.size(); ++index) {
    inputs[index].type = INPUT_MOUSE;
    inputs[index].mi.dwFlags = index % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Input travels through the system's queues; waits until it has all come in.
void WaitForInput(int milliseconds) {
  const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  while (GetTickCount64() < until) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    PumpMessages();
  }
}

TEST(BoardCanvasInputTest, TheSecondPressOfARealDoubleClickIsNotReported) {
  HWND parent =
      CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP | WS_VISIBLE, 60, 60, BoardWidth,
                      BoardHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(parent, nullptr);
  std::vector<PixelPoint> reported;
  {
    BoardCanvas canvas(parent, CellPictureSet{}, [&](int x, int y) { reported.push_back({x, y}); });
    SetForegroundWindow(parent);
    WaitForInput(100);
    // Two presses on one spot at once: a double-click under any settings.
    ClickAt(canvas.Handle(), 100, 30, 2);
    WaitForInput(400);
    const std::size_t fromDoubleClick = reported.size();
    // Past the double-click time, a press is a plain press again.
    WaitForInput(static_cast<int>(GetDoubleClickTime()) + 100);
    ClickAt(canvas.Handle(), 300, 200, 1);
    WaitForInput(400);
    EXPECT_EQ(fromDoubleClick, 1u);
    ASSERT_EQ(reported.size(), 2u);
    EXPECT_EQ(reported[0], (PixelPoint{100, 30}));
    EXPECT_EQ(reported[1], (PixelPoint{300, 200}));
    // The canvas never takes the keyboard: Esc must still reach the main window.
    EXPECT_NE(GetFocus(), canvas.Handle());
  }
  DestroyWindow(parent);
}

TEST_F(BoardCanvasTest, TheEscapeMessageComesAfterTheCatIsDrawnOnTheRim) {
  StartGameWithWalls({1, 2, 3, 4, 5, 6, 7, 8, 9});
  bool catOnRimWhenShown = false;
  bool mainWindowDisabled = false;
  ModalBoxWatcher watcher(Main(), [&](const SeenBox& box) {
    catOnRimWhenShown =
        IsRimCell(controller_.CatCell()) && CellShows(controller_.CatCell(), CatImage);
    mainWindowDisabled = !box.watchedWindowEnabled;
  });
  // Fences from the top down, behind the crosses, while the cat runs for another edge.
  for (CellIndex cell = 1; cell <= CellCount && controller_.State() == GameState::Playing; ++cell) {
    if (controller_.Cells()[cell] == OpenCell && cell != controller_.CatCell()) PressCell(cell);
  }
  ASSERT_EQ(controller_.State(), GameState::Over);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  const SeenBox& box = watcher.Seen().front();
  EXPECT_EQ(box.caption, ToWide(GameOverCaption));
  EXPECT_EQ(box.text, ToWide(CatEscapedText));
  EXPECT_TRUE(box.showsInformationIcon);
  EXPECT_EQ(box.buttonCount, 1);
  EXPECT_TRUE(box.hasOkButton);
  EXPECT_TRUE(catOnRimWhenShown);
  EXPECT_TRUE(mainWindowDisabled) << "the message must be modal for the whole program";
  EXPECT_TRUE(IsWindowEnabled(Main()));
}

TEST_F(BoardCanvasTest, TheSurroundedMessageCountsOnlyThePlayersFences) {
  StartGameWithWalls(WallsAroundTheCat);
  ModalBoxWatcher watcher(Main());
  PressCell(111);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  const SeenBox& box = watcher.Seen().front();
  EXPECT_EQ(box.caption, L"游戏结束");
  EXPECT_EQ(box.text, L"猫被围住了！一共用了1步。");
  EXPECT_TRUE(box.showsInformationIcon);
  EXPECT_EQ(box.buttonCount, 1);
  EXPECT_FALSE(box.watchedWindowEnabled);
  EXPECT_EQ(controller_.State(), GameState::Over);
  EXPECT_EQ(controller_.CatCell(), StartCell);

  // The game is over: further presses neither draw nor speak.
  PressCell(112);
  EXPECT_EQ(controller_.PlayerStepCount(), 1);
  EXPECT_TRUE(CellShows(112, EmptyCellImage));
  EXPECT_EQ(watcher.Seen().size(), 1u);
  EXPECT_TRUE(IsWindowEnabled(Main()));
}

TEST_F(BoardCanvasTest, MinimisingCoveringAndRestoringLeavesTheBoardAsItWas) {
  StartGameWithWalls(DistantWalls);
  PressCell(111);
  ShowWindow(Main(), SW_MINIMIZE);
  PumpMessages();
  ShowWindow(Main(), SW_RESTORE);
  PumpMessages();
  ExpectWindowShowsTheBackBuffer();

  RECT outer{};
  GetWindowRect(Main(), &outer);
  HWND cover = CreateWindowExW(WS_EX_TOPMOST, L"Static", L"", WS_POPUP | WS_VISIBLE, outer.left,
                               outer.top, outer.right - outer.left, outer.bottom - outer.top,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(cover, nullptr);
  UpdateWindow(cover);
  PumpMessages();
  DestroyWindow(cover);
  PumpMessages();
  ExpectWindowShowsTheBackBuffer();
}

TEST(WideTextTest, TheGamesTextsBecomeTheSameCharactersInUtf16) {
  EXPECT_EQ(ToWide(CatEscapedText), L"猫逃跑了！");
  EXPECT_EQ(ToWide(GameMenuText), L"游戏(&F)");
  EXPECT_EQ(ToWide(CatSurroundedText(12)), L"猫被围住了！一共用了12步。");
  EXPECT_EQ(ToWide(""), L"");
  // A lone continuation byte is not UTF-8.
  EXPECT_EQ(ToWide("\x80 broken"), L"");
}

}  // namespace
}  // namespace morlune::testing
