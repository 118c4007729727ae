#pragma once
// A standard's name in the language on show: GOST stays GOST, written in the reader's script.

#include <QString>

#include <string_view>

namespace karo {

// "ГОСТ 8239-89" as the catalogue keeps it; in English "GOST 8239-89".
QString StandardText(std::string_view standard);

} // namespace karo
