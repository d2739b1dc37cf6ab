#include "BoardCanvas.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <initializer_list>
#include <utility>

#include "CellPictureLoader.h"
#include "ModalBoxProbe.h"
#include "QtText.h"
#include "ScriptedClock.h"
#include "morlune/BoardGeometry.h"
#include "morlune/GameController.h"
#include "morlune/GameTexts.h"

namespace morlune {
namespace {

constexpr SurfacePixel Rgb(int red, int green, int blue) {
  return 0xFF000000u | static_cast<SurfacePixel>(red << 16 | green << 8 | blue);
}

std::size_t At(int x, int y) {
  return static_cast<std::size_t>(y * CellImageSize + x);
}

CellPicture Filled(SurfacePixel pixel) {
  CellPicture picture;
  picture.pixels.fill(pixel);
  return picture;
}

// Every pixel different from its neighbours, so a picture or buffer shifted by one shows.
CellPicture Gradient(int tint) {
  CellPicture picture;
  for (int y = 0; y < CellImageSize; ++y) {
    for (int x = 0; x < CellImageSize; ++x)
      picture.pixels[At(x, y)] = Rgb(x * 6, y * 6, tint);
  }
  return picture;
}

CellPictureSet PicturesOf(std::initializer_list<std::pair<CellImage, CellPicture>> entries) {
  CellPictureSet pictures;
  for (const auto& [image, picture] : entries)
    pictures.Set(image, picture);
  return pictures;
}

// Compares an image of the canvas with the back buffer over `area`, in board pixels.
::testing::AssertionResult ShowsBuffer(const QImage& shown, const BoardSurface& surface,
                                       const QRect& area) {
  const QImage image = shown.convertToFormat(QImage::Format_RGB32);
  if (image.size() != area.size()) {
    return ::testing::AssertionFailure() << "image is " << image.width() << "x" << image.height();
  }
  for (int y = 0; y < area.height(); ++y) {
    for (int x = 0; x < area.width(); ++x) {
      const Colour expected = surface.ColorAt(area.x() + x, area.y() + y);
      const Colour seen = ToBoardColour(image.pixel(x, y));
      if (seen != expected) {
        return ::testing::AssertionFailure()
               << "board pixel " << area.x() + x << "," << area.y() + y << " shows " << std::hex
               << seen << " but the buffer holds " << expected;
      }
    }
  }
  return ::testing::AssertionSuccess();
}

TEST(BoardCanvas, IsAFixedBoardThatNeverTakesFocus) {
  BoardCanvas canvas{CellPictureSet{}};
  EXPECT_EQ(canvas.size(), QSize(BoardWidth, BoardHeight));
  EXPECT_EQ(canvas.minimumSize(), canvas.maximumSize());
  EXPECT_EQ(canvas.cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(canvas.focusPolicy(), Qt::NoFocus);
}

TEST(BoardCanvas, StartsGreyAndReadsBlueGreenRedWithUnreadableOffTheBoard) {
  BoardCanvas canvas{PicturesOf({{EmptyCellImage, Filled(Rgb(0x12, 0x34, 0x56))}})};
  for (int y = 0; y < BoardHeight; ++y) {
    for (int x = 0; x < BoardWidth; ++x)
      ASSERT_EQ(canvas.ColorAt(x, y), BackgroundGray);
  }
  canvas.DrawCell(EmptyCellImage, 1, false);
  EXPECT_EQ(canvas.ColorAt(0, 0), 0x00563412u);
  EXPECT_EQ(canvas.ColorAt(39, 39), 0x00563412u);
  EXPECT_EQ(canvas.ColorAt(40, 0), BackgroundGray);
  for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {544, 0}, {0, 440}, {543, 440}}) {
    EXPECT_EQ(canvas.ColorAt(x, y), UnreadableColour) << x << "," << y;
  }
}

TEST(BoardCanvas, KeyedDrawingSkipsOnlyTheExactGreyAndUnkeyedCopiesEveryPixel) {
  CellPicture probe = Filled(Rgb(128, 128, 128));
  probe.pixels[At(0, 0)] = Rgb(129, 128, 128);
  probe.pixels[At(1, 0)] = Rgb(0, 0, 0);
  BoardCanvas canvas{PicturesOf({{EmptyCellImage, Filled(Rgb(255, 255, 255))}, {CatImage, probe}})};
  canvas.DrawCell(EmptyCellImage, 61, false);
  canvas.DrawCell(EmptyCellImage, 62, false);

  canvas.DrawCell(CatImage, 61, true);  // cell 61 starts at 264,200
  EXPECT_EQ(canvas.ColorAt(264, 200), 0x00808081u);
  EXPECT_EQ(canvas.ColorAt(265, 200), 0x00000000u);
  EXPECT_EQ(canvas.ColorAt(266, 200), 0x00FFFFFFu);
  EXPECT_EQ(canvas.ColorAt(303, 239), 0x00FFFFFFu);

  canvas.DrawCell(CatImage, 62, false);  // cell 62 starts at 312,200
  EXPECT_EQ(canvas.ColorAt(312, 200), 0x00808081u);
  EXPECT_EQ(canvas.ColorAt(313, 200), 0x00000000u);
  int grey = 0;
  for (int y = 200; y < 240; ++y) {
    for (int x = 312; x < 352; ++x)
      grey += canvas.ColorAt(x, y) == BackgroundGray ? 1 : 0;
  }
  EXPECT_EQ(grey, 1600 - 2);
}

TEST(BoardCanvas, APictureThatIsMissingDrawsNothing) {
  BoardCanvas canvas{PicturesOf({{EmptyCellImage, Filled(Rgb(255, 255, 255))}})};
  canvas.DrawCell(EmptyCellImage, 61, false);
  canvas.DrawCell(CatImage, 61, false);
  canvas.DrawCell(FenceImage, 61, true);
  EXPECT_EQ(canvas.ColorAt(284, 220), 0x00FFFFFFu);
  EXPECT_EQ(canvas.ColorAt(264, 200), 0x00FFFFFFu);
}

TEST(BoardCanvas, RepaintsComeFromTheBackBuffer) {
  BoardCanvas canvas{PicturesOf({{EmptyCellImage, Gradient(10)}, {CrossImage, Gradient(200)}})};
  canvas.DrawCell(EmptyCellImage, 1, false);
  canvas.DrawCell(CrossImage, 13, true);  // odd row, shifted right by half a cell
  canvas.DrawCell(EmptyCellImage, 61, false);
  canvas.DrawCell(CrossImage, 121, false);

  EXPECT_TRUE(ShowsBuffer(canvas.grab().toImage(), canvas.Surface(), canvas.rect()));
  // A part exposed on its own comes from the same place in the buffer.
  const QRect part(270, 190, 77, 61);
  EXPECT_TRUE(ShowsBuffer(canvas.grab(part).toImage(), canvas.Surface(), part));
}

TEST(BoardCanvas, DrawingReachesTheScreenWithoutAnyOtherRepaint) {
  BoardCanvas canvas{PicturesOf({{CatImage, Gradient(77)}})};
  canvas.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
  canvas.DrawCell(CatImage, 61, true);
  canvas.DrawCell(CatImage, 24, false);

  QScreen* screen = canvas.screen();
  ASSERT_NE(screen, nullptr);
  QImage onScreen;
  // The changed cells are repainted from the event loop, a little later.
  for (int attempt = 0; attempt < 50; ++attempt) {
    QTest::qWait(10);
    onScreen = screen->grabWindow(canvas.winId()).toImage();
    if (ShowsBuffer(onScreen, canvas.Surface(), canvas.rect())) break;
  }
  EXPECT_TRUE(ShowsBuffer(onScreen, canvas.Surface(), canvas.rect()));
}

TEST(BoardCanvas, ShowInfoShowsAModalInformationBoxAndReturnsOnceItIsClosed) {
  BoardCanvas canvas{CellPictureSet{}};
  canvas.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas));
  const std::string text = CatSurroundedText(12);

  const testing::ModalBoxSighting box =
      testing::CloseModalBoxOpenedBy([&] { canvas.ShowInfo(text, GameOverCaption); });

  ASSERT_TRUE(box.seen);
  EXPECT_FALSE(box.timedOut);
  EXPECT_EQ(box.caption, ToQString(GameOverCaption));
  EXPECT_EQ(box.text, ToQString(text));
  EXPECT_EQ(box.icon, QMessageBox::Information);
  EXPECT_EQ(box.modality, Qt::ApplicationModal);
  EXPECT_EQ(box.buttonCount, 1);
  EXPECT_EQ(box.standardButtons, QMessageBox::Ok);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(BoardCanvas, ANewGameShowsTheCatsDiscAndLeavesTheGapsGrey) {
  BoardCanvas canvas{LoadCellPictures()};
  testing::ScriptedClock clock;
  GameController controller(clock);
  controller.StartNewGame(canvas);
  EXPECT_NE(canvas.ColorAt(284, 220), BackgroundGray);  // the centre of cell 61
  EXPECT_EQ(canvas.ColorAt(44, 20), BackgroundGray);    // between cells 1 and 2
}

// Presses arrive the way the platform delivers them: to the canvas's window, which decides
// what is a press and what is a double-click.
class BoardCanvasPresses : public ::testing::Test, public QObject {
 protected:
  void SetUp() override {
    canvas_.installEventFilter(this);
    canvas_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&canvas_));
    window_ = canvas_.windowHandle();
    ASSERT_NE(window_, nullptr);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) ++doubleClicks_;
    return false;
  }

  BoardCanvas canvas_{CellPictureSet{}};
  QSignalSpy presses_{&canvas_, &BoardCanvas::BoardPressed};
  QWindow* window_ = nullptr;
  int doubleClicks_ = 0;
};

TEST_F(BoardCanvasPresses, APlainLeftPressIsReportedAtItsPoint) {
  QTest::mouseClick(window_, Qt::LeftButton, Qt::NoModifier, QPoint(284, 220));
  QTest::mouseClick(window_, Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier,
                    QPoint(3, 439));
  ASSERT_EQ(presses_.count(), 2);
  EXPECT_EQ(presses_.at(0), (QList<QVariant>{284, 220}));
  EXPECT_EQ(presses_.at(1), (QList<QVariant>{3, 439}));
}

TEST_F(BoardCanvasPresses, TheSecondPressOfADoubleClickIsNotReported) {
  QTest::mouseDClick(window_, Qt::LeftButton, Qt::NoModifier, QPoint(100, 60));
  ASSERT_EQ(doubleClicks_, 1) << "the platform did not see a double-click";
  EXPECT_EQ(presses_.count(), 1);
  QTest::mouseClick(window_, Qt::LeftButton, Qt::NoModifier, QPoint(200, 60));
  EXPECT_EQ(presses_.count(), 2);
}

TEST_F(BoardCanvasPresses, OtherButtonsAreIgnored) {
  QTest::mouseClick(window_, Qt::RightButton, Qt::NoModifier, QPoint(284, 220));
  QTest::mouseClick(window_, Qt::MiddleButton, Qt::NoModifier, QPoint(284, 220));
  QTest::mouseDClick(window_, Qt::RightButton, Qt::NoModifier, QPoint(284, 220));
  EXPECT_EQ(presses_.count(), 0);
}

// With fractional scaling a press falls between logical pixels; it belongs to the one it is in.
TEST_F(BoardCanvasPresses, AFractionalPositionIsFlooredNotRounded) {
  const QPointF point(100.7, 50.6);
  QMouseEvent press(QEvent::MouseButtonPress, point, canvas_.mapToGlobal(point), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&canvas_, &press);
  ASSERT_EQ(presses_.count(), 1);
  EXPECT_EQ(presses_.at(0), (QList<QVariant>{100, 50}));
}

}  // namespace
}  // namespace morlune
