#pragma once
// Marks a name of the program's tables (a kind, a field's hint, a unit, a side) as a term a
// translation renders. The name stays the Russian source text; the texts layer shows it
// through TermText in the context "Messages", and the translation tools gather it as they
// gather QT_TRANSLATE_NOOP (src/texts/CMakeLists.txt tells them the alias).
//
//     constexpr std::string_view kHeight = KARO_TERM("Messages", "Высота");

#define KARO_TERM(context, text) text
