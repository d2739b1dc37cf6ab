// The main window as the player meets it: frame, caption, icon, menus, size, placement,
// closing with Esc and the About box.
#include "MainWindow.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "GameWindowFixture.h"
#include "MainMenu.h"
#include "ModalBoxWatcher.h"
#include "WideText.h"
#include "WindowPlacement.h"
#include "morlune/GameTexts.h"

namespace morlune::testing {
namespace {

std::wstring MenuText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

SIZE IconSize(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return {0, 0};
  BITMAP bitmap{};
  GetObjectW(info.hbmMask, sizeof(bitmap), &bitmap);
  const LONG height = info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2;
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, height};
}

using MainWindowTest = GameWindowFixture;

TEST_F(MainWindowTest, TheClientAreaIsExactlyTheBoardAndTheCanvasFillsIt) {
  RECT client{};
  GetClientRect(Main(), &client);
  EXPECT_EQ(client.right - client.left, BoardWidth);
  EXPECT_EQ(client.bottom - client.top, BoardHeight);

  RECT canvas{};
  GetWindowRect(CanvasWindow(), &canvas);
  MapWindowPoints(nullptr, Main(), reinterpret_cast<POINT*>(&canvas), 2);
  EXPECT_EQ(canvas.left, 0);
  EXPECT_EQ(canvas.top, 0);
  EXPECT_EQ(canvas.right, BoardWidth);
  EXPECT_EQ(canvas.bottom, BoardHeight);
  EXPECT_EQ(GetParent(CanvasWindow()), Main());
}

TEST_F(MainWindowTest, HasAFixedFrameThatMinimisesButNeitherMaximisesNorResizes) {
  const LONG style = GetWindowLongW(Main(), GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(GetWindowLongW(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

  // Dragging the frame asks the window where the cursor is; a fixed frame has no sizing edge.
  RECT outer{};
  GetWindowRect(Main(), &outer);
  const LRESULT hit =
      SendMessageW(Main(), WM_NCHITTEST, 0, MAKELPARAM(outer.right - 1, outer.bottom - 1));
  EXPECT_NE(hit, HTBOTTOMRIGHT);
  EXPECT_NE(hit, HTRIGHT);
  EXPECT_NE(hit, HTBOTTOM);
}

TEST_F(MainWindowTest, CarriesTheCaptionAndTheProgramIconInBothSizes) {
  wchar_t caption[64] = {};
  GetWindowTextW(Main(), caption, 64);
  EXPECT_EQ(std::wstring(caption), ToWide(WindowCaption));

  const auto big = reinterpret_cast<HICON>(GetClassLongPtrW(Main(), GCLP_HICON));
  const auto small = reinterpret_cast<HICON>(GetClassLongPtrW(Main(), GCLP_HICONSM));
  ASSERT_NE(big, nullptr);
  ASSERT_NE(small, nullptr);
  EXPECT_EQ(IconSize(big).cx, GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(IconSize(small).cx, GetSystemMetrics(SM_CXSMICON));
}

TEST_F(MainWindowTest, TheMenuBarHoldsExactlyTheGameAndHelpCommands) {
  struct MenuEntry {
    std::string_view menu;
    std::string_view item;
    UINT command;
  };
  const MenuEntry expected[] = {{GameMenuText, StartGameItemText, StartGameCommand},
                                {HelpMenuText, AboutItemText, AboutCommand}};
  HMENU bar = GetMenu(Main());
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  for (int index = 0; index < 2; ++index) {
    EXPECT_EQ(MenuText(bar, index), ToWide(expected[index].menu));
    HMENU popup = GetSubMenu(bar, index);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), 1);
    EXPECT_EQ(MenuText(popup, 0), ToWide(expected[index].item));
    EXPECT_EQ(GetMenuItemID(popup, 0), expected[index].command);
    const UINT state = GetMenuState(popup, 0, MF_BYPOSITION);
    EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << index;
  }
}

TEST_F(MainWindowTest, StaysWhereCentringForTheInitialSizePutIt) {
  RECT outer{};
  GetWindowRect(Main(), &outer);
  const POINT expected = InitialWindowPositionOnPrimaryScreen();
  EXPECT_EQ(outer.left, expected.x);
  EXPECT_EQ(outer.top, expected.y);
}

TEST_F(MainWindowTest, FitsTheClientAgainFromANarrowerWindow) {
  RECT before{};
  GetWindowRect(Main(), &before);
  SetWindowPos(Main(), nullptr, 0, 0, 150, 200, SWP_NOMOVE | SWP_NOZORDER);
  ASSERT_TRUE(window_->FitClientToBoard());
  RECT client{};
  GetClientRect(Main(), &client);
  EXPECT_EQ(client.right, BoardWidth);
  EXPECT_EQ(client.bottom, BoardHeight);
  RECT after{};
  GetWindowRect(Main(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

int MenuBarHeight(HWND window) {
  MENUBARINFO bar{};
  bar.cbSize = sizeof(bar);
  GetMenuBarInfo(window, OBJID_MENU, 0, &bar);
  return bar.rcBar.bottom - bar.rcBar.top;
}

TEST(FitClientToBoardTest, SettlesAMenuBarThatUnwrapsWhenTheWindowWidens) {
  // A frame like the game's with titles too long for a narrow window to hold on one line.
  HMENU bar = CreateMenu();
  for (const wchar_t* title : {L"第一个很长的菜单", L"第二个很长的菜单", L"第三个很长的菜单"}) {
    AppendMenuW(bar, MF_STRING, 1, title);
  }
  HWND window = CreateWindowExW(0, L"Static", L"wrap", MainWindow::FrameStyle, 40, 40, 160, 300,
                                nullptr, bar, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  const int wrappedHeight = MenuBarHeight(window);
  ASSERT_TRUE(FitClientToBoard(window));
  RECT client{};
  GetClientRect(window, &client);
  const int settledHeight = MenuBarHeight(window);
  RECT outer{};
  GetWindowRect(window, &outer);
  DestroyWindow(window);
  // The bar took more than one line before, so the first height fix was measured against a
  // menu bar that then changed.
  EXPECT_GT(wrappedHeight, settledHeight);
  EXPECT_EQ(client.right, BoardWidth);
  EXPECT_EQ(client.bottom, BoardHeight);
  EXPECT_EQ(outer.left, 40);
  EXPECT_EQ(outer.top, 40);
}

TEST_F(MainWindowTest, PlainEscClosesAtOnceAndEscWithAModifierDoesNothing) {
  StartGameWithWalls(DistantWalls);
  BYTE keys[256] = {};
  for (const int modifier : {VK_CONTROL, VK_SHIFT, VK_MENU}) {
    GetKeyboardState(keys);
    keys[modifier] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(Main(), WM_KEYDOWN, VK_ESCAPE, 0);
    keys[modifier] = 0;
    SetKeyboardState(keys);
    EXPECT_NE(window_->Handle(), nullptr) << "modifier " << modifier;
  }

  HWND closing = Main();
  SendMessageW(closing, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindow(closing));
  EXPECT_EQ(window_->Handle(), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "closing the window must end the event loop";
}

TEST_F(MainWindowTest, StartingTwiceReplacesTheFirstGame) {
  StartGameWithWalls(DistantWalls);
  PressCell(1);
  ASSERT_EQ(controller_.PlayerStepCount(), 1);
  const std::vector<CellIndex> otherWalls{2, 4, 6, 8, 10, 112, 114, 116, 118};
  StartGameWithWalls(otherWalls);
  EXPECT_EQ(controller_.PlayerStepCount(), 0);
  EXPECT_EQ(controller_.CatCell(), StartCell);
  for (const CellIndex wall : otherWalls)
    EXPECT_EQ(controller_.Cells()[wall], PresetWall);
  // The first game's fence is covered by a white disc again.
  const PixelPoint fenceCentre = CentreOf(1);
  EXPECT_EQ(Canvas().ColorAt(fenceCentre.x, fenceCentre.y), 0x00FFFFFFu);
}

TEST_F(MainWindowTest, TheAboutBoxIsTheShellsOwnWithoutAnOwnerAndLeavesTheWindowUsable) {
  ModalBoxWatcher watcher(Main());
  SendMessageW(Main(), WM_COMMAND, MAKEWPARAM(AboutCommand, 0), 0);
  ASSERT_EQ(watcher.Seen().size(), 1u);
  const SeenBox& about = watcher.Seen().front();
  EXPECT_EQ(about.owner, nullptr);
  EXPECT_TRUE(about.watchedWindowEnabled);
  const auto shows = [&](std::string_view text) {
    const std::wstring wide = ToWide(text);
    if (about.caption.find(wide) != std::wstring::npos) return true;
    return std::any_of(about.labels.begin(), about.labels.end(), [&](const std::wstring& label) {
      return label.find(wide) != std::wstring::npos;
    });
  };
  EXPECT_TRUE(shows(AboutApplicationName));
  EXPECT_TRUE(shows(AboutCreditLine));
  EXPECT_TRUE(IsWindowEnabled(Main()));
}

}  // namespace
}  // namespace morlune::testing
