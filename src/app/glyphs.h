#pragma once
// Button glyphs drawn in code: no image files ship with the program.

#include <QIcon>
#include <QPixmap>

namespace karo::app {

QIcon AddGlyph();   // a green plus
QIcon EraseGlyph(); // a red cross
QIcon PlaceGlyph(); // a small square moving up against a larger one
// The about tab's picture: a small I-beam section with its axes.
QPixmap AboutPicture(int size);

} // namespace karo::app
