// The core speaks UTF-8; Qt speaks QString. This is the one place they meet.
#pragma once

#include <QString>
#include <string_view>

namespace morlune {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace morlune
