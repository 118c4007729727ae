#pragma once
// Texts the user sees when the section data are refused or the arithmetic fails.

#include <string_view>

namespace karo {

inline constexpr std::string_view kAppTitle = "Karo 2006";
inline constexpr std::string_view kWarningCaption = "Внимание!";
inline constexpr std::string_view kInputErrorText = "Ошибка в исходных данных.";

// Why a section of `profileCount` profiles cannot be solved at all, said after
// kInputErrorText: it has none, or their area is next to nothing.
inline constexpr std::string_view EmptySectionReason(int profileCount) {
    return profileCount > 0 ? "Площадь сечения слишком мала." : "В сечении нет ни одного профиля.";
}

} // namespace karo
