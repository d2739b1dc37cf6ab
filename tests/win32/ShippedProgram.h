// Where the built game lies: copied beside the test program when it is built.
#pragma once

#include <windows.h>

#include <string>

namespace morlune::testing {

inline std::wstring ShippedProgramPath() {
  wchar_t own[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, own, MAX_PATH);
  std::wstring path = own;
  path.resize(path.find_last_of(L"\\/") + 1);
  return path + L"morlune.exe";
}

}  // namespace morlune::testing
