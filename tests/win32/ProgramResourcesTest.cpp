// What morlune.exe carries inside: the icon in its four forms, the pictures, the version.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "CellPictureDecoder.h"
#include "ResourceIds.h"
#include "ShippedProgram.h"

namespace morlune::testing {
namespace {

#pragma pack(push, 2)
struct IconDirectoryEntry {
  BYTE width;
  BYTE height;
  BYTE colourCount;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytesInResource;
  WORD id;
};
struct IconDirectory {
  WORD reserved;
  WORD type;
  WORD count;
  IconDirectoryEntry entries[1];
};
#pragma pack(pop)

class ProgramResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = LoadLibraryExW(ShippedProgramPath().c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program_, nullptr) << "morlune.exe must lie beside the test program";
  }
  void TearDown() override {
    if (program_ != nullptr) FreeLibrary(program_);
  }

  const void* Resource(LPCWSTR name, LPCWSTR type, DWORD* size = nullptr) {
    HRSRC found = FindResourceW(program_, name, type);
    if (found == nullptr) return nullptr;
    if (size != nullptr) *size = SizeofResource(program_, found);
    return LockResource(LoadResource(program_, found));
  }

  HMODULE program_ = nullptr;
};

TEST_F(ProgramResourcesTest, TheIconComesIn16And32PixelsEachWith256ColoursAndWithAlpha) {
  const auto* directory = static_cast<const IconDirectory*>(
      Resource(MAKEINTRESOURCEW(MORLUNE_PROGRAM_ICON), RT_GROUP_ICON));
  ASSERT_NE(directory, nullptr);
  std::set<std::pair<int, int>> forms;  // (size, bits per pixel)
  for (int index = 0; index < directory->count; ++index) {
    const IconDirectoryEntry& entry = directory->entries[index];
    EXPECT_EQ(entry.width, entry.height);
    forms.insert({entry.width, entry.bitCount});
    EXPECT_NE(Resource(MAKEINTRESOURCEW(entry.id), RT_ICON), nullptr);
  }
  for (const int size : {16, 32}) {
    EXPECT_TRUE(forms.count({size, 8})) << size << " pixels, 256 colours";
    EXPECT_TRUE(forms.count({size, 32})) << size << " pixels, 32-bit";
  }
}

TEST_F(ProgramResourcesTest, CarriesTheFourPicturesAndTheyDecode) {
  for (const CellImage image : {EmptyCellImage, CatImage, CrossImage, FenceImage}) {
    const auto bytes = EmbeddedPictureBytes(program_, image);
    ASSERT_FALSE(bytes.empty()) << static_cast<int>(image);
    EXPECT_TRUE(DecodeCellPicture(bytes).has_value()) << static_cast<int>(image);
  }
}

TEST_F(ProgramResourcesTest, TheVersionResourceCarriesTheProjectVersion) {
  DWORD size = 0;
  const void* resource = Resource(MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION, &size);
  ASSERT_NE(resource, nullptr);
  // VerQueryValue wants a writable copy of the block.
  std::string block(static_cast<const char*>(resource), size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedLength = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedLength));
  ASSERT_NE(fixed, nullptr);
  const std::string fixedVersion = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                   std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                   std::to_string(HIWORD(fixed->dwFileVersionLS));
  EXPECT_EQ(fixedVersion, MORLUNE_EXPECTED_VERSION);

  wchar_t* text = nullptr;
  UINT textLength = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404B0\\ProductVersion",
                             reinterpret_cast<void**>(&text), &textLength));
  const std::wstring expected(MORLUNE_EXPECTED_VERSION,
                              MORLUNE_EXPECTED_VERSION + sizeof(MORLUNE_EXPECTED_VERSION) - 1);
  EXPECT_EQ(std::wstring(text), expected);
}

TEST_F(ProgramResourcesTest, AManifestAsksForTheModernControlsAndDpiAwareness) {
  DWORD size = 0;
  const void* manifest = Resource(MAKEINTRESOURCEW(1), RT_MANIFEST, &size);
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(manifest), size);
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("<dpiAware"), std::string::npos);
}

}  // namespace
}  // namespace morlune::testing
