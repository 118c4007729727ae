#pragma once
// The program keeps its texts as UTF-8 in std::string; Qt wants QString.

#include <QString>

#include <string_view>

namespace karo {

inline QString ToQString(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace karo
