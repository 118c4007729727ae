#pragma once
// Texts the user sees when the section data are refused or the arithmetic fails.

#include <string_view>

namespace karo {

inline constexpr std::string_view kAppTitle = "Karo 2006";
inline constexpr std::string_view kWarningCaption = "Внимание!";
inline constexpr std::string_view kInputErrorText = "Ошибка в исходных данных.";

} // namespace karo
