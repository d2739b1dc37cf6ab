// The game's texts are UTF-8; Windows shows text right in every code page only through its
// wide-character calls, so everything on screen passes through here first.
#pragma once

#include <string>
#include <string_view>

namespace morlune {

// UTF-16 for the wide Windows calls. Malformed UTF-8 yields an empty string rather than
// replacement characters, so a broken text is noticed instead of shown garbled.
std::wstring ToWide(std::string_view utf8);

}  // namespace morlune
