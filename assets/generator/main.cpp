// Writes every artwork file under the folder given on the command line:
// pictures/<glyph>.png and icon/morlune-<size>.png, icon/morlune.svg, icon/morlune.ico.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "CellPictures.h"
#include "Glyphs.h"
#include "IcoWriter.h"
#include "IconImages.h"
#include "PngWriter.h"
#include "SvgWriter.h"

namespace {

using morlune::artwork::Bytes;

bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) std::cerr << "morlune_artwork: cannot write " << path.string() << '\n';
  return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace morlune::artwork;
  if (argc != 2) {
    std::cerr << "usage: morlune_artwork <output folder>\n";
    return 2;
  }
  const std::filesystem::path root = argv[1];
  const std::filesystem::path pictures = root / "pictures";
  const std::filesystem::path icon = root / "icon";
  std::error_code error;
  std::filesystem::create_directories(pictures, error);
  std::filesystem::create_directories(icon, error);

  bool ok = true;
  for (const CellGlyph glyph : AllCellGlyphs) {
    ok &= WriteFile(pictures / (std::string(GlyphName(glyph)) + ".png"),
                    EncodePng(CellPicture(glyph)));
  }

  std::vector<Image> icoImages;
  for (const int size : IconSizes) {
    const Image image = IconImage(size);
    ok &= WriteFile(icon / ("morlune-" + std::to_string(size) + ".png"), EncodePng(image));
    if (size == 16 || size == 32) icoImages.push_back(image);
  }
  ok &= WriteFile(icon / "morlune.ico", EncodeIco(icoImages));

  const std::string svg = SvgDocument(Disc(), GlyphDrawing(CellGlyph::Cat), 256);
  ok &= WriteFile(icon / "morlune.svg", Bytes(svg.begin(), svg.end()));
  return ok ? 0 : 1;
}
