#include "CellPictureLoader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <array>

#include "morlune/BoardSurface.h"

namespace morlune {
namespace {

constexpr std::array AllImages{EmptyCellImage, CatImage, CrossImage, FenceImage};

std::size_t At(int x, int y) {
  return static_cast<std::size_t>(y * CellImageSize + x);
}

struct AssetFile {
  CellImage image;
  const char* file;
};

TEST(CellPictureLoader, EveryPictureIsEmbeddedAndDecodesAsTheFileItWasMadeFrom) {
  const CellPictureSet pictures = LoadCellPictures();
  for (const AssetFile& asset : {AssetFile{EmptyCellImage, "empty.png"},
                                 {CatImage, "cat.png"},
                                 {CrossImage, "cross.png"},
                                 {FenceImage, "fence.png"}}) {
    SCOPED_TRACE(asset.file);
    const CellPicture* embedded = pictures.Find(asset.image);
    ASSERT_NE(embedded, nullptr);
    const auto original =
        DecodeCellPicture(QStringLiteral(MORLUNE_ASSETS_DIR "/pictures/") + asset.file);
    ASSERT_TRUE(original.has_value());
    EXPECT_EQ(embedded->pixels, original->pixels);
  }
}

TEST(CellPictureLoader, CornersAreExactlyTheKeyGreyAndTheCentreIsNot) {
  const CellPictureSet pictures = LoadCellPictures();
  for (const CellImage image : AllImages) {
    SCOPED_TRACE(static_cast<int>(image));
    const CellPicture* picture = pictures.Find(image);
    ASSERT_NE(picture, nullptr);
    for (const auto& [x, y] : {std::pair{0, 0}, {39, 0}, {0, 39}, {39, 39}}) {
      EXPECT_EQ(ToBoardColour(picture->pixels[At(x, y)]), BackgroundGray) << x << "," << y;
    }
    EXPECT_NE(ToBoardColour(picture->pixels[At(20, 20)]), BackgroundGray);
  }
}

// The cat moves every turn and a new game draws white discs over everything: any glyph pixel
// outside the white disc would stay behind on the board as a smudge.
TEST(CellPictureLoader, AnEmptyDiscDrawnOverAnyGlyphLeavesNoTrace) {
  const CellPictureSet pictures = LoadCellPictures();
  const CellPicture* empty = pictures.Find(EmptyCellImage);
  ASSERT_NE(empty, nullptr);
  BoardSurface clean;
  clean.DrawPicture(empty, 61, true);

  struct Glyph {
    CellImage image;
    bool keyed;  // the player's fence is the one picture drawn unkeyed
  };
  for (const Glyph glyph :
       {Glyph{CatImage, true}, {CrossImage, true}, {FenceImage, false}, {FenceImage, true}}) {
    SCOPED_TRACE(static_cast<int>(glyph.image));
    BoardSurface surface;
    surface.DrawPicture(empty, 61, true);
    ASSERT_NE(pictures.Find(glyph.image), nullptr);
    surface.DrawPicture(pictures.Find(glyph.image), 61, glyph.keyed);
    surface.DrawPicture(empty, 61, true);
    for (int y = 200; y < 240; ++y) {
      for (int x = 264; x < 304; ++x) {
        ASSERT_EQ(surface.ColorAt(x, y), clean.ColorAt(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(CellPictureLoader, EveryPictureIsDifferent) {
  const CellPictureSet pictures = LoadCellPictures();
  for (std::size_t a = 0; a < AllImages.size(); ++a) {
    for (std::size_t b = a + 1; b < AllImages.size(); ++b) {
      const CellPicture* first = pictures.Find(AllImages[a]);
      const CellPicture* second = pictures.Find(AllImages[b]);
      ASSERT_TRUE(first != nullptr && second != nullptr);
      EXPECT_NE(first->pixels, second->pixels) << a << " and " << b;
    }
  }
}

class DecodeCellPictureFiles : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir folder_;
};

// A palette picture, as the cell pictures may be stored, keeps its colours exactly: the key
// grey and its one-off neighbour stay what they are.
TEST_F(DecodeCellPictureFiles, KeepsThePixelsOfAPalettePictureExactly) {
  QImage indexed(CellImageSize, CellImageSize, QImage::Format_Indexed8);
  indexed.setColorTable(
      {qRgb(128, 128, 128), qRgb(129, 128, 128), qRgb(0, 0, 0), qRgb(255, 255, 255)});
  for (int y = 0; y < CellImageSize; ++y) {
    for (int x = 0; x < CellImageSize; ++x)
      indexed.setPixel(x, y, static_cast<uint>((x + y) % 4));
  }
  ASSERT_TRUE(indexed.save(Path("palette.png")));

  const auto picture = DecodeCellPicture(Path("palette.png"));
  ASSERT_TRUE(picture.has_value());
  const std::array<SurfacePixel, 4> expected{0xFF808080u, 0xFF818080u, 0xFF000000u, 0xFFFFFFFFu};
  for (int y = 0; y < CellImageSize; ++y) {
    for (int x = 0; x < CellImageSize; ++x) {
      ASSERT_EQ(picture->pixels[At(x, y)], expected[static_cast<std::size_t>((x + y) % 4)])
          << x << "," << y;
    }
  }
}

TEST_F(DecodeCellPictureFiles, RefusesWhatCannotBeDrawnAsACell) {
  QImage wrongSize(CellImageSize - 1, CellImageSize, QImage::Format_RGB32);
  wrongSize.fill(Qt::white);
  ASSERT_TRUE(wrongSize.save(Path("narrow.png")));
  QFile garbage(Path("garbage.png"));
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("\x89PNG\r\n\x1a\n but nothing after the signature");
  garbage.close();

  EXPECT_FALSE(DecodeCellPicture(Path("narrow.png")).has_value());
  EXPECT_FALSE(DecodeCellPicture(Path("garbage.png")).has_value());
  EXPECT_FALSE(DecodeCellPicture(Path("absent.png")).has_value());
  EXPECT_FALSE(DecodeCellPicture(QStringLiteral(":/morlune/pictures/absent.png")).has_value());
}

}  // namespace
}  // namespace morlune
