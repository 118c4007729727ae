#pragma once
// Font names the pictures and the result sheet ask for, mapped to faces a Linux desktop has.

namespace karo {

// Maps "Tahoma" and "MS Sans Serif" to Liberation Sans (they would otherwise fall to DejaVu
// Sans, about 11 % wider, which clips fixed-size labels) and "Times New Roman" to Liberation
// Serif. Call once after the QGuiApplication exists; calling again does no harm.
void InstallFontSubstitutes();

} // namespace karo
